// The two dictionary files under AppDir: the main dictionary, read once per
// process, and the user dictionary, read at every run and appended to when
// the user asks that new candidates be stored.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Becomes true once the main dictionary was read to its end and closed.
extern bool MainDictionaryLoaded;

// Reads the main dictionary (unless MainDictionaryLoaded) with origin 0,
// then the user dictionary with origin 1, into the dictionary table; shows
// the running count of entries read after each one. Throws
// platform::FileError.
void LoadDictionaries();

// When `storeNew`: appends every candidate word that the table does not
// hold to the user dictionary, once each, in the case and order of its
// first occurrence, then adds them to the table with origin 1. The words
// reach the file as one block; when the append fails the file keeps its
// old length and the table gets none of them. Throws platform::FileError.
void StoreCandidates(bool storeNew);

// Reads the dictionary file `path` into the dictionary table with `origin`
// (0 or 1); what was read before a failure stays in the table. Throws
// platform::FileError.
void ReadDictionaryFile(const std::string& path, std::uint8_t origin);

// Appends to the user dictionary `path` (which must exist) every one of
// `words` that the table does not hold with origin 1, once each (case
// variants count once), in the case and order of its first occurrence, each
// ended by CR LF, after a line break when the file's last entry lacks one;
// then adds them to the table with origin 1. The words reach the file as
// one block; when the append fails the file keeps its old length and the
// table gets none of them. Throws platform::FileError.
void AppendToUserDictionary(const std::string& path, const std::vector<std::string_view>& words);
