// Real windows driven with the messages a user's actions produce: the model
// follows, and each event fires exactly once.
#include "ui_test_support.h"

#include <commctrl.h>

namespace zt::ui::testing {
namespace {

using UiCheckBox = UiWindowTest;

TEST_F(UiCheckBox, AUserClickTogglesTheModelAndFiresOnClickOnce) {
  auto& box = Place<CheckBox>(10, 10, 150, 20);
  box.SetCaption(L"Show console");
  int clicks = 0;
  bool checkedInHandler = false;
  box.OnClick = [&] {
    ++clicks;
    checkedInHandler = box.Checked();
  };
  Show();

  ::SendMessageW(Handle(box), BM_CLICK, 0, 0);
  EXPECT_TRUE(box.Checked());
  EXPECT_TRUE(checkedInHandler);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(::SendMessageW(Handle(box), BM_GETCHECK, 0, 0), BST_CHECKED);

  ::SendMessageW(Handle(box), BM_CLICK, 0, 0);
  EXPECT_FALSE(box.Checked());
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(::SendMessageW(Handle(box), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(UiCheckBox, ProgrammaticChangesShowWithoutASecondEvent) {
  auto& box = Place<CheckBox>(10, 10, 150, 20);
  int clicks = 0;
  box.OnClick = [&] { ++clicks; };
  Show();

  box.SetChecked(true);
  Pump();
  EXPECT_EQ(clicks, 1);  // the model's own event, not one echoed by the window
  EXPECT_EQ(::SendMessageW(Handle(box), BM_GETCHECK, 0, 0), BST_CHECKED);

  box.SetChecked(false, Notify::No);
  Pump();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(::SendMessageW(Handle(box), BM_GETCHECK, 0, 0), BST_UNCHECKED);

  box.SetAllowGrayed(true);
  box.SetState(CheckBoxState::cbGrayed);
  EXPECT_EQ(::SendMessageW(Handle(box), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
}

TEST_F(UiCheckBox, ADisabledBoxIgnoresClicks) {
  auto& box = Place<CheckBox>(10, 10, 150, 20);
  int clicks = 0;
  box.OnClick = [&] { ++clicks; };
  Show();
  box.SetEnabled(false);
  EXPECT_FALSE(::IsWindowEnabled(Handle(box)));
  // Sent as a window would, were it enabled: the model refuses it anyway.
  Notify(box, BN_CLICKED);
  EXPECT_FALSE(box.Checked());
  EXPECT_EQ(clicks, 0);
}

using UiRadioButton = UiWindowTest;

TEST_F(UiRadioButton, AUserClickChecksItAndUnchecksTheSiblingWindow) {
  auto& first = Place<RadioButton>(10, 10, 150, 20);
  auto& second = Place<RadioButton>(10, 40, 150, 20);
  first.SetChecked(true);
  int secondClicks = 0;
  second.OnClick = [&] { ++secondClicks; };
  Show();

  ::SendMessageW(Handle(second), BM_CLICK, 0, 0);
  EXPECT_TRUE(second.Checked());
  EXPECT_FALSE(first.Checked());
  EXPECT_EQ(secondClicks, 1);
  EXPECT_EQ(::SendMessageW(Handle(first), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(::SendMessageW(Handle(second), BM_GETCHECK, 0, 0), BST_CHECKED);

  // A click on the checked one changes nothing.
  ::SendMessageW(Handle(second), BM_CLICK, 0, 0);
  EXPECT_EQ(secondClicks, 1);
}

using UiComboBox = UiWindowTest;

TEST_F(UiComboBox, AUserSelectionSetsItemIndexAndFiresOnChangeOnce) {
  auto& combo = Place<ComboBox>(10, 10, 150, 21);
  combo.SetStyle(ComboBoxStyle::csDropDownList);
  combo.Items().SetText(L"English\r\nDeutsch\r\nFrançais\r\n");
  int changes = 0;
  combo.OnChange = [&] { ++changes; };
  Show();
  EXPECT_EQ(::SendMessageW(Handle(combo), CB_GETCOUNT, 0, 0), 3);

  ::SendMessageW(Handle(combo), CB_SETCURSEL, 2, 0);
  Notify(combo, CBN_SELCHANGE);
  EXPECT_EQ(combo.ItemIndex(), 2);
  EXPECT_EQ(combo.Text(), L"Français");
  EXPECT_EQ(changes, 1);
}

TEST_F(UiComboBox, ModelChangesShowSilently) {
  auto& combo = Place<ComboBox>(10, 10, 150, 21);
  combo.SetStyle(ComboBoxStyle::csDropDownList);
  combo.Items().Add(L"Music");
  combo.Items().Add(L"Video");
  int changes = 0;
  combo.OnChange = [&] { ++changes; };
  Show();

  combo.SetItemIndex(1);
  EXPECT_EQ(::SendMessageW(Handle(combo), CB_GETCURSEL, 0, 0), 1);
  combo.Items().Insert(0, L"Own extension");
  EXPECT_EQ(::SendMessageW(Handle(combo), CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(::SendMessageW(Handle(combo), CB_GETCURSEL, 0, 0), 2);  // still "Video"
  combo.Items().Delete(2);
  EXPECT_EQ(::SendMessageW(Handle(combo), CB_GETCURSEL, 0, 0), -1);
  Pump();
  EXPECT_EQ(changes, 0);
}

TEST_F(UiComboBox, TypingInADropDownSetsTheTextAndDropsTheSelection) {
  auto& combo = Place<ComboBox>(10, 10, 150, 21);
  combo.Items().Add(L"Music");
  combo.Items().Add(L"Video");
  combo.SetItemIndex(1);
  int changes = 0;
  combo.OnChange = [&] { ++changes; };
  HWND edit = ::GetWindow(Handle(combo), GW_CHILD);
  ASSERT_NE(edit, nullptr);
  ::SendMessageW(edit, EM_SETSEL, 0, 0);
  for (wchar_t key : {L'm', L'p', L'3'}) ::SendMessageW(edit, WM_CHAR, key, 0);
  // Each key lands after the one before: the caret stays where typing left it.
  EXPECT_EQ(WindowText(Handle(combo)), L"mp3Video");
  EXPECT_EQ(combo.Text(), L"mp3Video");
  EXPECT_EQ(combo.ItemIndex(), -1);
  EXPECT_EQ(changes, 3);
}

using UiTrackBar = UiWindowTest;

TEST_F(UiTrackBar, MovingTheThumbSetsPositionAndFiresOnChangeOnce) {
  auto& bar = Place<TrackBar>(10, 10, 200, 30);
  bar.SetRange(0, 3);
  int changes = 0;
  bar.OnChange = [&] { ++changes; };
  Show();

  ::SendMessageW(Handle(bar), TBM_SETPOS, TRUE, 2);
  ::SendMessageW(::GetParent(Handle(bar)), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 2),
                 reinterpret_cast<LPARAM>(Handle(bar)));
  EXPECT_EQ(bar.Position(), 2);
  EXPECT_EQ(changes, 1);
  // The end of the drag reports the same place: no second event.
  ::SendMessageW(::GetParent(Handle(bar)), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0),
                 reinterpret_cast<LPARAM>(Handle(bar)));
  EXPECT_EQ(changes, 1);

  bar.SetPosition(0);
  EXPECT_EQ(changes, 2);  // the model's own event
  EXPECT_EQ(::SendMessageW(Handle(bar), TBM_GETPOS, 0, 0), 0);
  bar.SetRange(1, 5, Notify::No);
  EXPECT_EQ(::SendMessageW(Handle(bar), TBM_GETRANGEMIN, 0, 0), 1);
  EXPECT_EQ(::SendMessageW(Handle(bar), TBM_GETRANGEMAX, 0, 0), 5);
  EXPECT_EQ(::SendMessageW(Handle(bar), TBM_GETPOS, 0, 0), 1);
  EXPECT_EQ(changes, 2);
}

using UiEdit = UiWindowTest;

TEST_F(UiEdit, TypingSetsTextAndModifiedAndFiresOnChangeOnce) {
  auto& edit = Place<Edit>(10, 10, 150, 21);
  edit.SetText(L"Search");
  int changes = 0;
  edit.OnChange = [&] { ++changes; };
  Show();
  EXPECT_EQ(WindowText(Handle(edit)), L"Search");

  ::SendMessageW(Handle(edit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
  ::SendMessageW(Handle(edit), WM_CHAR, L'h', 0);
  ::SendMessageW(Handle(edit), WM_CHAR, L'k', 0);
  EXPECT_EQ(edit.Text(), L"hk");
  EXPECT_TRUE(edit.Modified());
  EXPECT_EQ(changes, 3);
}

TEST_F(UiEdit, ModelTextShowsWithOneEventAndClearsModified) {
  auto& edit = Place<Edit>(10, 10, 150, 21);
  int changes = 0;
  edit.OnChange = [&] { ++changes; };
  Show();
  ::SendMessageW(Handle(edit), WM_CHAR, L'x', 0);
  ASSERT_TRUE(edit.Modified());

  edit.SetText(L"Restore point");
  EXPECT_EQ(WindowText(Handle(edit)), L"Restore point");
  EXPECT_FALSE(edit.Modified());
  EXPECT_EQ(changes, 2);
}

TEST_F(UiEdit, OnKeyPressCanSwallowOrReplaceACharacter) {
  auto& edit = Place<Edit>(10, 10, 150, 21);
  edit.OnKeyPress = [](wchar_t& key) {
    if (key == L'x') key = 0;
    if (key == L'a') key = L'b';
  };
  Show();
  ::SendMessageW(Handle(edit), WM_CHAR, L'x', 0);
  ::SendMessageW(Handle(edit), WM_CHAR, L'a', 0);
  EXPECT_EQ(edit.Text(), L"b");
  EXPECT_EQ(WindowText(Handle(edit)), L"b");
}

using UiUpDown = UiWindowTest;

// Clicks the up (or down) arrow of the up-down with the mouse, as a user does.
void ClickArrow(HWND upDown, bool up) {
  RECT client;
  ::GetClientRect(upDown, &client);
  LPARAM point = MAKELPARAM(client.right / 2, up ? client.bottom / 4 : client.bottom * 3 / 4);
  ::SendMessageW(upDown, WM_LBUTTONDOWN, MK_LBUTTON, point);
  ::SendMessageW(upDown, WM_LBUTTONUP, 0, point);
}

TEST_F(UiUpDown, AnArrowClickMovesThePositionAndTheEditShowsIt) {
  auto& edit = Place<Edit>(10, 10, 60, 21);
  auto& upDown = Place<UpDown>(70, 10, 17, 21);
  upDown.SetRange(0, 5000);
  upDown.SetAssociate(&edit);
  upDown.SetPosition(999);
  std::vector<UDBtnType> clicks;
  upDown.OnClick = [&](UDBtnType button) { clicks.push_back(button); };
  Show();
  EXPECT_EQ(edit.Text(), L"999");

  ClickArrow(Handle(upDown), true);
  EXPECT_EQ(upDown.Position(), 1000);
  // The model formats the text, with the locale's thousands separator.
  std::wstring expected = L"1" + upDown.ThousandSeparator() + L"000";
  EXPECT_EQ(edit.Text(), expected);
  EXPECT_EQ(WindowText(Handle(edit)), expected);
  ClickArrow(Handle(upDown), false);
  EXPECT_EQ(upDown.Position(), 999);
  EXPECT_EQ(clicks, (std::vector<UDBtnType>{UDBtnType::btNext, UDBtnType::btPrev}));
}

TEST_F(UiUpDown, OnChangingCanRefuseTheClick) {
  auto& edit = Place<Edit>(10, 10, 60, 21);
  auto& upDown = Place<UpDown>(70, 10, 17, 21);
  upDown.SetRange(0, 5);
  upDown.SetAssociate(&edit);
  upDown.SetPosition(2);
  int asked = 0;
  upDown.OnChanging = [&](bool& allow) {
    ++asked;
    allow = false;
  };
  int clicks = 0;
  upDown.OnClick = [&](UDBtnType) { ++clicks; };
  Show();

  ClickArrow(Handle(upDown), true);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(upDown.Position(), 2);
  EXPECT_EQ(WindowText(Handle(edit)), L"2");
}

using UiPageControl = UiWindowTest;

TEST_F(UiPageControl, HiddenTabsLeaveTheStripAndAUserChoiceSwitchesPages) {
  auto& pages = Place<PageControl>(10, 10, 300, 200);
  auto& general = Place<TabSheet>(0, 0, 0, 0, &pages);
  general.SetCaption(L"General");
  auto& developers = Place<TabSheet>(0, 0, 0, 0, &pages);
  developers.SetCaption(L"Developers");
  developers.SetTabVisible(false);
  auto& advanced = Place<TabSheet>(0, 0, 0, 0, &pages);
  advanced.SetCaption(L"Advanced");
  int changes = 0;
  pages.OnChange = [&] { ++changes; };
  Show();

  HWND tabs = Handle(pages);
  EXPECT_EQ(::SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_TRUE(::IsWindowVisible(Handle(general)));
  EXPECT_FALSE(::IsWindowVisible(Handle(advanced)));

  ::SendMessageW(tabs, TCM_SETCURSEL, 1, 0);
  NMHDR header{tabs, static_cast<UINT_PTR>(::GetDlgCtrlID(tabs)), static_cast<UINT>(TCN_SELCHANGE)};
  ::SendMessageW(::GetParent(tabs), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
  EXPECT_EQ(pages.ActivePage(), &advanced);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(::IsWindowVisible(Handle(advanced)));
  EXPECT_FALSE(::IsWindowVisible(Handle(general)));

  developers.SetTabVisible(true);
  EXPECT_EQ(::SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(::SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 2);  // still "Advanced"
}

TEST_F(UiPageControl, ARefusedChangeKeepsTheTabOfThePageShown) {
  auto& pages = Place<PageControl>(10, 10, 300, 200);
  auto& first = Place<TabSheet>(0, 0, 0, 0, &pages);
  Place<TabSheet>(0, 0, 0, 0, &pages);
  pages.OnChanging = [](bool& allow) { allow = false; };
  Show();
  HWND tabs = Handle(pages);
  ::SendMessageW(tabs, TCM_SETCURSEL, 1, 0);
  NMHDR header{tabs, static_cast<UINT_PTR>(::GetDlgCtrlID(tabs)), static_cast<UINT>(TCN_SELCHANGE)};
  ::SendMessageW(::GetParent(tabs), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
  EXPECT_EQ(pages.ActivePage(), &first);
  EXPECT_EQ(::SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 0);
}

class UiHiddenControl : public UiWindowTest {
 protected:
  // A panel placed on the test's panel while hidden.
  Panel& PlaceHidden(int left, int top, int width, int height) {
    auto& panel = Own<Panel>();
    panel.SetVisible(false);
    panel.SetBounds(left, top, width, height);
    panel.SetParent(panel_);
    return panel;
  }
};

// A control hidden when realised gets its window when it first shows, with
// what changed in the meantime, under the siblings that follow it.
TEST_F(UiHiddenControl, ShownLateItsWindowShowsTheModelAndKeepsItsPlaceAmongSiblings) {
  auto& hidden = PlaceHidden(10, 10, 200, 100);
  auto& edit = Place<Edit>(5, 5, 80, 20, &hidden);
  auto& later = Place<Panel>(0, 0, 50, 50);
  Show();
  HWND laterWindow = Handle(later);
  EXPECT_EQ(::GetWindow(laterWindow, GW_HWNDNEXT), nullptr);  // nothing made for the hidden one yet

  edit.SetText(L"typed");
  hidden.SetBounds(20, 30, 150, 80);
  edit.SetEnabled(false);
  hidden.SetVisible(true);
  Pump();

  HWND shown = Handle(hidden);
  ASSERT_NE(shown, nullptr);
  EXPECT_TRUE(::IsWindowVisible(shown));
  RECT box;
  ::GetWindowRect(shown, &box);
  ::MapWindowPoints(nullptr, ::GetParent(shown), reinterpret_cast<POINT*>(&box), 2);
  EXPECT_EQ(box.left, 20);
  EXPECT_EQ(box.top, 30);
  EXPECT_EQ(box.right - box.left, 150);
  EXPECT_EQ(box.bottom - box.top, 80);
  EXPECT_EQ(::GetWindow(shown, GW_HWNDPREV), laterWindow);
  HWND editWindow = Handle(edit);
  EXPECT_EQ(::GetParent(editWindow), shown);
  EXPECT_EQ(WindowText(editWindow), L"typed");
  EXPECT_FALSE(::IsWindowEnabled(editWindow));
}

TEST_F(UiHiddenControl, AskingForTheWindowMakesItHiddenWithItsParents) {
  auto& outer = PlaceHidden(10, 10, 200, 100);
  auto& inner = Place<Panel>(5, 5, 100, 50, &outer);
  auto& edit = Place<Edit>(5, 5, 80, 20, &inner);
  edit.SetText(L"kept");
  Show();

  HWND editWindow = Handle(edit);
  ASSERT_NE(editWindow, nullptr);
  EXPECT_EQ(::GetParent(editWindow), Handle(inner));
  EXPECT_EQ(::GetParent(Handle(inner)), Handle(outer));
  EXPECT_FALSE(::IsWindowVisible(Handle(outer)));
  EXPECT_EQ(WindowText(editWindow), L"kept");

  outer.SetVisible(true);
  EXPECT_TRUE(::IsWindowVisible(editWindow));
  EXPECT_EQ(Handle(edit), editWindow);
}

}  // namespace
}  // namespace zt::ui::testing
