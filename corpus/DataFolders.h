// Where lexavia-corpus finds its data: beside its executable (the build's
// app/ folder and the Windows layout: dicionarios/ and corpus/ there), or,
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

// The word lists of the classes: the folder "corpus" beside the
// dictionaries' folder `dictionaryFolder`.
std::string ListsFolderBeside(const std::string& dictionaryFolder);

// The folder part of `path` ("." when it has none).
std::string FolderOf(const std::string& path);

inline constexpr const char* MainDictionaryName = "dicionario_principal.txt";
inline constexpr const char* UserDictionaryName = "dicionario_usuario.txt";

}  // namespace corpus
