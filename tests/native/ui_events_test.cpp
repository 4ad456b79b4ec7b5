// Which events the setters fire, and what the silent forms push to the view.
#include <gtest/gtest.h>

#include "ui/kinds.h"
#include "ui/testing/fake_host.h"

namespace zt::ui {
namespace {

using testing::RecordingView;

struct Counter {
  int count = 0;
  std::function<void()> Hook() {
    return [this] { ++count; };
  }
};

TEST(UiSetterEvents, CheckBoxFiresOnClickOncePerChange) {
  CheckBox box;
  Counter clicks;
  box.OnClick = clicks.Hook();

  box.SetChecked(true);
  EXPECT_EQ(clicks.count, 1);
  box.SetChecked(true);
  EXPECT_EQ(clicks.count, 1) << "no change, no event";
  box.SetChecked(false);
  EXPECT_EQ(clicks.count, 2);
  box.SetState(CheckBoxState::cbGrayed);
  EXPECT_EQ(clicks.count, 3);
  EXPECT_FALSE(box.Checked());
}

TEST(UiSetterEvents, RadioButtonUnchecksSiblingsOfTheSameParentOnly) {
  Form form;
  auto& groupA = form.Create<GroupBox>(L"A");
  auto& groupB = form.Create<GroupBox>(L"B");
  groupA.SetParent(&form);
  groupB.SetParent(&form);
  auto& a1 = form.Create<RadioButton>(L"A1");
  auto& a2 = form.Create<RadioButton>(L"A2");
  auto& b1 = form.Create<RadioButton>(L"B1");
  a1.SetParent(&groupA);
  a2.SetParent(&groupA);
  b1.SetParent(&groupB);
  std::vector<std::wstring> fired;
  for (RadioButton* radio : {&a1, &a2, &b1})
    radio->OnClick = [&fired, radio] { fired.push_back(radio->Name()); };

  a1.SetChecked(true);
  b1.SetChecked(true);
  EXPECT_TRUE(a1.Checked()) << "a button in another box stays checked";
  a2.SetChecked(true);

  EXPECT_FALSE(a1.Checked());
  EXPECT_TRUE(a2.Checked());
  EXPECT_TRUE(b1.Checked());
  EXPECT_EQ(fired, (std::vector<std::wstring>{L"A1", L"B1", L"A2"})) << "unchecking a sibling fires nothing";

  a2.SetChecked(false);
  EXPECT_EQ(fired.size(), 3u) << "SetChecked(false) fires nothing";
  a2.SetChecked(true);
  a2.SetChecked(true);
  EXPECT_EQ(fired.size(), 4u) << "no change, no event";
}

TEST(UiSetterEvents, RadioButtonSeesSiblingsUncheckedWhenItsHandlerRuns) {
  Panel panel;
  RadioButton first, second;
  first.SetParent(&panel);
  second.SetParent(&panel);
  first.SetChecked(true);
  bool firstCheckedInHandler = true;
  second.OnClick = [&] { firstCheckedInHandler = first.Checked(); };
  second.SetChecked(true);
  EXPECT_FALSE(firstCheckedInHandler);
}

TEST(UiSetterEvents, TextAndPositionSettersFireOnChangeWhenTheValueDiffers) {
  Edit edit;
  Memo memo;
  TrackBar bar;
  bar.SetRange(0, 3);
  Counter editChanges, memoChanges, barChanges;
  edit.OnChange = editChanges.Hook();
  memo.OnChange = memoChanges.Hook();
  bar.OnChange = barChanges.Hook();

  edit.SetText(L"a");
  edit.SetText(L"a");
  memo.SetText(L"a\r\nb");
  memo.SetText(L"a\r\nb");
  bar.SetPosition(2);
  bar.SetPosition(2);
  bar.SetPosition(99);  // clamped to 3: a change

  EXPECT_EQ(editChanges.count, 1);
  EXPECT_EQ(memoChanges.count, 1);
  EXPECT_EQ(barChanges.count, 2);
  EXPECT_EQ(bar.Position(), 3);

  bar.SetRange(0, 1);  // clamping by a new range moves the position too
  EXPECT_EQ(bar.Position(), 1);
  EXPECT_EQ(barChanges.count, 3);
}

TEST(UiSetterEvents, ComboItemIndexAndUpDownPositionFireNothing) {
  ComboBox combo;
  combo.SetStyle(ComboBoxStyle::csDropDownList);
  combo.Items().Add(L"One");
  combo.Items().Add(L"Two");
  UpDown upDown;
  upDown.SetRange(1, 10);
  Counter comboChanges, changing, clicks;
  combo.OnChange = comboChanges.Hook();
  upDown.OnChanging = [&](bool&) { ++changing.count; };
  upDown.OnClick = [&](UDBtnType) { ++clicks.count; };

  combo.SetItemIndex(1);
  combo.SetText(L"one");
  upDown.SetPosition(5);

  EXPECT_EQ(combo.ItemIndex(), 0) << "a drop-down list selects the item the text names";
  EXPECT_EQ(combo.Text(), L"One");
  EXPECT_EQ(upDown.Position(), 5);
  EXPECT_EQ(comboChanges.count + changing.count + clicks.count, 0);
}

TEST(UiSetterEvents, SilentSettersFireNothingButTellTheView) {
  RecordingView view;  // outlives the components, which tell it when they go
  CheckBox box;
  Panel panel;
  RadioButton radio, sibling;
  radio.SetParent(&panel);
  sibling.SetParent(&panel);
  sibling.SetChecked(true);
  Edit edit;
  Memo memo;
  TrackBar bar;
  int events = 0;
  box.OnClick = radio.OnClick = edit.OnChange = memo.OnChange = bar.OnChange = [&] { ++events; };
  for (Component* c : std::initializer_list<Component*>{&box, &radio, &sibling, &edit, &memo, &bar})
    c->SetView(&view);

  box.SetChecked(true, Notify::No);
  radio.SetChecked(true, Notify::No);
  edit.SetText(L"x", Notify::No);
  memo.SetText(L"y", Notify::No);
  bar.SetPosition(4, Notify::No);

  EXPECT_EQ(events, 0);
  EXPECT_FALSE(sibling.Checked()) << "the group rule holds for silent changes too";
  EXPECT_EQ(view.Count(Property::Checked, &box), 1);
  EXPECT_EQ(view.Count(Property::Checked, &radio), 1);
  EXPECT_EQ(view.Count(Property::Checked, &sibling), 1);
  EXPECT_EQ(view.Count(Property::Caption, &edit), 1);
  EXPECT_EQ(view.Count(Property::Lines, &memo), 1);
  EXPECT_EQ(view.Count(Property::Position, &bar), 1);
}

TEST(UiSetterEvents, ViewHearsTheChangeBeforeTheEvent) {
  RecordingView view;
  CheckBox box;
  box.SetView(&view);
  std::size_t changesSeenByHandler = 0;
  box.OnClick = [&] { changesSeenByHandler = view.changes.size(); };
  box.SetChecked(true);
  EXPECT_EQ(changesSeenByHandler, 1u);
}

TEST(UiSetterEvents, SpeedButtonDownFiresNothingAndReleasesItsGroup) {
  Panel panel;
  SpeedButton a, b, loose;
  for (SpeedButton* button : {&a, &b, &loose}) button->SetParent(&panel);
  a.SetGroupIndex(1);
  b.SetGroupIndex(1);
  a.SetAllowAllUp(true);
  b.SetAllowAllUp(true);
  int clicks = 0;
  a.OnClick = b.OnClick = [&] { ++clicks; };

  a.SetDown(true);
  b.SetDown(true);
  loose.SetDown(true);

  EXPECT_FALSE(a.Down());
  EXPECT_TRUE(b.Down());
  EXPECT_FALSE(loose.Down()) << "a button without a group cannot stay down";
  EXPECT_EQ(clicks, 0);
}

}  // namespace
}  // namespace zt::ui
