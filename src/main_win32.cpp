// The program entry: wires the real platform and runs the start-up.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <exception>
#include <string>
#include <vector>

#include "app/program_start.h"
#include "l10n/dklang_constants.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_session.h"
#include "services/console_lines.h"
#include "ui/win32/binding.h"

namespace {

std::vector<std::wstring> Arguments() {
  int count = 0;
  LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::vector<std::wstring> arguments;
  for (int i = 1; i < count; ++i) arguments.emplace_back(argv[i]);
  ::LocalFree(argv);
  return arguments;
}

// The start-up's windows are the binding's.
class BindingWindows : public zt::ProgramWindows {
 public:
  explicit BindingWindows(zt::ui::win32::Binding& binding) : binding_(binding) {}
  void SetMainForm(zt::ui::Form& form) override { binding_.SetMainForm(form); }
  void Realise(zt::ui::Form& form) override { binding_.Realise(form); }
  void RunMessageLoop() override { binding_.RunMessageLoop(); }

 private:
  zt::ui::win32::Binding& binding_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // System libraries looked up by name must never come from the program's
  // folder or the current directory.
  ::SetDllDirectoryW(L"");

  zt::platform::Win32Registry registry;
  zt::platform::Win32Session session;
  zt::platform::Win32Files files;
  zt::platform::Win32Dialogs dialogs;
  zt::platform::Win32Clock clock;
  zt::platform::Platform platform{registry, session, files, dialogs, clock};

  zt::TDKLang_Constants texts;
  texts.LoadFromResource(files, L"DKLANG_CONSTS");
  zt::ConsoleLines console;
  zt::ProgramContext context;
  // Outlives the windows it made, which go when the run ends.
  zt::ui::win32::Binding binding;
  BindingWindows windows(binding);
  try {
    return zt::RunProgram(platform, context, texts, console, Arguments(), windows);
  } catch (const std::exception& error) {
    std::string what = error.what();
    dialogs.ShowMessageBox(std::wstring(what.begin(), what.end()), zt::kApplicationTitle,
                           zt::platform::kMbOk | zt::platform::kMbIconError);
    return 1;
  }
}
