// What the logged DWORD read costs on the real registry, against the bare
// open, query and close it is made of. One "name value" line per figure.
#include <windows.h>

#include "bench_clock.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/win32/win32_registry.h"
#include "services/console_sink.h"
#include "services/registry_access.h"

namespace {

using zt::platform::kHKeyCurrentUser;

constexpr int kCalls = 4000;
constexpr int kRounds = 9;

// Takes the entries and drops them, so that the figure is the formatting.
class DiscardingConsole : public zt::ConsoleSink {
 public:
  void ConsolePrint(const std::wstring& text) override { characters_ += text.size(); }
  std::size_t Characters() const { return characters_; }

 private:
  std::size_t characters_ = 0;
};

class FixedTexts : public zt::LangConstSource {
 public:
  std::wstring LangConst(std::wstring_view name) const override { return std::wstring(name); }
};

template <typename Body>
double NanosecondsPerCall(Body body) {
  double start = Now();
  for (int i = 0; i < kCalls; ++i) body();
  return (Now() - start) * 1e9 / kCalls;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main() {
  zt::platform::Win32Registry registry;
  DiscardingConsole console;
  FixedTexts texts;
  zt::RegistryAccess access{registry, console, texts};
  const std::wstring key = L"Software\\ZentoryTests\\bench-" + std::to_wstring(::GetCurrentProcessId());
  const std::wstring name = L"Value";

  if (zt::PokeRegDword(access, false, kHKeyCurrentUser, key, name, 42) != 0) {
    std::fprintf(stderr, "cannot write the scratch value\n");
    return 1;
  }

  volatile std::int32_t sink = 0;
  auto bare = [&] {
    zt::platform::RegKey opened = 0;
    if (registry.OpenKey(kHKeyCurrentUser, key, 0, zt::platform::kKeyRead | zt::platform::kKeyWow64_64Key,
                         opened) != zt::platform::kErrorSuccess) {
      return;
    }
    std::uint32_t type = 0;
    std::uint8_t bytes[4];
    std::uint32_t size = sizeof bytes;
    registry.QueryValue(opened, name, &type, bytes, &size);
    registry.CloseKey(opened);
    sink = bytes[0];
  };
  auto logOff = [&] { sink = zt::ReadRegDword(access, false, false, kHKeyCurrentUser, key, name); };
  auto logOn = [&] { sink = zt::ReadRegDword(access, false, true, kHKeyCurrentUser, key, name); };

  for (int i = 0; i < kCalls / 4; ++i) bare(), logOff(), logOn();  // warm the server and the caches

  std::vector<double> bareTimes, offTimes, onTimes;
  for (int round = 0; round < kRounds; ++round) {
    bareTimes.push_back(NanosecondsPerCall(bare));
    offTimes.push_back(NanosecondsPerCall(logOff));
    onTimes.push_back(NanosecondsPerCall(logOn));
  }
  zt::DeleteRegKey(access, false, kHKeyCurrentUser, key);
  // Fails, as it should, while other scratch keys are still there.
  registry.DeleteKeyEx(kHKeyCurrentUser, L"Software\\ZentoryTests", zt::platform::kKeyWow64_64Key);

  double bareNs = Median(bareTimes);
  double offNs = Median(offTimes);
  double onNs = Median(onTimes);
  std::printf("bare_open_query_close_ns %.0f\n", bareNs);
  std::printf("read_dword_log_off_ns %.0f\n", offNs);
  std::printf("read_dword_log_on_ns %.0f\n", onNs);
  std::printf("ratio_log_off_to_bare %.3f\n", offNs / bareNs);
  std::printf("ratio_log_on_to_bare %.3f\n", onNs / bareNs);
  return sink == 42 && console.Characters() > 0 ? 0 : 1;
}
