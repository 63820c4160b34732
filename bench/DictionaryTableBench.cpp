// Inserting and looking up words in a table of ten million entries.
// Targets on the 2-core reference machine: ten million inserts in at most
// 2.5 s, IsExcluded at most 300 ns on average (half hits, half misses), and
// resident memory at most 3 times the bytes of the words.
#include <random>

#include <benchmark/benchmark.h>

#include "dictionary/DictionaryTable.h"
#include "support/TenMillionWordTable.h"

namespace {

using bench_support::BuildTable;
using bench_support::TableWords;

void InsertTenMillionWords(benchmark::State& state) {
  for (auto _ : state) {
    const bench_support::TableBuild& build = BuildTable();
    state.SetIterationTime(build.seconds);
    state.counters["words"] = static_cast<double>(TableWords().Size());
    state.counters["ns_per_insert"] =
        build.seconds * 1e9 / static_cast<double>(TableWords().Size());
    state.counters["table_MB"] = static_cast<double>(build.residentBytes) / 1e6;
    state.counters["word_MB"] = static_cast<double>(TableWords().Bytes()) / 1e6;
    state.counters["memory_per_word_byte"] =
        static_cast<double>(build.residentBytes) / static_cast<double>(TableWords().Bytes());
  }
}
BENCHMARK(InsertTenMillionWords)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// Words drawn at random from the table, every second one altered so that it misses.
const bench_support::WordList& Queries() {
  static const bench_support::WordList queries = [] {
    const bench_support::WordList& words = TableWords();
    bench_support::WordList list;
    std::mt19937_64 random(7);
    for (int i = 0; i < 1'000'000; ++i) {
      std::string_view word = words[random() % words.Size()];
      if (i % 2 == 0) {
        list.Add(word);
      } else {
        list.Add(bench_support::Altered(word));
      }
    }
    return list;
  }();
  return queries;
}

void LookUpInTenMillionWords(benchmark::State& state) {
  BuildTable();
  const bench_support::WordList& queries = Queries();
  std::size_t excluded = 0;
  for (auto _ : state) {
    for (std::size_t i = 0; i < queries.Size(); ++i) excluded += IsExcluded(queries[i], false);
  }
  benchmark::DoNotOptimize(excluded);
  double lookups = static_cast<double>(queries.Size());
  state.counters["ns_per_lookup"] = benchmark::Counter(
      lookups * 1e9, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["hit_share"] =
      static_cast<double>(excluded) / (lookups * static_cast<double>(state.iterations()));
}
BENCHMARK(LookUpInTenMillionWords)->Unit(benchmark::kMillisecond);

}  // namespace
