#pragma once
#include "platform/dialogs.h"

namespace zt::platform {

class Win32Dialogs : public Dialogs {
 public:
  int ShowMessageBox(std::wstring_view text, std::wstring_view caption, std::uint32_t style) override;
};

}  // namespace zt::platform
