#include "ui/win32/gdi_cache.h"

#include <map>

namespace zt::ui::win32 {

COLORREF ColorToRgb(std::uint32_t color) {
  if ((color & 0xFF000000u) == 0x80000000u) return ::GetSysColor(static_cast<int>(color & 0xFFu));
  return static_cast<COLORREF>(color & 0x00FFFFFFu);
}

HFONT FontFor(const FontKey& key) {
  static std::map<FontKey, HFONT> fonts;
  auto it = fonts.find(key);
  if (it != fonts.end()) return it->second;
  HFONT font = ::CreateFontW(key.height, 0, 0, 0, key.bold ? FW_BOLD : FW_NORMAL, key.italic, key.underline,
                             key.strikeOut, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, key.name.c_str());
  fonts.emplace(key, font);
  return font;
}

HBRUSH BrushFor(COLORREF rgb) {
  static std::map<COLORREF, HBRUSH> brushes;
  auto it = brushes.find(rgb);
  if (it != brushes.end()) return it->second;
  HBRUSH brush = ::CreateSolidBrush(rgb);
  brushes.emplace(rgb, brush);
  return brush;
}

}  // namespace zt::ui::win32
