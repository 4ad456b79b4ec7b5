#pragma once
// Starts the real zentory.exe inside Wine and finds what it shows, as a
// person would.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

namespace zt::e2e {

// ZT_ZENTORY_EXE (a Unix path) as Wine sees it.
inline std::wstring ProgramPath() {
  const char* unixPath = std::getenv("ZT_ZENTORY_EXE");
  if (!unixPath) return L"zentory.exe";
  std::wstring path = L"Z:";
  for (const char* p = unixPath; *p; ++p) path.push_back(*p == '/' ? L'\\' : static_cast<wchar_t>(*p));
  return path;
}

// A started program; ended by force if a test leaves it running.
struct Running {
  PROCESS_INFORMATION info{};
  ~Running() {
    if (info.hProcess) {
      if (::WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) ::TerminateProcess(info.hProcess, 99);
      ::CloseHandle(info.hProcess);
      ::CloseHandle(info.hThread);
    }
  }
};

inline void Launch(Running& program, const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + ProgramPath() + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  ASSERT_TRUE(::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &program.info))
      << "cannot start " << std::string(commandLine.begin(), commandLine.end());
}

struct WindowSearch {
  DWORD processId;
  const std::function<bool(HWND)>* match;
  HWND found;
};

inline BOOL CALLBACK VisitWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !::IsWindowVisible(window) || !(*search->match)(window)) return TRUE;
  search->found = window;
  return FALSE;
}

// A visible top-level window of the process that `match` accepts, or null.
inline HWND FindWindowOf(DWORD processId, const std::function<bool(HWND)>& match) {
  WindowSearch search{processId, &match, nullptr};
  ::EnumWindows(VisitWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Polls every 20 ms until `found` gives a window; null when the program
// ended or `seconds` passed. `each` sees every round.
inline HWND WaitForWindow(const Running& program, const std::function<HWND()>& found, int seconds,
                          const std::function<void()>& each = {}) {
  for (int i = 0; i < seconds * 50; ++i) {
    if (each) each();
    if (HWND window = found()) return window;
    if (::WaitForSingleObject(program.info.hProcess, 20) == WAIT_OBJECT_0) return nullptr;
  }
  return nullptr;
}

inline std::wstring TextOf(HWND window) {
  wchar_t buffer[1024] = {};
  ::GetWindowTextW(window, buffer, 1024);
  return buffer;
}

inline std::wstring ClassOf(HWND window) {
  wchar_t buffer[64] = {};
  ::GetClassNameW(window, buffer, 64);
  return buffer;
}

// The exit code, or 0xDEADBEEF when the program is still running after 20 s.
inline DWORD WaitForExit(const Running& program) {
  if (::WaitForSingleObject(program.info.hProcess, 20000) != WAIT_OBJECT_0) return 0xDEADBEEF;
  DWORD code = 0xDEADBEEF;
  ::GetExitCodeProcess(program.info.hProcess, &code);
  return code;
}

// The main window: caption "Zentory", and not a message box.
inline bool IsMainWindow(HWND window) { return TextOf(window) == L"Zentory" && ClassOf(window) != L"#32770"; }

inline bool RunsOnVistaOr7() {
  OSVERSIONINFOW os{};
  os.dwOSVersionInfoSize = sizeof(os);
  ::GetVersionExW(&os);
  return os.dwMajorVersion == 6 && (os.dwMinorVersion == 0 || os.dwMinorVersion == 1);
}

}  // namespace zt::e2e
