#include "app/program_start.h"

#include "app/command_line.h"
#include "app/windows_version.h"
#include "services/registry_access.h"

namespace zt {

StartOutcome StartProgram(platform::Platform& platform, ProgramContext& context,
                          const LangConstSource& texts, ConsoleSink& console,
                          const std::vector<std::wstring>& arguments) {
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

}  // namespace zt
