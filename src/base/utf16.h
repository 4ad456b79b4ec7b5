#pragma once
// Explicit UTF-16 conversions, so that data defined in UTF-16 units or bytes
// means the same in the native build (32-bit wchar_t) and on Windows.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zt {

// UTF-16 code units of a wide string (surrogate pairs where wchar_t is 32-bit).
std::u16string ToUtf16(std::wstring_view text);
std::wstring FromUtf16(std::u16string_view units);

// Little-endian bytes of the UTF-16 units, without a terminator.
std::vector<std::uint8_t> ToUtf16LeBytes(std::wstring_view text);
// Decodes little-endian UTF-16 bytes; an odd last byte is dropped.
std::wstring FromUtf16LeBytes(const std::uint8_t* data, std::size_t size);

// Number of UTF-16 code units a wide string takes.
std::size_t Utf16Length(std::wstring_view text);

}  // namespace zt
