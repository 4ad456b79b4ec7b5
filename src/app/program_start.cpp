#include "app/program_start.h"

#include <memory>

#include "app/command_line.h"
#include "app/main_form_layout.h"
#include "app/splash_form.h"
#include "app/windows_version.h"

namespace zt {

StartOutcome StartProgram(platform::Platform& platform, ProgramContext& context, const LangConstSource& texts,
                          ConsoleSink& console, const std::vector<std::wstring>& arguments) {
  context.WindowsVersion = DetectWindowsVersion(platform.session);
  context.Is64BitWindows = IsWow64(platform.session);

  CommandLine commandLine = ParseCommandLine(arguments);
  if (commandLine.showHelp) {
    platform.dialogs.ShowMessageBox(kCommandLineHelp, kApplicationTitle, platform::kMbOk);
    return StartOutcome::HelpShown;
  }
  context.StartPage = commandLine.startPage;

  if (context.WindowsVersion != kWindowsVista && context.WindowsVersion != kWindows7) {
    platform.dialogs.ShowMessageBox(
        texts.LangConst(L"PROGRAM_ONLY_FOR_XPVISTA7") + L"\r\n" + texts.LangConst(L"PROGRAM_NOT_START"),
        texts.LangConst(L"CURRENT_OS_NOT_SUPPORTED"), platform::kMbOk | platform::kMbIconError);
    return StartOutcome::Refused;
  }

  RegistryAccess registry{platform.registry, console, texts};
  if (PeekRegDword(registry, false, platform::kHKeyCurrentUser, kSettingsKey, L"NoSplash") == 1)
    return StartOutcome::NoSplash;
  platform.clock.Sleep(500);
  return StartOutcome::ShowSplash;
}

bool ReadSplashEnabled(const RegistryAccess& registry) {
  std::int32_t noSplash =
      PeekRegDword(registry, false, platform::kHKeyCurrentUser, kSettingsKey, L"NoSplash");
  return noSplash == 0 || noSplash == kRegNoKey || noSplash == kRegNoValue || noSplash == kRegError;
}

void CreateMainForm(ui::Form& form, platform::Platform& platform, ProgramContext& context,
                    const LangConstSource& texts, ConsoleSink& console, ProgramWindows& windows,
                    ui::Form* splash) {
  ui::layout::Build(form, MainFormLayout());
  windows.SetMainForm(form);
  windows.Realise(form);
  RegistryAccess registry{platform.registry, console, texts};
  context.SplashEnabled = ReadSplashEnabled(registry);
  if (context.SplashEnabled && splash) RunSplashProgressLine(*splash, platform.clock);
}

int RunProgram(platform::Platform& platform, ProgramContext& context, const LangConstSource& texts,
               ConsoleSink& console, const std::vector<std::wstring>& arguments, ProgramWindows& windows) {
  StartOutcome outcome = StartProgram(platform, context, texts, console, arguments);
  if (outcome == StartOutcome::HelpShown || outcome == StartOutcome::Refused) return 0;

  std::unique_ptr<ui::Form> splash;
  if (outcome == StartOutcome::ShowSplash) {
    splash = std::make_unique<ui::Form>();
    BuildSplashForm(*splash);
    windows.Realise(*splash);
    splash->Show();
    splash->Repaint();
  }
  ui::Form mainForm;
  CreateMainForm(mainForm, platform, context, texts, console, windows, splash.get());
  splash.reset();
  mainForm.Show();
  windows.RunMessageLoop();
  return 0;
}

}  // namespace zt
