#include "base/utf16.h"

namespace zt {

std::u16string ToUtf16(std::wstring_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (wchar_t c : text) {
    auto cp = static_cast<std::uint32_t>(c);
    if constexpr (sizeof(wchar_t) == 4) {
      if (cp >= 0x10000 && cp <= 0x10FFFF) {
        cp -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        continue;
      }
    }
    out.push_back(static_cast<char16_t>(cp));
  }
  return out;
}

std::wstring FromUtf16(std::u16string_view units) {
  std::wstring out;
  out.reserve(units.size());
  for (std::size_t i = 0; i < units.size(); ++i) {
    std::uint32_t u = units[i];
    if constexpr (sizeof(wchar_t) == 4) {
      if (u >= 0xD800 && u < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
          units[i + 1] < 0xE000) {
        u = 0x10000 + ((u - 0xD800) << 10) + (units[i + 1] - 0xDC00);
        ++i;
      }
    }
    out.push_back(static_cast<wchar_t>(u));
  }
  return out;
}

std::vector<std::uint8_t> ToUtf16LeBytes(std::wstring_view text) {
  std::vector<std::uint8_t> out;
  for (char16_t u : ToUtf16(text)) {
    out.push_back(static_cast<std::uint8_t>(u & 0xFF));
    out.push_back(static_cast<std::uint8_t>(u >> 8));
  }
  return out;
}

std::wstring FromUtf16LeBytes(const std::uint8_t* data, std::size_t size) {
  std::u16string units;
  units.reserve(size / 2);
  for (std::size_t i = 0; i + 1 < size; i += 2)
    units.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
  return FromUtf16(units);
}

std::size_t Utf16Length(std::wstring_view text) {
  if constexpr (sizeof(wchar_t) == 2) {
    return text.size();
  } else {
    std::size_t n = 0;
    for (wchar_t c : text) {
      std::uint32_t cp = static_cast<std::uint32_t>(c);
      n += cp >= 0x10000 ? 2 : 1;
    }
    return n;
  }
}

}  // namespace zt
