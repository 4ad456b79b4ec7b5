// How long zentory.exe takes to show its main window, splash off, against an
// empty window program (empty_window.exe): from CreateProcess to the moment
// the process's window and every visible child of it have been painted.
// Both programs lie beside this one; they are started the same way, in
// turns, in the same run. One "name value" line per figure.
//
// "Painted" is read from outside, so that neither program needs a hook: the
// window is visible and neither it nor a visible child has an update region
// left. Showing a window gives it one, and only painting takes it away.
#include <windows.h>

#include "bench_clock.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kRounds = 15;
constexpr double kTimeoutSeconds = 60;
constexpr wchar_t kSettingsKey[] = L"Software\\Morrowlab\\Zentory\\3.1";

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

std::wstring Beside(const wchar_t* name) {
  wchar_t self[MAX_PATH];
  DWORD length = ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path(self, length);
  return path.substr(0, path.find_last_of(L"\\/") + 1) + name;
}

bool KeyExists(const wchar_t* path) {
  HKEY key = nullptr;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  ::RegCloseKey(key);
  return true;
}

bool KeyIsEmpty(const wchar_t* path) {
  HKEY key = nullptr;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  DWORD subkeys = 1, values = 1;
  ::RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr, nullptr,
                     nullptr, nullptr);
  ::RegCloseKey(key);
  return subkeys == 0 && values == 0;
}

// "NoSplash" = 1 while the figures are taken; afterwards what was there,
// and the keys made for it go again when nothing else came into them.
class SplashOff {
 public:
  SplashOff() {
    for (std::size_t i = 0; i < kChain.size(); ++i) existed_[i] = KeyExists(kChain[i]);
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                          &key_, nullptr) != ERROR_SUCCESS) {
      key_ = nullptr;
      return;
    }
    DWORD size = sizeof(saved_);
    if (::RegQueryValueExW(key_, L"NoSplash", nullptr, &savedType_, saved_, &size) == ERROR_SUCCESS)
      savedSize_ = size;
    const DWORD one = 1;
    ::RegSetValueExW(key_, L"NoSplash", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), sizeof(one));
  }
  ~SplashOff() {
    if (!key_) return;
    if (savedSize_) {
      ::RegSetValueExW(key_, L"NoSplash", 0, savedType_, saved_, *savedSize_);
    } else {
      ::RegDeleteValueW(key_, L"NoSplash");
    }
    ::RegCloseKey(key_);
    for (std::size_t i = kChain.size(); i-- > 0;) {
      if (!existed_[i] && KeyIsEmpty(kChain[i])) ::RegDeleteKeyW(HKEY_CURRENT_USER, kChain[i]);
    }
  }
  bool Set() const { return key_ != nullptr; }

 private:
  static constexpr std::array<const wchar_t*, 3> kChain = {L"Software\\Morrowlab",
                                                           L"Software\\Morrowlab\\Zentory", kSettingsKey};
  HKEY key_ = nullptr;
  std::array<bool, 3> existed_{};
  DWORD savedType_ = 0;
  std::optional<DWORD> savedSize_;
  BYTE saved_[256] = {};
};

struct WindowSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK VisitWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !::IsWindowVisible(window)) return TRUE;
  search->found = window;
  return FALSE;
}

HWND VisibleWindowOf(DWORD processId) {
  WindowSearch search{processId, nullptr};
  ::EnumWindows(VisitWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

BOOL CALLBACK VisitChild(HWND child, LPARAM unpainted) {
  if (::IsWindowVisible(child) && ::GetUpdateRect(child, nullptr, FALSE)) {
    *reinterpret_cast<bool*>(unpainted) = true;
    return FALSE;
  }
  return TRUE;
}

bool Painted(HWND window) {
  if (::GetUpdateRect(window, nullptr, FALSE)) return false;
  bool unpainted = false;
  ::EnumChildWindows(window, VisitChild, reinterpret_cast<LPARAM>(&unpainted));
  return !unpainted;
}

// Seconds from CreateProcess to the first whole paint; nothing when the
// program ended, or timed out, without one. The program is ended after.
std::optional<double> TimeToFirstPaint(const std::wstring& program) {
  std::wstring commandLine = L"\"" + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  double start = Now();
  if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
    return std::nullopt;
  }
  std::optional<double> seconds;
  while (Now() - start < kTimeoutSeconds) {
    HWND window = VisibleWindowOf(process.dwProcessId);
    if (window && Painted(window)) {
      seconds = Now() - start;
      break;
    }
    if (::WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) break;
  }
  // Ended at once: closing would only add the time the windows take to go.
  ::TerminateProcess(process.hProcess, 0);
  ::WaitForSingleObject(process.hProcess, INFINITE);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return seconds;
}

}  // namespace

int main() {
  const std::wstring zentory = Beside(L"zentory.exe");
  const std::wstring empty = Beside(L"empty_window.exe");
  SplashOff splashOff;
  if (!splashOff.Set()) {
    std::fprintf(stderr, "cannot turn the splash off\n");
    return 1;
  }
  // One unmeasured start of each loads what both need into the caches.
  TimeToFirstPaint(zentory);
  TimeToFirstPaint(empty);

  std::vector<double> zentoryTimes, emptyTimes;
  for (int round = 0; round < kRounds; ++round) {
    std::optional<double> z = TimeToFirstPaint(zentory);
    std::optional<double> e = TimeToFirstPaint(empty);
    if (!z || !e) {
      std::fprintf(stderr, "%s showed no painted window\n", z ? "empty_window.exe" : "zentory.exe");
      return 1;
    }
    zentoryTimes.push_back(*z * 1000);
    emptyTimes.push_back(*e * 1000);
  }
  // Medians, and the fastest starts too: on a shared machine the fastest is
  // the one least disturbed by others.
  double zentoryMs = Median(zentoryTimes);
  double emptyMs = Median(emptyTimes);
  double zentoryMin = *std::min_element(zentoryTimes.begin(), zentoryTimes.end());
  double emptyMin = *std::min_element(emptyTimes.begin(), emptyTimes.end());
  std::printf("empty_window_start_to_paint_ms %.1f\n", emptyMs);
  std::printf("zentory_start_to_paint_ms %.1f\n", zentoryMs);
  std::printf("ratio_zentory_to_empty_window %.3f\n", zentoryMs / emptyMs);
  std::printf("empty_window_fastest_ms %.1f\n", emptyMin);
  std::printf("zentory_fastest_ms %.1f\n", zentoryMin);
  std::printf("ratio_fastest_zentory_to_empty_window %.3f\n", zentoryMin / emptyMin);
  return 0;
}
