#include "platform/win32/win32_clock.h"

#include <windows.h>

namespace zt::platform {

void Win32Clock::Sleep(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

}  // namespace zt::platform
