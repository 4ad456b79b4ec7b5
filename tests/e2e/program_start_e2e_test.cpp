// Starts the real zentory.exe inside Wine and answers what it shows, as a
// person would: find its window, read it, press OK.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

std::wstring ProgramPath() {
  const char* unixPath = std::getenv("ZT_ZENTORY_EXE");
  if (!unixPath) return L"zentory.exe";
  std::wstring path = L"Z:";
  for (const char* p = unixPath; *p; ++p) path.push_back(*p == '/' ? L'\\' : static_cast<wchar_t>(*p));
  return path;
}

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

void Launch(Running& program, const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + ProgramPath() + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  ASSERT_TRUE(::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &program.info))
      << "cannot start " << std::string(commandLine.begin(), commandLine.end());
}

struct Search {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  wchar_t className[64];
  if (owner == search->processId && ::IsWindowVisible(window) &&
      ::GetClassNameW(window, className, 64) && std::wstring(className) == L"#32770") {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// The program's message box, or null when the program ended or 20 s passed.
HWND WaitForMessageBox(const Running& program) {
  for (int i = 0; i < 400; ++i) {
    Search search{program.info.dwProcessId, nullptr};
    ::EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    if (::WaitForSingleObject(program.info.hProcess, 50) == WAIT_OBJECT_0) return nullptr;
  }
  return nullptr;
}

std::wstring TextOf(HWND window) {
  wchar_t buffer[1024] = {};
  ::GetWindowTextW(window, buffer, 1024);
  return buffer;
}

DWORD WaitForExit(const Running& program) {
  if (::WaitForSingleObject(program.info.hProcess, 20000) != WAIT_OBJECT_0) return 0xDEADBEEF;
  DWORD code = 0xDEADBEEF;
  ::GetExitCodeProcess(program.info.hProcess, &code);
  return code;
}

void PressOk(HWND box) {
  HWND ok = ::GetDlgItem(box, IDOK);
  ASSERT_NE(ok, nullptr);
  ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
}

bool RunsOnVistaOr7() {
  OSVERSIONINFOW os{};
  os.dwOSVersionInfoSize = sizeof(os);
  ::GetVersionExW(&os);
  return os.dwMajorVersion == 6 && (os.dwMinorVersion == 0 || os.dwMinorVersion == 1);
}

// The message box's text is its static control, id 0xFFFF.
std::wstring MessageOf(HWND box) { return TextOf(::GetDlgItem(box, 0xFFFF)); }

std::wstring Normalised(std::wstring text) {
  std::wstring out;
  for (wchar_t c : text)
    if (c != L'\r') out.push_back(c);
  return out;
}

TEST(ProgramStartE2E, HelpShowsTheArgumentsAndEndsWithZero) {
  Running program;
  Launch(program, L"/startup /?");
  HWND box = WaitForMessageBox(program);
  ASSERT_NE(box, nullptr) << "no message box";
  EXPECT_EQ(TextOf(box), L"Zentory");
  EXPECT_EQ(Normalised(MessageOf(box)),
            L"/startup - Startup Manager load first\n\n/uninst - Uninstall Manager load first\n\n/? - This Help");
  PressOk(box);
  EXPECT_EQ(WaitForExit(program), 0u);
}

TEST(ProgramStartE2E, StartsOnVistaAnd7AndRefusesEveryOtherWindows) {
  Running program;
  Launch(program, L"/uninst");
  HWND box = WaitForMessageBox(program);
  if (RunsOnVistaOr7()) {
    EXPECT_EQ(box, nullptr) << "unexpected box: " << std::string(MessageOf(box).begin(), MessageOf(box).end());
  } else {
    ASSERT_NE(box, nullptr) << "no refusal";
    EXPECT_EQ(TextOf(box), L"Current Windows version is not supported");
    EXPECT_EQ(Normalised(MessageOf(box)),
              L"The program is intended only for Windows Vista and Windows 7.\n"
              L"Unable to start the program on the current operating system.");
    PressOk(box);
  }
  EXPECT_EQ(WaitForExit(program), 0u);
}

}  // namespace
