#include "app/translatable_windows.h"

#include <array>

#include "app/main_form_layout.h"
#include "app/main_form_translation.h"

namespace zt {

std::span<const TranslatableWindow> TranslatableWindows() {
  static const std::array<TranslatableWindow, 1> windows = {{
      {L"MainForm", &MainFormLayout, kMainFormIgnoreList},
  }};
  return windows;
}

}  // namespace zt
