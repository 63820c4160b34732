// Where lexavia-corpus finds its data: beside its executable (the build's
// app/ folder and the Windows layout: dicionarios/ and corpus/ there; the
// build puts corpus/ beside the program it builds), or,
// on Linux when there is no dicionarios/ beside it, the installed layout's
// ../share/lexavia/.
#pragma once

#include <string>

namespace corpus {

// The folder of the shipped dictionaries. Throws platform::FileError when
// the executable's path cannot be told.
std::string DefaultDictionaryFolder();

// The desktop program's user dictionary: beside the shipped dictionaries
// where the program runs from its own folder (app/, Windows); else, on
// Linux, ${XDG_DATA_HOME:-~/.local/share}/lexavia/dicionarios/.
std::string DefaultUserDictionary();

// The word lists of the classes, part of the program whichever dictionaries
// it reads: the folder "corpus" beside the executable or, on Linux when
// there is none, the installed layout's ../share/lexavia/corpus.
std::string ListsFolder();

// The folder part of `path` ("." when it has none).
std::string FolderOf(const std::string& path);

inline constexpr const char* MainDictionaryName = "dicionario_principal.txt";
inline constexpr const char* UserDictionaryName = "dicionario_usuario.txt";

}  // namespace corpus
