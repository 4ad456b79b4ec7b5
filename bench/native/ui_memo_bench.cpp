// Appending console lines to a memo that already holds 100 or 100,000 lines:
// the cost per line must not grow with the log.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "ui/memo.h"

namespace {

constexpr int kBatch = 1000;

void BM_MemoAppend(benchmark::State& state) {
  const std::wstring line = L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
  for (auto _ : state) {
    state.PauseTiming();
    auto memo = std::make_unique<zt::ui::Memo>();
    for (int i = 0; i < state.range(0); ++i) memo->Lines().Add(line);
    state.ResumeTiming();
    for (int i = 0; i < kBatch; ++i) memo->Lines().Add(line);
    benchmark::DoNotOptimize(memo->TextLength());
    state.PauseTiming();
    memo.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * kBatch);
}
BENCHMARK(BM_MemoAppend)->Arg(100)->Arg(100000);

}  // namespace
