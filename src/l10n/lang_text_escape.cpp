#include "l10n/lang_text_escape.h"

#include <cstdint>

namespace zt {

namespace {

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

}  // namespace

std::wstring EscapeText(std::wstring_view text) {
  std::wstring out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    wchar_t c = text[i];
    if (c == L'\r' || c == L'\n') {
      // A CR LF or LF CR pair is one line break.
      if (i + 1 < text.size() && (text[i + 1] == L'\r' || text[i + 1] == L'\n') && text[i + 1] != c) ++i;
      out += L"\\n";
    } else if (c == L'\t') {
      out += L"\\t";
    } else if (c == L'\\') {
      out += L"\\\\";
    } else if (static_cast<std::uint32_t>(c) < 32) {
      auto code = static_cast<std::uint32_t>(c);
      out.push_back(L'\\');
      out.push_back(static_cast<wchar_t>(L'0' + code / 10));
      out.push_back(static_cast<wchar_t>(L'0' + code % 10));
    } else {
      out.push_back(c);
    }
  }
  return out;
}

std::wstring UnescapeText(std::wstring_view text) {
  std::wstring out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    wchar_t c = text[i];
    if (c != L'\\' || i + 1 == text.size()) {
      out.push_back(c);
      continue;
    }
    wchar_t next = text[i + 1];
    if (next == L'\\') {
      out.push_back(L'\\');
      ++i;
    } else if (next == L'n') {
      out += L"\r\n";
      ++i;
    } else if (next == L't') {
      out.push_back(L'\t');
      ++i;
    } else if (IsDigit(next) && i + 2 < text.size() && IsDigit(text[i + 2])) {
      out.push_back(static_cast<wchar_t>((next - L'0') * 10 + (text[i + 2] - L'0')));
      i += 2;
    } else {
      out.push_back(c);
    }
  }
  return out;
}

}  // namespace zt
