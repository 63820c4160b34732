// Loading the shipped main dictionary through LoadDictionaries, with a status
// sink that only counts its calls. Targets on the 2-core reference machine:
// at most 1.0 s, and resident memory at most 1.93 times the file's size.
//
// The application folder is LEXAVIA_APP_DIR, by default the one the build
// lays out.
#include <sys/stat.h>

#include <chrono>
#include <string>

#include <benchmark/benchmark.h>

#include "detection/AppState.h"
#include "detection/StatusLine.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/DictionaryTable.h"
#include "support/ResidentMemory.h"
#include "support/ScratchAppFolder.h"

namespace {

void LoadShippedMainDictionary(benchmark::State& state) {
  AppDir = bench_support::BenchAppFolder(LEXAVIA_DEFAULT_APP_DIR);
  struct stat info;
  std::string path = AppDir + "/dicionarios/dicionario_principal.txt";
  if (stat(path.c_str(), &info) != 0) {
    state.SkipWithError(("no main dictionary at " + path).c_str());
    return;
  }
  std::size_t calls = 0;
  SetStatusSink([&calls](std::string_view) { ++calls; });
  for (auto _ : state) {
    ClearDictionary();
    MainDictionaryLoaded = false;
    std::size_t before = bench_support::ResidentBytes();
    auto start = std::chrono::steady_clock::now();
    LoadDictionaries();
    std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(elapsed.count());
    std::size_t resident = bench_support::ResidentBytes() - before;
    state.counters["file_MB"] = static_cast<double>(info.st_size) / 1e6;
    state.counters["table_MB"] = static_cast<double>(resident) / 1e6;
    state.counters["memory_per_file_byte"] =
        static_cast<double>(resident) / static_cast<double>(info.st_size);
    state.counters["entries"] = static_cast<double>(DictionaryTable.Count());
    state.counters["status_calls"] = static_cast<double>(calls);
  }
  SetStatusSink(nullptr);
}
BENCHMARK(LoadShippedMainDictionary)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
