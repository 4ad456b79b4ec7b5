// Starts the real zentory.exe inside Wine and answers what it shows, as a
// person would: find its window, read it, press OK.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "e2e/program_runner.h"

namespace zt::e2e {
namespace {

// The program's message box, or null when the program ended or 20 s passed.
HWND WaitForMessageBox(const Running& program) {
  return WaitForWindow(
      program,
      [&] {
        return FindWindowOf(program.info.dwProcessId,
                            [](HWND window) { return ClassOf(window) == L"#32770"; });
      },
      20);
}

void PressOk(HWND box) {
  HWND ok = ::GetDlgItem(box, IDOK);
  ASSERT_NE(ok, nullptr);
  ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
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
  EXPECT_EQ(
      Normalised(MessageOf(box)),
      L"/startup - Startup Manager load first\n\n/uninst - Uninstall Manager load first\n\n/? - This Help");
  PressOk(box);
  EXPECT_EQ(WaitForExit(program), 0u);
}

TEST(ProgramStartE2E, StartsOnVistaAnd7AndRefusesEveryOtherWindows) {
  Running program;
  Launch(program, L"/uninst");
  HWND shown = WaitForWindow(
      program,
      [&] {
        return FindWindowOf(program.info.dwProcessId,
                            [](HWND window) { return ClassOf(window) == L"#32770" || IsMainWindow(window); });
      },
      60);
  ASSERT_NE(shown, nullptr) << "nothing shown";
  if (RunsOnVistaOr7()) {
    EXPECT_TRUE(IsMainWindow(shown)) << "unexpected box: "
                                     << std::string(MessageOf(shown).begin(), MessageOf(shown).end());
    ::PostMessageW(shown, WM_CLOSE, 0, 0);
  } else {
    ASSERT_EQ(ClassOf(shown), L"#32770") << "no refusal";
    EXPECT_EQ(TextOf(shown), L"Current Windows version is not supported");
    EXPECT_EQ(Normalised(MessageOf(shown)),
              L"The program is intended only for Windows Vista and Windows 7.\n"
              L"Unable to start the program on the current operating system.");
    PressOk(shown);
  }
  EXPECT_EQ(WaitForExit(program), 0u);
}

}  // namespace
}  // namespace zt::e2e
