#pragma once
// The program's command line: "/startup", "/uninst" and "/?".
#include <cstdint>
#include <string>
#include <vector>

namespace zt {

inline constexpr wchar_t kCommandLineHelp[] =
    L"/startup - Startup Manager load first\n\n/uninst - Uninstall Manager load first\n\n/? - This Help";

struct CommandLine {
  bool showHelp = false;  // "/?" seen: nothing after it counts
  std::int32_t startPage = 0;
};

// Reads the arguments (without the program name) in order, each compared
// lower-cased and exactly; unknown arguments are ignored, the later of
// "/startup" and "/uninst" wins.
CommandLine ParseCommandLine(const std::vector<std::wstring>& arguments);

}  // namespace zt
