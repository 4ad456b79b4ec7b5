#include <gtest/gtest.h>

#include <string>

#include "l10n/constants_source.h"

namespace {

TEST(ConstantsSource, ParsesLinesCommentsAndEscapes) {
  auto t = zt::ParseConstantsSource(
      "\xEF\xBB\xBF; a comment\r\n"
      "\r\n"
      "  NO_KEY =  no key:  \r\n"
      "   ; indented comment\n"
      "PADDED=\\32both ends\\32\n"
      "TWO_LINES=One.\\n\\nTwo.\n"
      "EQUALS=a=b\n"
      "EMPTY=\n"
      "CYR=\xD0\x9F\xD1\x80\xD0\xB8 \xE2\x82\xAC\n"
      "PATH=C:\\\\Windows\\Temp");
  ASSERT_EQ(t.Count(), 7);
  EXPECT_EQ(t.LangConst(L"NO_KEY"), L"no key:");
  EXPECT_EQ(t.LangConst(L"PADDED"), L" both ends ");
  EXPECT_EQ(t.LangConst(L"TWO_LINES"), L"One.\r\n\r\nTwo.");
  EXPECT_EQ(t.LangConst(L"EQUALS"), L"a=b");
  EXPECT_EQ(t.LangConst(L"EMPTY"), L"");
  EXPECT_EQ(t.LangConst(L"CYR"), L"\u041f\u0440\u0438 \u20ac");
  EXPECT_EQ(t.LangConst(L"PATH"), L"C:\\Windows\\Temp");
  EXPECT_TRUE(t.AutoSaveLangSource());
}

TEST(ConstantsSource, FaultsNameTheirLine) {
  struct Case {
    const char* name;
    std::string source;
    std::size_t line;
    std::wstring reason;
  } cases[] = {
      {"invalid UTF-8", "A=a\n; c\nB=\xC3\x28\n", 3, L"invalid UTF-8 at column 3"},
      {"no equals sign", "A=a\r\nJUST TEXT\r\n", 2, L"expected NAME=text"},
      {"digit first", "\n1ST=x", 2, L"Invalid constant name (\"1ST\")"},
      {"empty name", "=x", 1, L"Invalid constant name (\"\")"},
      {"duplicate in other case", "ERR=a\nerr=b\n", 2, L"Duplicate constant name (\"err\")"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      zt::ParseConstantsSource(c.source);
      ADD_FAILURE() << "no error";
    } catch (const zt::ConstantsSourceError& e) {
      EXPECT_EQ(e.Line(), c.line);
      EXPECT_EQ(e.Reason(), c.reason);
      EXPECT_EQ(e.Message(), L"line " + std::to_wstring(c.line) + L": " + c.reason);
    }
  }
}

}  // namespace
