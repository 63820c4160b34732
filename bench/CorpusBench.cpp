// lexavia-corpus's scan of a whole corpus, after the dictionaries are loaded.
// Targets on the 2-core reference machine:
// - Throughput: at least 60 MB/s with both cores on 20 MB of news in about
//   6,000 files (the raw UD texts beside the repository, repeated).
// - Memory: for 1 GB of text, at most the dictionary table plus 200 MB,
//   flat as the corpus grows (the peak is shown after 256 MB, 512 MB, 1 GB).
//
// The main dictionary is LEXAVIA_MAIN_DICTIONARY, by default the source
// tree's; the corpora are written to a temporary folder first.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "corpus/CorpusScan.h"
#include "corpus/DocumentList.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/DictionaryTable.h"
#include "support/ResidentMemory.h"

namespace {

namespace fs = std::filesystem;

std::string MainDictionary() {
  const char* path = std::getenv("LEXAVIA_MAIN_DICTIONARY");
  return path != nullptr ? path : LEXAVIA_DEFAULT_MAIN_DICTIONARY;
}

// The texts of the raw UD documents, in a stable order.
std::vector<std::string> UdTexts() {
  std::vector<std::string> paths;
  for (const char* corpus : {"ud-bosque", "ud-gsd"}) {
    for (const char* layout : {"headline", "wrapped"}) {
      fs::path folder = fs::path(LEXAVIA_SHARED_CORPORA) / corpus / layout / "raw";
      if (!fs::is_directory(folder)) continue;
      for (const auto& entry : fs::directory_iterator(folder)) paths.push_back(entry.path());
    }
  }
  std::sort(paths.begin(), paths.end());
  std::vector<std::string> texts;
  for (const std::string& path : paths) {
    std::ifstream in(path, std::ios::binary);
    texts.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  return texts;
}

// A folder of `files` documents of about `bytes` in all, each the UD texts
// one after the other from where the previous file stopped.
class GeneratedCorpus {
 public:
  GeneratedCorpus(const std::vector<std::string>& texts, std::size_t files, std::uint64_t bytes)
      : folder_(fs::temp_directory_path() / ("lexavia-corpus-bench-" + std::to_string(getpid()))) {
    fs::create_directories(folder_);
    std::size_t next = 0;
    std::uint64_t perFile = bytes / files;
    for (std::size_t i = 0; i < files; ++i) {
      std::string text;
      while (text.size() < perFile) text += texts[next++ % texts.size()] + "\n";
      char name[32];
      std::snprintf(name, sizeof name, "%06zu.txt", i);
      std::ofstream(folder_ / name, std::ios::binary) << text;
      bytes_ += text.size();
    }
  }
  ~GeneratedCorpus() { fs::remove_all(folder_); }
  std::string Folder() const { return folder_.string(); }
  std::uint64_t Bytes() const { return bytes_; }

 private:
  fs::path folder_;
  std::uint64_t bytes_ = 0;
};

// The peak resident memory of the process so far (VmHWM).
std::size_t PeakResidentBytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stoull(line.substr(6)) * 1024;
  }
  return 0;
}

// Starts the peak over from the memory resident now, so that the load's
// passing peak (the table's index while it grows) is not counted.
void ResetPeakResidentBytes() { std::ofstream("/proc/self/clear_refs") << "5"; }

bool LoadMainDictionary(benchmark::State& state) {
  if (DictionaryTable.Count() > 0) return true;
  if (!fs::exists(MainDictionary())) {
    state.SkipWithError(("no main dictionary at " + MainDictionary()).c_str());
    return false;
  }
  ReadDictionaryFile(MainDictionary(), 0);
  return true;
}

void ScanNewsCorpus(benchmark::State& state) {
  if (!LoadMainDictionary(state)) return;
  std::vector<std::string> texts = UdTexts();
  if (texts.empty()) {
    state.SkipWithError("no UD texts under " LEXAVIA_SHARED_CORPORA);
    return;
  }
  GeneratedCorpus corpus(texts, 6000, 20'000'000);
  auto files = corpus::ListDocuments({corpus.Folder()}).files;
  auto threads = static_cast<unsigned>(state.range(0));
  for (auto _ : state) {
    auto start = std::chrono::steady_clock::now();
    corpus::CorpusScan scan =
        corpus::ScanCorpus(files, threads, [](const corpus::ScanProgress&) {});
    std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(elapsed.count());
    state.counters["MB"] = static_cast<double>(corpus.Bytes()) / 1e6;
    state.counters["MB_per_s"] = static_cast<double>(corpus.Bytes()) / 1e6 / elapsed.count();
    state.counters["words"] = static_cast<double>(scan.table.size());
  }
}
BENCHMARK(ScanNewsCorpus)->Arg(1)->Arg(2)->Iterations(8)->UseManualTime()->Unit(benchmark::kSecond);

void ScanGrowingCorpusMemory(benchmark::State& state) {
  if (!LoadMainDictionary(state)) return;
  std::vector<std::string> texts = UdTexts();
  if (texts.empty()) {
    state.SkipWithError("no UD texts under " LEXAVIA_SHARED_CORPORA);
    return;
  }
  std::size_t table = bench_support::ResidentBytes();
  std::uint64_t bytes = static_cast<std::uint64_t>(state.range(0)) << 20;
  GeneratedCorpus corpus(texts, static_cast<std::size_t>(bytes >> 20), bytes);
  auto files = corpus::ListDocuments({corpus.Folder()}).files;
  for (auto _ : state) {
    ResetPeakResidentBytes();
    auto start = std::chrono::steady_clock::now();
    corpus::CorpusScan scan = corpus::ScanCorpus(files, 2, [](const corpus::ScanProgress&) {});
    std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(elapsed.count());
    state.counters["MB"] = static_cast<double>(corpus.Bytes()) / 1e6;
    state.counters["MB_per_s"] = static_cast<double>(corpus.Bytes()) / 1e6 / elapsed.count();
    state.counters["dictionary_MB"] = static_cast<double>(table) / 1e6;
    state.counters["peak_over_dictionary_MB"] =
        (static_cast<double>(PeakResidentBytes()) - static_cast<double>(table)) / 1e6;
    state.counters["words"] = static_cast<double>(scan.table.size());
    std::size_t contextBytes = 0;
    for (const auto& [key, word] : scan.table) {
      for (const corpus::Context& context : word.contexts) contextBytes += context.sentence.size();
    }
    state.counters["contexts_MB"] = static_cast<double>(contextBytes) / 1e6;
  }
}
// Each size is best run in a process of its own (--benchmark_filter=...Memory/512):
// memory that one run leaves to the allocator counts in the next one's base.
BENCHMARK(ScanGrowingCorpusMemory)
    ->Arg(256)
    ->Arg(512)
    ->Arg(1024)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
