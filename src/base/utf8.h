#pragma once
// UTF-8 conversions for texts that come from or go to byte-oriented places
// (build-time sources, exception messages).
#include <cstddef>
#include <string>
#include <string_view>

namespace zt {

// Encodes a wide string; an unpaired surrogate becomes U+FFFD.
std::string ToUtf8(std::wstring_view text);

// Strict decoding: overlong forms, surrogates, code points above U+10FFFF and
// cut-off sequences are rejected. On failure returns false and sets
// errorOffset to the byte offset of the first bad sequence.
bool FromUtf8(std::string_view bytes, std::wstring& out, std::size_t& errorOffset);

}  // namespace zt
