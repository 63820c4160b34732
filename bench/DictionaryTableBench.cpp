// Inserting and looking up words in a table of ten million entries.
// Targets on the 2-core reference machine: ten million inserts in at most
// 2.5 s, IsExcluded at most 300 ns on average (half hits, half misses), and
// resident memory at most 3 times the bytes of the words.
#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>

#include "dictionary/DictionaryTable.h"
#include "platform/Memory.h"
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

// The machine's floor under a lookup: reads of memory each of whose address
// comes from the one before, at random over 256 MB held as the table holds
// its index and entries. A hit reads an index slot and then the entry it
// points to; a miss reads the index only.
void DependentRandomRead(benchmark::State& state) {
  constexpr std::size_t Line = 64;
  constexpr std::size_t Lines = (std::size_t{256} << 20) / Line;
  platform::LargeBlock memory(Lines * Line);
  std::vector<std::size_t> order(Lines);
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::shuffle(order.begin(), order.end(), std::mt19937_64(7));
  auto next = [&](std::size_t line) {
    return reinterpret_cast<std::size_t*>(memory.Data() + line * Line);
  };
  for (std::size_t i = 0; i < Lines; ++i) *next(order[i]) = order[(i + 1) % Lines];
  constexpr std::size_t Reads = 1'000'000;
  std::size_t line = order[0];
  for (auto _ : state) {
    for (std::size_t i = 0; i < Reads; ++i) line = *next(line);
  }
  benchmark::DoNotOptimize(line);
  state.counters["ns_per_read"] = benchmark::Counter(
      static_cast<double>(Reads) * 1e9,
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(DependentRandomRead)->Unit(benchmark::kMillisecond);

}  // namespace
