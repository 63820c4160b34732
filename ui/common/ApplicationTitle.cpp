#include "ui/common/ApplicationTitle.h"

namespace {

// The lower-case form of the capitals of Windows-1252; other characters stay.
char16_t LowerCase(char16_t c) {
  if ((c >= u'A' && c <= u'Z') || (c >= u'\u00C0' && c <= u'\u00DE' && c != u'\u00D7')) {
    return static_cast<char16_t>(c + 0x20);
  }
  switch (c) {
    case u'\u0160':  // S with caron
    case u'\u0152':  // ligature OE
    case u'\u017D':  // Z with caron
      return static_cast<char16_t>(c + 1);
    case u'\u0178':  // Y with diaeresis
      return u'\u00FF';
    default:
      return c;
  }
}

}  // namespace

std::u16string ApplicationTitleFor(std::u16string_view executablePath) {
  std::size_t folderEnd = executablePath.find_last_of(u"/\\");
  std::u16string_view name = folderEnd == std::u16string_view::npos
                                 ? executablePath
                                 : executablePath.substr(folderEnd + 1);
  name = name.substr(0, name.find(u'.'));
  std::u16string title(name);
  for (std::size_t i = 1; i < title.size(); ++i) title[i] = LowerCase(title[i]);
  return title;
}
