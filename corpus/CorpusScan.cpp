#include "corpus/CorpusScan.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "corpus/DocumentScan.h"
#include "platform/FileError.h"

namespace corpus {

std::vector<Document> DocumentsOf(const std::vector<DocumentFile>& files) {
  std::vector<Document> documents;
  documents.reserve(files.size());
  for (const DocumentFile& file : files) documents.push_back(file.document);
  return documents;
}

CorpusScan ScanCorpus(const std::vector<DocumentFile>& files, unsigned threads,
                      const std::function<void(const ScanProgress&)>& progress,
                      unsigned progressMilliseconds) {
  std::vector<Document> documents = DocumentsOf(files);
  threads = std::max(1u, threads);
  std::vector<CorpusTable> tables(threads);
  std::vector<std::vector<std::pair<std::size_t, ScanFailure>>> failures(threads);
  std::atomic<std::size_t> next{0};
  std::atomic<std::size_t> done{0};
  std::atomic<std::uint64_t> bytes{0};
  std::mutex mutex;
  std::condition_variable finished;
  unsigned running = threads;

  auto work = [&](unsigned worker) {
    // Each worker takes documents in increasing order, so its table's
    // contexts stay in corpus order, as MergeInto expects.
    for (std::size_t index; (index = next++) < files.size();) {
      try {
        bytes += ScanDocument(files[index].path, static_cast<std::uint32_t>(index), documents,
                              tables[worker]);
      } catch (const platform::FileError& error) {
        failures[worker].push_back({index, ScanFailure{files[index].path, error.what()}});
      }
      ++done;
    }
    std::lock_guard<std::mutex> lock(mutex);
    if (--running == 0) finished.notify_all();
  };
  std::vector<std::thread> workers;
  for (unsigned worker = 0; worker < threads; ++worker) workers.emplace_back(work, worker);

  auto report = [&] { progress(ScanProgress{done.load(), files.size(), bytes.load()}); };
  {
    std::unique_lock<std::mutex> lock(mutex);
    while (!finished.wait_for(lock, std::chrono::milliseconds(progressMilliseconds),
                              [&] { return running == 0; })) {
      lock.unlock();
      report();
      lock.lock();
    }
  }
  for (std::thread& worker : workers) worker.join();
  report();

  CorpusScan scan;
  scan.table = std::move(tables[0]);
  for (unsigned worker = 1; worker < threads; ++worker) {
    MergeTable(scan.table, tables[worker], documents);
  }
  std::vector<std::pair<std::size_t, ScanFailure>> allFailures;
  for (auto& list : failures) allFailures.insert(allFailures.end(), list.begin(), list.end());
  std::sort(allFailures.begin(), allFailures.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (auto& [index, failure] : allFailures) scan.failures.push_back(std::move(failure));
  scan.bytes = bytes.load();
  return scan;
}

}  // namespace corpus
