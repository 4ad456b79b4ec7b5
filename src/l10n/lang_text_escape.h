#pragma once
// The escapes of texts in language files and in the constants source:
// "\\", "\n" (CR LF), "\t" and a backslash with two decimal digits.
#include <string>
#include <string_view>

namespace zt {

// TAB -> "\t"; CR LF, LF CR, a lone CR or LF -> "\n"; backslash -> "\\"; any
// other character below 32 -> backslash and its two-digit decimal code.
std::wstring EscapeText(std::wstring_view text);

// The reverse of EscapeText; a backslash that starts no escape stays as it is.
std::wstring UnescapeText(std::wstring_view text);

}  // namespace zt
