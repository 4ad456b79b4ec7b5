#pragma once
// Process-wide values: set once at start (or by Apply) and read everywhere.
// The program entry owns the one instance; tests build fresh ones.
#include <cstdint>

namespace zt {

// Windows version codes of DetectWindowsVersion.
inline constexpr std::uint8_t kWindowsUnknown = 0;
inline constexpr std::uint8_t kWindowsVista = 7;
inline constexpr std::uint8_t kWindows7 = 8;

// StartPage values.
inline constexpr std::int32_t kStartPageNone = 0;
inline constexpr std::int32_t kStartPageStartup = 10;
inline constexpr std::int32_t kStartPageUninstall = 20;

struct ProgramContext {
  std::uint8_t WindowsVersion = kWindowsUnknown;
  bool Is64BitWindows = false;
  std::int32_t StartPage = kStartPageNone;
  // The program settings' splash option: the splash runs its progress line.
  bool SplashEnabled = false;
};

}  // namespace zt
