#include <gtest/gtest.h>

#include <string>

#include "l10n/lang_text_escape.h"

namespace {

struct EscapeCase {
  const char* name;
  std::wstring text;
  std::wstring escaped;
};

TEST(LangTextEscape, EscapeText) {
  const EscapeCase cases[] = {
      {"plain", L"Hello, world", L"Hello, world"},
      {"tab", L"a\tb", L"a\\tb"},
      {"crlf", L"a\r\nb", L"a\\nb"},
      {"lfcr", L"a\n\rb", L"a\\nb"},
      {"lone cr", L"a\rb", L"a\\nb"},
      {"lone lf", L"a\nb", L"a\\nb"},
      {"two crlf", L"a\r\n\r\nb", L"a\\n\\nb"},
      {"cr cr", L"a\r\rb", L"a\\n\\nb"},
      {"backslash", L"C:\\dir", L"C:\\\\dir"},
      {"control", std::wstring(L"a") + wchar_t(1) + L"b" + wchar_t(0), L"a\\01b\\00"},
      {"code 31", std::wstring(1, wchar_t(31)), L"\\31"},
      {"blank stays", L" x ", L" x "},
      {"non-ascii", L"\u041f\u0440\u0438", L"\u041f\u0440\u0438"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(zt::EscapeText(c.text), c.escaped);
  }
}

TEST(LangTextEscape, UnescapeText) {
  const EscapeCase cases[] = {
      {"plain", L"Hello", L"Hello"},
      {"newline", L"one\\ntwo", L"one\r\ntwo"},
      {"tab", L"a\\tb", L"a\tb"},
      {"backslash", L"a\\\\b", L"a\\b"},
      {"backslash then n", L"\\\\n", L"\\n"},
      {"code 32 keeps blanks", L"\\32x\\32", L" x "},
      {"code 00", L"\\00", std::wstring(1, wchar_t(0))},
      {"code 99", L"\\99", L"c"},
      {"three digits take two", L"\\657", L"A7"},
      {"one digit stays", L"\\5x", L"\\5x"},
      {"upper N stays", L"\\N", L"\\N"},
      {"upper T stays", L"\\T", L"\\T"},
      {"other letter stays", L"\\q", L"\\q"},
      {"trailing backslash", L"abc\\", L"abc\\"},
      {"digit at end", L"\\3", L"\\3"},
      {"only backslash", L"\\", L"\\"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(zt::UnescapeText(c.text), c.escaped);
  }
}

TEST(LangTextEscape, UnescapeReversesEscape) {
  const std::wstring texts[] = {
      L"C:\\new\\table",  // backslashes before escape letters
      L"line\r\ntab\tend\\",
      std::wstring(L"ctl") + wchar_t(7) + L"57",  // a code followed by digits
      L"\\32 literal",
  };
  for (const auto& t : texts) EXPECT_EQ(zt::UnescapeText(zt::EscapeText(t)), t);
}

}  // namespace
