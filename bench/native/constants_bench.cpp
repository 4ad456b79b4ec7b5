// The built-in constants table: loading it from its stream (done once when
// the language manager is made) and the lookup every message goes through.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "l10n/builtin_constants.h"
#include "l10n/dklang_constants.h"

namespace {

void BM_LoadBuiltinConstants(benchmark::State& state) {
  auto stream = zt::BuiltinConstantsStream();
  for (auto _ : state) {
    zt::TDKLang_Constants table;
    table.LoadFromStream(stream);
    benchmark::DoNotOptimize(table.Count());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * stream.size()));
}
BENCHMARK(BM_LoadBuiltinConstants);

void BM_LangConstLookup(benchmark::State& state) {
  zt::TDKLang_Constants table;
  table.LoadFromStream(zt::BuiltinConstantsStream());
  // Written in lower case, as callers may; the name sits in the middle of the table.
  const std::wstring name = L"td_save_changes";
  for (auto _ : state) benchmark::DoNotOptimize(table.LangConst(name));
}
BENCHMARK(BM_LangConstLookup);

// An outside stream with its records in reverse name order must still load in
// n log n: 20000 four-letter names.
void BM_LoadReversedStream(benchmark::State& state) {
  zt::TDKLang_Constants table;
  for (int i = 0; i < 20000; ++i) {
    std::wstring name = L"AAAA";
    for (int k = 3, v = i; k >= 0; --k, v /= 26) name[k] = static_cast<wchar_t>(L'A' + v % 26);
    table.Add(name, L"x");
  }
  auto sorted = table.SaveToStream();
  // Reverse the records: each is name (2 + 8 bytes) and value (2 + 2 bytes).
  constexpr std::size_t kRecord = 14;
  std::vector<std::uint8_t> reversed(sorted.begin(), sorted.begin() + 6);
  for (std::size_t at = sorted.size(); at > 6; at -= kRecord)
    reversed.insert(reversed.end(), sorted.begin() + (at - kRecord), sorted.begin() + at);
  for (auto _ : state) {
    zt::TDKLang_Constants loaded;
    loaded.LoadFromStream(reversed);
    benchmark::DoNotOptimize(loaded.Count());
  }
}
BENCHMARK(BM_LoadReversedStream);

}  // namespace

BENCHMARK_MAIN();
