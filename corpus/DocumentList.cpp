#include "corpus/DocumentList.h"

#include <algorithm>
#include <cctype>

#include "platform/FileError.h"
#include "platform/FileSystem.h"

namespace corpus {
namespace {

bool IsDigit(char byte) { return byte >= '0' && byte <= '9'; }

unsigned Number(std::string_view digits) {
  unsigned value = 0;
  for (char digit : digits) value = value * 10 + static_cast<unsigned>(digit - '0');
  return value;
}

bool IsRealDay(unsigned year, unsigned month, unsigned day) {
  if (year < 1900 || year > 2099 || month < 1 || month > 12 || day < 1) return false;
  constexpr unsigned Days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
  return day <= Days[month - 1] + (month == 2 && leap ? 1 : 0);
}

// The date spelt by `name` at `at` in one of the two forms, or 0.
Date DateAt(std::string_view name, std::size_t at) {
  auto digitsAt = [&](std::size_t from, std::size_t count) {
    if (from + count > name.size()) return false;
    return std::all_of(name.begin() + from, name.begin() + from + count, IsDigit);
  };
  auto endsRun = [&](std::size_t end) { return end == name.size() || !IsDigit(name[end]); };
  unsigned year = 0, month = 0, day = 0;
  if (digitsAt(at, 4) && at + 4 < name.size() && name[at + 4] == '-' && digitsAt(at + 5, 2) &&
      at + 7 < name.size() && name[at + 7] == '-' && digitsAt(at + 8, 2) && endsRun(at + 10)) {
    year = Number(name.substr(at, 4));
    month = Number(name.substr(at + 5, 2));
    day = Number(name.substr(at + 8, 2));
  } else if (digitsAt(at, 8) && endsRun(at + 8)) {
    year = Number(name.substr(at, 4));
    month = Number(name.substr(at + 4, 2));
    day = Number(name.substr(at + 6, 2));
  }
  return IsRealDay(year, month, day) ? year * 10000 + month * 100 + day : 0;
}

bool IsTextFileName(std::string_view name) {
  if (name.size() < 4) return false;
  std::string ending(name.substr(name.size() - 4));
  for (char& byte : ending)
    byte = static_cast<char>(std::tolower(static_cast<unsigned char>(byte)));
  return ending == ".txt";
}

void AddFolder(const std::string& folder, const std::string& relative, DocumentList& list) {
  platform::FolderEntries entries;
  try {
    entries = platform::ListFolder(folder);
  } catch (const platform::FileError&) {
    list.unlisted.push_back({folder, UnlistedPath::Why::FolderUnlisted});
    return;
  }
  for (const std::string& name : entries.unheldFolders) {
    list.unlisted.push_back({platform::PathUnder(folder, {name}), UnlistedPath::Why::NameNotHeld});
  }
  for (const std::string& name : entries.unheldFiles) {
    if (IsTextFileName(name)) {
      list.unlisted.push_back(
          {platform::PathUnder(folder, {name}), UnlistedPath::Why::NameNotHeld});
    }
  }
  struct Entry {
    std::string name;
    bool isFolder;
  };
  std::vector<Entry> sorted;
  for (std::string& name : entries.files) {
    if (IsTextFileName(name)) sorted.push_back({std::move(name), false});
  }
  for (std::string& name : entries.folders) sorted.push_back({std::move(name), true});
  std::sort(sorted.begin(), sorted.end(),
            [](const Entry& a, const Entry& b) { return a.name < b.name; });
  for (const Entry& entry : sorted) {
    std::string path = platform::PathUnder(folder, {entry.name});
    std::string name = relative.empty() ? entry.name : platform::PathUnder(relative, {entry.name});
    if (entry.isFolder) {
      AddFolder(path, name, list);
    } else {
      list.files.push_back({path, Document{name, DateFromName(entry.name)}});
    }
  }
}

std::string_view FileNameOf(std::string_view path) {
  std::size_t separator = path.find_last_of(platform::FolderSeparator == '/' ? "/" : "\\/");
  return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

}  // namespace

Date DateFromName(std::string_view fileName) {
  for (std::size_t at = 0; at < fileName.size(); ++at) {
    if (!IsDigit(fileName[at]) || (at > 0 && IsDigit(fileName[at - 1]))) continue;
    if (Date date = DateAt(fileName, at)) return date;
  }
  return 0;
}

DocumentList ListDocuments(const std::vector<std::string>& paths) {
  DocumentList list;
  for (const std::string& path : paths) {
    if (platform::FolderExists(path)) {
      AddFolder(path, "", list);
    } else if (platform::FileExists(path)) {
      std::string name(FileNameOf(path));
      list.files.push_back({path, Document{name, DateFromName(name)}});
    } else {
      list.unlisted.push_back({path, UnlistedPath::Why::Missing});
    }
  }
  return list;
}

}  // namespace corpus
