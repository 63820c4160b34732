#include "corpus/CorpusScan.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
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
  CorpusScan scan;
  std::mutex tableMutex;  // guards scan.table
  std::vector<std::vector<std::pair<std::size_t, ScanFailure>>> failures(threads);
  std::atomic<std::size_t> next{0};
  std::atomic<std::size_t> done{0};
  std::atomic<std::uint64_t> bytes{0};
  std::mutex mutex;  // guards running and fault
  std::condition_variable finished;
  unsigned running = threads;
  // What no document causes (memory running out): it ends the scan, and is
  // thrown again on this thread, where the program can say what happened.
  std::exception_ptr fault;

  // One table for the corpus, so that its contexts are held once: each
  // worker scans a document into a table of its own and adds it under the
  // lock. Documents may arrive out of order; MergeInto keeps the earliest.
  auto work = [&](unsigned worker) {
    CorpusTable found;
    for (std::size_t index; (index = next++) < files.size();) {
      try {
        bytes += ScanDocument(files[index].path, static_cast<std::uint32_t>(index),
                              documents[index].date, found);
        std::lock_guard<std::mutex> lock(tableMutex);
        MergeTable(scan.table, found, documents);
      } catch (const platform::FileError& error) {
        failures[worker].push_back({index, ScanFailure{files[index].path, error}});
      } catch (...) {
        std::lock_guard<std::mutex> lock(mutex);
        if (!fault) fault = std::current_exception();
        next = files.size();
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
  if (fault) std::rethrow_exception(fault);
  report();

  std::vector<std::pair<std::size_t, ScanFailure>> allFailures;
  for (auto& list : failures) allFailures.insert(allFailures.end(), list.begin(), list.end());
  std::sort(allFailures.begin(), allFailures.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (auto& [index, failure] : allFailures) scan.failures.push_back(std::move(failure));
  scan.bytes = bytes.load();
  return scan;
}

}  // namespace corpus
