#include "app/windows_version.h"

#include "app/program_context.h"

#include <stdexcept>

namespace zt {

std::uint8_t DetectWindowsVersion(platform::Session& session) {
  struct Row {
    std::uint32_t major, minor;
    std::uint8_t code;
  };
  static constexpr Row kCodes[] = {
      {4, 0, 1}, {4, 10, 2}, {4, 90, 3}, {5, 0, 4}, {5, 1, 5}, {5, 2, 6}, {6, 0, 7}, {6, 1, 8},
  };
  platform::OsVersionInfo info;
  if (!session.QueryVersion(info)) return kWindowsUnknown;
  for (const Row& row : kCodes)
    if (row.major == info.majorVersion && row.minor == info.minorVersion) return row.code;
  return kWindowsUnknown;
}

bool IsWow64(platform::Session& session) {
  switch (session.IsWow64Process()) {
    case platform::Wow64Answer::FunctionMissing:
    case platform::Wow64Answer::No:
      return false;
    case platform::Wow64Answer::Yes:
      return true;
    case platform::Wow64Answer::CallFailed:
      break;
  }
  throw std::runtime_error("IsWow64: bad process handle");
}

}  // namespace zt
