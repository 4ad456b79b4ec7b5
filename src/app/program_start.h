#pragma once
// The first steps of the process: probes, command line, the version gate
// and the splash decision.
#include <string>
#include <vector>

#include "app/program_context.h"
#include "l10n/lang_const.h"
#include "platform/platform.h"
#include "services/console_sink.h"

namespace zt {

inline constexpr wchar_t kApplicationTitle[] = L"Zentory";
inline constexpr wchar_t kSettingsKey[] = L"Software\\Morrowlab\\Zentory\\3.1";

enum class StartOutcome {
  HelpShown,     // "/?" answered; end with code 0
  Refused,       // not Vista or 7; end with code 0
  ShowSplash,    // go on, with the splash (its 500 ms wait is done)
  NoSplash,      // go on, without the splash
};

// Runs the start-up up to the splash. `texts` are the built-in texts (no
// language file is active yet); `console` receives nothing here, since every
// read is silent, but the registry layer wants one. Throws
// std::runtime_error when the WOW64 query fails.
StartOutcome StartProgram(platform::Platform& platform, ProgramContext& context,
                          const LangConstSource& texts, ConsoleSink& console,
                          const std::vector<std::wstring>& arguments);

}  // namespace zt
