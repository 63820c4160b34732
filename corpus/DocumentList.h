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

// A path given, or a folder under one, that yields no documents.
struct UnlistedPath {
  std::string path;
  bool missing;       // no such file or folder; else the folder could not be listed
  std::string error;  // FileError's text, when listing failed
};

struct DocumentList {
  std::vector<DocumentFile> files;  // in corpus order
  std::vector<UnlistedPath> unlisted;
};

// Files given are taken whatever their name; under a folder, files whose
// name ends in ".txt" (in any case), each folder's entries in byte order of
// their names, a subfolder's documents where its name sorts. A folder that
// cannot be listed is named in `unlisted`, and the others are still read.
DocumentList ListDocuments(const std::vector<std::string>& paths);

// The date a file name holds: "2024-05-17" or "20240517" (not within a
// longer run of digits), a real day of the years 1900 to 2099; 0 otherwise.
Date DateFromName(std::string_view fileName);

}  // namespace corpus
