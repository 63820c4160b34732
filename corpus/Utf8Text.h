// Windows-1252 text as UTF-8, for the files the corpus program writes.
#pragma once

#include <string>
#include <string_view>

namespace corpus {

std::string Utf8FromWindows1252(std::string_view text);

// UTF-8 `text` in Windows-1252: "?" for a character that Windows-1252 lacks
// and for every byte that is no part of a valid sequence.
std::string Windows1252FromUtf8(std::string_view text);

// A file name as UTF-8, and back: on Windows the system's names are
// Windows-1252, elsewhere they are the file system's bytes already.
std::string Utf8FromSystemName(const std::string& name);
std::string SystemNameFromUtf8(const std::string& utf8);

}  // namespace corpus
