// The word table of a whole corpus, its documents scanned by two threads.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "corpus/DocumentList.h"
#include "corpus/WordTable.h"
#include "platform/FileError.h"

namespace corpus {

struct ScanProgress {
  std::size_t documentsDone = 0;
  std::size_t documentsTotal = 0;
  std::uint64_t bytesDone = 0;
};

// A document that could not be read, and the error met.
struct ScanFailure {
  std::string path;
  platform::FileError error;
};

struct CorpusScan {
  CorpusTable table;
  std::vector<ScanFailure> failures;  // in corpus order
  std::uint64_t bytes = 0;
};

// Scans every file of `files` (the corpus's documents, in order) with
// `threads` workers, each taking the next document not yet taken. The
// dictionary table is only read meanwhile. `progress` is called from the calling thread
// every `progressMilliseconds` while the workers run, and once at the end.
CorpusScan ScanCorpus(const std::vector<DocumentFile>& files, unsigned threads,
                      const std::function<void(const ScanProgress&)>& progress,
                      unsigned progressMilliseconds = 250);

// The documents of `files`, in their order.
std::vector<Document> DocumentsOf(const std::vector<DocumentFile>& files);

}  // namespace corpus
