#pragma once
// The two start-up probes every other part reads.
#include <cstdint>

#include "platform/session.h"

namespace zt {

// Maps the platform's major.minor to the program's version code (7 Vista,
// 8 Windows 7, 0 for anything it does not know).
std::uint8_t DetectWindowsVersion(platform::Session& session);

// True when this 32-bit process runs under WOW64; false when the system has
// no IsWow64Process. Throws std::runtime_error("IsWow64: bad process handle")
// when the query itself fails.
bool IsWow64(platform::Session& session);

}  // namespace zt
