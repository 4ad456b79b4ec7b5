#pragma once
// The windows that carry a language controller, with their layouts and
// ignore lists. The build walks this list to keep every window's committed
// translation IDs, its stored entries and the English template up to date.
#include <span>
#include <string_view>

#include "ui/layout.h"

namespace zt {

struct TranslatableWindow {
  std::wstring_view name;  // the window's Name: its section and its ID file
  ui::layout::Form (*layout)();
  std::span<const std::wstring_view> ignoreList;
};

std::span<const TranslatableWindow> TranslatableWindows();

}  // namespace zt
