// Reading a language file must stay close to linear in its size, even when
// its constants and property IDs come in reverse order: a 10 MB file should
// cost some ten to twenty times a 1 MB one (caches make up the rest), far
// from the hundredfold of inserting each entry in place (see ratios.txt).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/utf16.h"
#include "l10n/lang_file.h"
#include "platform/fake/fake_session.h"

namespace {

// About `megabytes` MB of UTF-16LE: one form section and the constants
// section, each with its entries in descending order.
std::vector<std::uint8_t> ReversedFile(int megabytes) {
  const std::size_t target = static_cast<std::size_t>(megabytes) << 20;
  const std::wstring text = L"A translated caption of some length\\n";
  // An entry is about 10 characters besides its text, in each of the two sections.
  const int entries = static_cast<int>(target / (2 * 2 * (10 + text.size())));
  std::wstring file = L"LANGID=1049\r\n\r\n[MainForm]\r\n";
  for (int id = entries; id >= 1; --id) file += std::to_wstring(id) + L"=" + text + L"\r\n";
  file += L"\r\n[$CONSTANTS]\r\n";
  for (int n = entries; n >= 1; --n) file += L"C" + std::to_wstring(n) + L"=" + text + L"\r\n";
  std::vector<std::uint8_t> bytes{0xFF, 0xFE};
  auto units = zt::ToUtf16LeBytes(file);
  bytes.insert(bytes.end(), units.begin(), units.end());
  return bytes;
}

void BM_LoadReversedLangFile(benchmark::State& state) {
  const auto file = ReversedFile(static_cast<int>(state.range(0)));
  zt::platform::FakeSession session;
  for (auto _ : state) {
    zt::TDKLang_CompTranslations t(session);
    t.Text_LoadFromStream(file);
    benchmark::DoNotOptimize(t.Constants().Count());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_LoadReversedLangFile)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace
