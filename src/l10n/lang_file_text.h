#pragma once
// Text rules shared by the language-file code: names (component and constant
// names, file parameters) are identifiers, so only ASCII letters fold; numbers
// are decimal.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zt {

inline wchar_t UpperAscii(wchar_t c) { return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - 32) : c; }

inline std::wstring UpperAscii(std::wstring_view text) {
  std::wstring out(text);
  for (auto& c : out) c = UpperAscii(c);
  return out;
}

inline bool SameTextAscii(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
  return true;
}

// Decimal digits with an optional sign, within 32 bits; none otherwise.
inline std::optional<std::int32_t> ParseInt32(std::wstring_view text) {
  bool negative = !text.empty() && text[0] == L'-';
  if (!text.empty() && (text[0] == L'-' || text[0] == L'+')) text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  long long n = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return std::nullopt;
    n = n * 10 + (c - L'0');
    if (n > 2147483648LL) return std::nullopt;
  }
  if (negative) n = -n;
  if (n > 2147483647LL) return std::nullopt;
  return static_cast<std::int32_t>(n);
}

}  // namespace zt
