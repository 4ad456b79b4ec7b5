#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "services/console_lines.h"

namespace zt {
namespace {

TEST(ConsoleLines, EachPrintSplitsAtCrLfThenAddsSeparator) {
  struct Row {
    const char* name;
    std::wstring text;
    std::vector<std::wstring> lines;
  };
  const std::vector<Row> rows = {
      {"two lines", L"first\r\nsecond", {L"first", L"second", L"--"}},
      {"one line", L"only", {L"only", L"--"}},
      {"empty text", L"", {L"", L"--"}},
      {"trailing break", L"a\r\n", {L"a", L"", L"--"}},
      {"lone LF and CR stay in the line", L"a\nb\rc", {L"a\nb\rc", L"--"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ConsoleLines console;
    console.ConsolePrint(row.text);
    EXPECT_EQ(console.Lines(), row.lines);
  }
}

TEST(ConsoleLines, PrintsAccumulate) {
  ConsoleLines console;
  console.ConsolePrint(L"a\r\nb");
  console.ConsolePrint(L"c");
  EXPECT_EQ(console.Lines(), (std::vector<std::wstring>{L"a", L"b", L"--", L"c", L"--"}));
}

}  // namespace
}  // namespace zt
