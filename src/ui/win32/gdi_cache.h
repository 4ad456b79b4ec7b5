#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

namespace zt::ui::win32 {

// A colour as the model stores it: 0x00BBGGRR, or a system colour as
// 0x80000000 | COLOR_xxx.
COLORREF ColorToRgb(std::uint32_t color);

struct FontKey {
  std::wstring name;
  int height = 0;  // logical units; negative is the character height
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  auto operator<=>(const FontKey&) const = default;
};

// Fonts and brushes live as long as the process: a window set lists a few
// dozen of each, and controls keep selecting the same ones.
HFONT FontFor(const FontKey& key);
HBRUSH BrushFor(COLORREF rgb);

}  // namespace zt::ui::win32
