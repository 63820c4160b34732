// Scanning a 100 MB segmented text against a table of ten million words.
// Target on the 2-core reference machine: at least 20 MB/s.
#include <benchmark/benchmark.h>

#include "detection/CandidateList.h"
#include "detection/CandidateScanner.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "support/TenMillionWordTable.h"

namespace {

void ScanHundredMegabytes(benchmark::State& state) {
  bench_support::BuildTable();
  std::string text = bench_support::SegmentedText(bench_support::TableWords(), 100'000'000, 40);
  std::string input = "/tmp/lexavia-scanner-bench.txt";
  platform::OutputFile seg = platform::OutputFile::Create(input + ".seg");
  seg.Write(text);
  seg.Close();

  std::size_t candidates = 0;
  for (auto _ : state) {
    FindCandidates(input, false);
    state.PauseTiming();
    for (neo* record = CandidateList.Head; record != nullptr; record = record->Next) ++candidates;
    FreeCandidates();
    state.ResumeTiming();
  }
  platform::RemoveFile(input + ".seg");
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  state.counters["candidates"] =
      static_cast<double>(candidates) / static_cast<double>(state.iterations());
}
BENCHMARK(ScanHundredMegabytes)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
