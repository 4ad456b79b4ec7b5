// Memo lines, the whole text with CR LF, and selections over it.
#include <gtest/gtest.h>

#include "ui/kinds.h"
#include "ui/testing/fake_host.h"

namespace zt::ui {
namespace {

TEST(UiMemo, LinesAndTextAgree) {
  struct Case {
    const char* name;
    std::function<void(Memo&)> fill;
    std::vector<std::wstring> lines;
    std::wstring text;
  };
  const Case cases[] = {
      {"empty", [](Memo&) {}, {}, L""},
      {"added lines end with CR LF",
       [](Memo& m) {
         m.Lines().Add(L"a");
         m.Lines().Add(L"b");
       },
       {L"a", L"b"},
       L"a\r\nb\r\n"},
      {"an added text with CR LF makes several lines",
       [](Memo& m) {
         m.Lines().Add(L"Zentory [1]\r\n\r\nWindows 7\r\n");
         m.Lines().Add(L"--");
       },
       {L"Zentory [1]", L"", L"Windows 7", L"", L"--"},
       L"Zentory [1]\r\n\r\nWindows 7\r\n\r\n--\r\n"},
      {"text without final break", [](Memo& m) { m.SetText(L"a\r\nb"); }, {L"a", L"b"}, L"a\r\nb"},
      {"add after a text without final break",
       [](Memo& m) {
         m.SetText(L"a");
         m.Lines().Add(L"b");
       },
       {L"a", L"b"},
       L"a\r\nb"},
      {"add of a text ending in CR LF there",
       [](Memo& m) {
         m.SetText(L"a");
         m.Lines().Add(L"b\r\n");
       },
       {L"a", L"b"},
       L"a\r\nb\r\n"},
      {"a lone LF is no line break", [](Memo& m) { m.SetText(L"a\nb"); }, {L"a\nb"}, L"a\nb"},
      {"cleared",
       [](Memo& m) {
         m.Lines().Add(L"a");
         m.Lines().Clear();
       },
       {},
       L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Memo memo;
    c.fill(memo);
    std::vector<std::wstring> lines;
    for (int i = 0; i < memo.Lines().Count(); ++i) lines.push_back(memo.Lines()[i]);
    EXPECT_EQ(lines, c.lines);
    EXPECT_EQ(memo.Text(), c.text);
    EXPECT_EQ(memo.Lines().Text(), c.text);
    EXPECT_EQ(memo.TextLength(), c.text.size());
  }
}

TEST(UiMemo, SelectionCountsOverTheWholeTextWithCrLf) {
  Memo memo;
  memo.Lines().Add(L"Writing DWORD");
  memo.Lines().Add(L"HKEY_LOCAL_MACHINE\\SOFTWARE");
  memo.Lines().Add(L"--");

  memo.SetSelection(15, 18);
  EXPECT_EQ(memo.SelText(), L"HKEY_LOCAL_MACHINE");
  memo.SetSelection(11, 6);
  EXPECT_EQ(memo.SelText(), L"RD\r\nHK") << "a selection across a line break includes it";
  memo.SetSelection(60, 10);
  EXPECT_EQ(memo.SelStart(), 48) << "clamped to the end of the text";
  EXPECT_EQ(memo.SelLength(), 0);
  EXPECT_EQ(memo.SelText(), L"");
}

TEST(UiMemo, PositionsAreUtf16UnitsAsInTheWindow) {
  Memo memo;
  memo.SetText(L"\U0001F600x\r\nHKEY");  // the emoji takes two units on Windows
  EXPECT_EQ(memo.TextLength(), 9u);
  memo.SetSelection(5, 4);
  EXPECT_EQ(memo.SelText(), L"HKEY");
  memo.SetSelection(0, 2);
  EXPECT_EQ(memo.SelText(), L"\U0001F600");
}

TEST(UiMemo, AddMovesTheCaretToTheEndAndFiresOnChange) {
  Memo memo;
  int changes = 0;
  memo.OnChange = [&] { ++changes; };
  memo.SetText(L"first");
  memo.SetSelection(0, 5);
  memo.Lines().Add(L"second");
  EXPECT_EQ(memo.SelStart(), static_cast<int>(memo.TextLength()));
  EXPECT_EQ(memo.SelLength(), 0);
  EXPECT_EQ(changes, 2);
  memo.Lines().Clear();
  memo.Lines().Clear();
  EXPECT_EQ(changes, 3) << "clearing an empty memo changes nothing";
}

TEST(UiMemo, ViewCanAppendJustTheTail) {
  testing::RecordingView view;
  Memo memo;
  memo.SetView(&view);
  memo.Lines().Add(L"one");
  std::size_t before = memo.TextLength();
  memo.Lines().Add(L"two\r\nthree");

  ASSERT_FALSE(view.changes.empty());
  const Change& added = view.changes[view.changes.size() - 2].change;
  EXPECT_EQ(added.property, Property::Lines);
  EXPECT_EQ(added.list, ListChange::Inserted);
  EXPECT_EQ(added.index, 1);
  EXPECT_EQ(added.count, 2);
  EXPECT_EQ(memo.TextTail(memo.TextLength() - before), L"two\r\nthree\r\n");
  EXPECT_EQ(memo.TextTail(1000), memo.Text());
}

TEST(UiMemo, ScrollGoesThroughTheHost) {
  Form form;
  testing::FakeHost host;
  form.SetHost(&host);
  auto& console = form.Create<Memo>(L"Console");
  console.ScrollLines(-1);
  ASSERT_EQ(host.scrolls.size(), 1u);
  EXPECT_EQ(host.scrolls[0].memo, L"Console");
  EXPECT_EQ(host.scrolls[0].lines, -1);

  Memo alone;
  alone.ScrollLines(-1);  // no host: nothing to scroll
  EXPECT_EQ(host.scrolls.size(), 1u);
}

}  // namespace
}  // namespace zt::ui
