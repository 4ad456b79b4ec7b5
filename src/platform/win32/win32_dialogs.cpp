#include "platform/win32/win32_dialogs.h"

#include <windows.h>

namespace zt::platform {

int Win32Dialogs::ShowMessageBox(std::wstring_view text, std::wstring_view caption, std::uint32_t style) {
  // Owned by the active window of this thread, as the application's boxes are.
  return ::MessageBoxW(::GetActiveWindow(), std::wstring(text).c_str(), std::wstring(caption).c_str(),
                       style);
}

}  // namespace zt::platform
