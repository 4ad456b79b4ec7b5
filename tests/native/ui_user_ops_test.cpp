// User operations: what a real click, selection or keystroke does to the model.
#include <gtest/gtest.h>

#include "ui/kinds.h"

namespace zt::ui {
namespace {

TEST(UiUserOps, CheckBoxClickCyclesItsStates) {
  struct Case {
    const char* name;
    bool allowGrayed;
    std::vector<CheckBoxState> after;  // state after each click
  };
  const Case cases[] = {
      {"two states", false, {CheckBoxState::cbChecked, CheckBoxState::cbUnchecked, CheckBoxState::cbChecked}},
      {"with grayed", true, {CheckBoxState::cbGrayed, CheckBoxState::cbChecked, CheckBoxState::cbUnchecked}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CheckBox box;
    box.SetAllowGrayed(c.allowGrayed);
    int clicks = 0;
    box.OnClick = [&] { ++clicks; };
    for (std::size_t i = 0; i < c.after.size(); ++i) {
      box.UserClick();
      EXPECT_EQ(box.State(), c.after[i]);
      EXPECT_EQ(clicks, static_cast<int>(i + 1)) << "exactly one OnClick per click";
    }
  }
}

TEST(UiUserOps, DisabledOrHiddenControlsTakeNoInput) {
  Panel panel;
  CheckBox inDisabledParent, hidden;
  inDisabledParent.SetParent(&panel);
  hidden.SetParent(&panel);
  panel.SetEnabled(false);
  hidden.SetVisible(false);
  int clicks = 0;
  inDisabledParent.OnClick = hidden.OnClick = [&] { ++clicks; };

  inDisabledParent.UserClick();
  panel.SetEnabled(true);
  hidden.UserClick();

  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(inDisabledParent.Checked());
  EXPECT_FALSE(hidden.Checked());
}

TEST(UiUserOps, RadioClickChecksOnceAndNeverUnchecks) {
  Panel panel;
  RadioButton a, b;
  a.SetParent(&panel);
  b.SetParent(&panel);
  int clicks = 0;
  a.OnClick = [&] { ++clicks; };
  a.UserClick();
  a.UserClick();
  EXPECT_TRUE(a.Checked());
  EXPECT_EQ(clicks, 1);
  b.UserClick();
  EXPECT_FALSE(a.Checked());
}

TEST(UiUserOps, ComboSelectionSetsIndexAndTextAndFiresOnChange) {
  ComboBox combo;
  combo.SetStyle(ComboBoxStyle::csDropDownList);
  for (auto* item : {L"(none)", L"Small memory dump", L"Kernel memory dump"}) combo.Items().Add(item);
  std::vector<int> seen;
  combo.OnChange = [&] { seen.push_back(combo.ItemIndex()); };

  combo.UserSelect(2);
  combo.UserSelect(7);  // no such item

  EXPECT_EQ(combo.ItemIndex(), 2);
  EXPECT_EQ(combo.Text(), L"Kernel memory dump");
  EXPECT_EQ(seen, std::vector<int>{2});
}

TEST(UiUserOps, ComboItemEditsKeepTheSelectionOnItsItem) {
  ComboBox combo;
  combo.SetStyle(ComboBoxStyle::csDropDownList);
  for (auto* item : {L"a", L"b", L"c"}) combo.Items().Add(item);
  combo.SetItemIndex(1);
  combo.Items().Insert(0, L"z");
  EXPECT_EQ(combo.ItemIndex(), 2);
  combo.Items().Delete(0);
  EXPECT_EQ(combo.ItemIndex(), 1);
  combo.Items().Delete(1);
  EXPECT_EQ(combo.ItemIndex(), -1);
  EXPECT_EQ(combo.Text(), L"");
}

TEST(UiUserOps, TypingSetsModifiedWhileCodeClearsIt) {
  Edit edit;
  int changes = 0;
  edit.OnChange = [&] { ++changes; };
  edit.UserSetText(L"Admin");
  EXPECT_TRUE(edit.Modified());
  edit.SetText(L"loaded");
  EXPECT_FALSE(edit.Modified());
  EXPECT_EQ(changes, 2);

  edit.SetReadOnly(true);
  edit.UserSetText(L"typed");
  EXPECT_EQ(edit.Text(), L"loaded") << "a read-only edit takes no typing";
}

TEST(UiUserOps, KeyPressMayReplaceOrSwallowTheCharacter) {
  Edit edit;
  edit.OnKeyPress = [](wchar_t& key) {
    if (key == L'x') key = 0;
    if (key == L'a') key = L'A';
  };
  EXPECT_EQ(edit.UserKeyPress(L'x'), 0);
  EXPECT_EQ(edit.UserKeyPress(L'a'), L'A');
  EXPECT_EQ(edit.UserKeyPress(L'b'), L'b');
}

struct UiUpDownClick : ::testing::Test {
  UiUpDownClick() {
    edit.SetReadOnly(true);
    upDown.SetRange(1, 1000);
    upDown.SetAssociate(&edit);
    upDown.OnChanging = [this](bool& allow) {
      ++changing;
      allow = allowChange;
    };
    upDown.OnClick = [this](UDBtnType button) { clicks.push_back(button); };
    edit.OnChange = [this] { ++editChanges; };
  }
  Edit edit;
  UpDown upDown;
  bool allowChange = true;
  int changing = 0;
  int editChanges = 0;
  std::vector<UDBtnType> clicks;
};

TEST_F(UiUpDownClick, ClickMovesPositionAndEditAfterOnChangingAllows) {
  upDown.UserClick(UDBtnType::btNext);
  EXPECT_EQ(upDown.Position(), 2);
  EXPECT_EQ(edit.Text(), L"2");
  EXPECT_EQ(changing, 1);
  EXPECT_EQ(editChanges, 1);
  EXPECT_EQ(clicks, std::vector<UDBtnType>{UDBtnType::btNext});
}

TEST_F(UiUpDownClick, VetoedClickChangesNothing) {
  allowChange = false;
  upDown.UserClick(UDBtnType::btNext);
  EXPECT_EQ(upDown.Position(), 1);
  EXPECT_EQ(edit.Text(), L"1");
  EXPECT_EQ(changing, 1);
  EXPECT_TRUE(clicks.empty());
}

TEST_F(UiUpDownClick, ClickAtTheLimitAsksButDoesNotMove) {
  upDown.UserClick(UDBtnType::btPrev);
  EXPECT_EQ(upDown.Position(), 1);
  EXPECT_EQ(changing, 1);
  EXPECT_TRUE(clicks.empty());
}

TEST_F(UiUpDownClick, ThousandsSeparatorFromFourDigits) {
  struct Case {
    const char* name;
    bool thousands;
    int from;
    const wchar_t* shown;
  };
  const Case cases[] = {
      {"below 1000", true, 998, L"999"},
      {"separator", true, 999, L"1,000"},
      {"no separator", false, 999, L"1000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    upDown.SetThousands(c.thousands);
    upDown.SetPosition(c.from);
    upDown.UserClick(UDBtnType::btNext);
    EXPECT_EQ(edit.Text(), c.shown);
  }
}

TEST_F(UiUpDownClick, ClickStartsFromTheEditsTextAndWrapsWhenAsked) {
  edit.SetReadOnly(false);
  upDown.SetPosition(999);
  edit.SetText(L"5");  // typed by the user before clicking
  upDown.UserClick(UDBtnType::btNext);
  EXPECT_EQ(upDown.Position(), 6);

  upDown.SetWrap(true);
  upDown.SetPosition(1000);
  upDown.UserClick(UDBtnType::btNext);
  EXPECT_EQ(upDown.Position(), 1);
}

TEST_F(UiUpDownClick, ChangePositionAsksFirstOnlyWhenTheValueDiffers) {
  EXPECT_TRUE(upDown.ChangePosition(1));
  EXPECT_EQ(changing, 0);
  allowChange = false;
  EXPECT_FALSE(upDown.ChangePosition(7));
  EXPECT_EQ(upDown.Position(), 1);
  allowChange = true;
  EXPECT_TRUE(upDown.ChangePosition(7));
  EXPECT_EQ(edit.Text(), L"7");
  EXPECT_EQ(changing, 2);
  EXPECT_TRUE(clicks.empty());
}

TEST(UiUserOps, SpeedButtonToggleFollowsGroupAndAllowAllUp) {
  Panel panel;
  SpeedButton console;
  console.SetParent(&panel);
  console.SetGroupIndex(1);
  console.SetAllowAllUp(true);
  int clicks = 0;
  console.OnClick = [&] { ++clicks; };
  console.UserClick();
  EXPECT_TRUE(console.Down());
  console.UserClick();
  EXPECT_FALSE(console.Down());
  EXPECT_EQ(clicks, 2);

  console.SetAllowAllUp(false);
  console.UserClick();
  console.UserClick();
  EXPECT_TRUE(console.Down()) << "without AllowAllUp a pressed button stays down";
}

TEST(UiUserOps, ButtonClickSetsTheFormsModalResultBeforeOnClick) {
  Form form;
  auto& ok = form.Create<Button>(L"OK");
  ok.SetParent(&form);
  ok.SetModalResult(mrOk);
  int resultInHandler = -1;
  ok.OnClick = [&] { resultInHandler = form.ModalResult(); };
  ok.UserClick();
  EXPECT_EQ(form.ModalResult(), mrOk);
  EXPECT_EQ(resultInHandler, mrOk);
}

TEST(UiUserOps, PageControlTabChoiceCanBeRefused) {
  PageControl pages;
  TabSheet first, second;
  first.SetParent(&pages);
  second.SetParent(&pages);
  EXPECT_EQ(pages.ActivePage(), &first);
  bool allow = false;
  int changes = 0;
  pages.OnChanging = [&](bool& allowChange) { allowChange = allow; };
  pages.OnChange = [&] { ++changes; };

  pages.UserSelectPage(second);
  EXPECT_EQ(pages.ActivePage(), &first);
  allow = true;
  pages.UserSelectPage(second);
  EXPECT_EQ(pages.ActivePageIndex(), 1);
  EXPECT_TRUE(second.Visible());
  EXPECT_FALSE(first.Visible());
  EXPECT_EQ(changes, 1);

  pages.SetActivePage(&first);
  EXPECT_EQ(changes, 1) << "setting the page in code fires nothing";
}

TEST(UiUserOps, LinkClickPassesHrefOrId) {
  LinkLabel link;
  link.SetCaption(L"Open <a href=\"\">System Protection</a> or <a href=\"http://x\">site</a>");
  std::vector<std::pair<std::wstring, SysLinkType>> seen;
  link.OnLinkClick = [&](const std::wstring& text, SysLinkType type) { seen.emplace_back(text, type); };
  link.UserClickLink(0);
  link.UserClickLink(1);
  link.UserClickLink(2);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0], std::make_pair(std::wstring(), SysLinkType::sltID));
  EXPECT_EQ(seen[1], std::make_pair(std::wstring(L"http://x"), SysLinkType::sltURL));
  EXPECT_EQ(link.DisplayText(), L"Open System Protection or site");
}

TEST(UiUserOps, MouseHoverAndFontStyleOfANavigationItem) {
  Panel frame;
  Label item;
  item.SetParent(&frame);
  item.SetFont(Font{.Color = 0x4F3215});
  item.OnMouseEnter = [&] {
    item.SetFont(Font{.Color = clHighlight, .Style = item.Font().Style + FontStyle::fsUnderline});
  };
  item.UserMouseEnter();
  EXPECT_EQ(item.Font().Color, clHighlight);
  EXPECT_EQ(item.Font().Style, Set<FontStyle>{FontStyle::fsUnderline});
  item.SetFontStyle({FontStyle::fsBold});
  EXPECT_EQ(item.Font().Style, Set<FontStyle>{FontStyle::fsBold}) << "bold alone: the current item";
}

}  // namespace
}  // namespace zt::ui
