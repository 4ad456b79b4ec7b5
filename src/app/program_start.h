#pragma once
// The process from its start to its end: probes, command line, the version
// gate, the splash, the main window and the message loop.
#include <string>
#include <vector>

#include "app/program_context.h"
#include "l10n/lang_const.h"
#include "platform/platform.h"
#include "services/console_sink.h"
#include "services/registry_access.h"
#include "ui/form.h"

namespace zt {

inline constexpr wchar_t kApplicationTitle[] = L"Zentory";
inline constexpr wchar_t kSettingsKey[] = L"Software\\Morrowlab\\Zentory\\3.1";

enum class StartOutcome {
  HelpShown,   // "/?" answered; end with code 0
  Refused,     // not Vista or 7; end with code 0
  ShowSplash,  // go on, with the splash (its 500 ms wait is done)
  NoSplash,    // go on, without the splash
};

// Runs the start-up up to the splash. `texts` are the built-in texts (no
// language file is active yet); `console` receives nothing here, since every
// read is silent, but the registry layer wants one. Throws
// std::runtime_error when the WOW64 query fails.
StartOutcome StartProgram(platform::Platform& platform, ProgramContext& context, const LangConstSource& texts,
                          ConsoleSink& console, const std::vector<std::wstring>& arguments);

// What the start-up needs of the window system (the Win32 binding in the
// program).
class ProgramWindows {
 public:
  virtual ~ProgramWindows() = default;
  // The form whose window has the task-bar button; its closing ends the loop.
  virtual void SetMainForm(ui::Form& form) = 0;
  // Creates the windows of the form and of all it holds.
  virtual void Realise(ui::Form& form) = 0;
  // Delivers the user's actions until the main form closes.
  virtual void RunMessageLoop() = 0;
};

// The splash option of the program settings: "NoSplash" reads 0, or is
// missing or unreadable.
bool ReadSplashEnabled(const RegistryAccess& registry);

// Creates the main window in `form` (hidden): its layout, its windows and
// the settings it loads. Its last step is the progress line of `splash`,
// when there is one and the settings enable it.
void CreateMainForm(ui::Form& form, platform::Platform& platform, ProgramContext& context,
                    const LangConstSource& texts, ConsoleSink& console, ProgramWindows& windows,
                    ui::Form* splash);

// The whole run; returns the process exit code. Throws what StartProgram
// throws.
int RunProgram(platform::Platform& platform, ProgramContext& context, const LangConstSource& texts,
               ConsoleSink& console, const std::vector<std::wstring>& arguments, ProgramWindows& windows);

}  // namespace zt
