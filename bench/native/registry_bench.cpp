// A logged DWORD read on the fake, with its log flag clear and set, against
// the bare open, query and close it wraps.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/fake/fake_registry.h"
#include "services/console_sink.h"
#include "services/registry_access.h"

namespace {

using zt::platform::kHKeyCurrentUser;

const std::wstring kKey = L"Software\\Morrowlab\\Zentory\\3.1";
const std::wstring kName = L"ConsoleSpeed";

// Takes the entries and drops them, so that the figure is the formatting.
class DiscardingConsole : public zt::ConsoleSink {
 public:
  void ConsolePrint(const std::wstring& text) override { benchmark::DoNotOptimize(text.data()); }
};

class FixedTexts : public zt::LangConstSource {
 public:
  std::wstring LangConst(std::wstring_view name) const override { return std::wstring(name); }
};

struct Fixture {
  Fixture() { registry.SeedDword(kHKeyCurrentUser, kKey, kName, 3); }
  zt::platform::FakeRegistry registry;
  DiscardingConsole console;
  FixedTexts texts;
  zt::RegistryAccess access{registry, console, texts};
};

void BM_BareOpenQueryClose(benchmark::State& state) {
  Fixture f;
  for (auto _ : state) {
    zt::platform::RegKey key = 0;
    if (f.registry.OpenKey(kHKeyCurrentUser, kKey, 0, zt::platform::kKeyRead | zt::platform::kKeyWow64_64Key,
                           key) != zt::platform::kErrorSuccess) {
      state.SkipWithError("scratch key missing");
      break;
    }
    std::uint32_t type = 0;
    std::uint8_t bytes[4];
    std::uint32_t size = sizeof bytes;
    f.registry.QueryValue(key, kName, &type, bytes, &size);
    f.registry.CloseKey(key);
    benchmark::DoNotOptimize(bytes);
  }
}
BENCHMARK(BM_BareOpenQueryClose);

void BM_ReadRegDwordLogOff(benchmark::State& state) {
  Fixture f;
  for (auto _ : state) {
    benchmark::DoNotOptimize(zt::ReadRegDword(f.access, false, false, kHKeyCurrentUser, kKey, kName));
  }
}
BENCHMARK(BM_ReadRegDwordLogOff);

void BM_ReadRegDwordLogOn(benchmark::State& state) {
  Fixture f;
  for (auto _ : state) {
    benchmark::DoNotOptimize(zt::ReadRegDword(f.access, false, true, kHKeyCurrentUser, kKey, kName));
  }
}
BENCHMARK(BM_ReadRegDwordLogOn);

}  // namespace
