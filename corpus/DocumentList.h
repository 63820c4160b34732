// The documents of a corpus from the paths the user gave: files as they are,
// folders read recursively for every *.txt, in a stable order.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "corpus/CorpusWord.h"

namespace corpus {

struct DocumentFile {
  std::string path;   // to open
  Document document;  // its name (relative to the folder given) and date
};

// A path given, or a file or folder under one, that yields no documents.
struct UnlistedPath {
  enum class Why {
    Missing,         // no such file or folder
    FolderUnlisted,  // the folder could not be listed
    NameNotHeld,     // a Windows name outside Windows-1252 ('?' in `path`)
  };
  std::string path;
  Why why;
};

struct DocumentList {
  std::vector<DocumentFile> files;  // in corpus order
  std::vector<UnlistedPath> unlisted;
};

// Files given are taken whatever their name; under a folder, files whose
// name ends in ".txt" (in any case), each folder's entries in byte order of
// their names, a subfolder's documents where its name sorts. A folder that
// cannot be listed, or a .txt file or folder whose name this program cannot
// open, is named in `unlisted`, and the others are still read.
DocumentList ListDocuments(const std::vector<std::string>& paths);

// The date a file name holds: "2024-05-17" or "20240517" (not within a
// longer run of digits), a real day of the years 1900 to 2099; 0 otherwise.
Date DateFromName(std::string_view fileName);

}  // namespace corpus
