// JSON strings that may stand inside an HTML script element.
#pragma once

#include <string>
#include <string_view>

namespace corpus {

// Appends `text` (UTF-8) to `out` as a quoted JSON string that no text can
// turn into markup: `<`, `>` and `&` are escaped, so nothing closes the
// script element, and so are U+2028 and U+2029, which end a line in older
// JavaScript. Bytes that are not UTF-8 become U+FFFD, so the JSON is valid.
void AppendJsonString(std::string& out, std::string_view text);

}  // namespace corpus
