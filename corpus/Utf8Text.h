// Windows-1252 text as UTF-8, for the files the corpus program writes.
#pragma once

#include <string>
#include <string_view>

namespace corpus {

std::string Utf8FromWindows1252(std::string_view text);

}  // namespace corpus
