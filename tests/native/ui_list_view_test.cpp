// List view: check boxes and their hit test, selection events, groups, sorting.
#include <gtest/gtest.h>

#include "ui/kinds.h"

namespace zt::ui {
namespace {

struct UiListViewClicks : ::testing::Test {
  UiListViewClicks() {
    list.SetViewStyle(ViewStyle::vsReport);
    list.SetCheckboxes(true);
    list.SetRowSelect(true);
    list.SetBounds(0, 0, 400, 200);
    list.AddColumn({.Caption = L"Name", .Width = 354, .MinWidth = 354});
    for (auto* caption : {L"Alpha", L"Beta", L"Gamma"}) list.AddItem(caption).SetChecked(true, Notify::No);
    list.OnItemChecked = [this](ListItem& item) { checked.push_back(item.Index()); };
    list.OnSelectItem = [this](ListItem& item, bool selected) {
      selections.emplace_back(item.Index(), selected);
    };
    list.OnMouseDown = [this](MouseButton, ShiftStates, int x, int y) {
      // What a handler sees: the hit test and the check state after the toggle.
      mouseDownOnCheckBox = list.IsOnCheckBox(x, y);
      ListItem* item = list.ItemAt(x, y);
      stateSeenOnMouseDown = item && item->Checked();
    };
  }
  ListView list;
  std::vector<int> checked;
  std::vector<std::pair<int, bool>> selections;
  bool mouseDownOnCheckBox = false;
  bool stateSeenOnMouseDown = true;
};

TEST_F(UiListViewClicks, ClickOnACheckBoxTogglesItWithoutSelecting) {
  list.UserClickCheckBox(1);
  EXPECT_FALSE(list.Item(1).Checked());
  EXPECT_EQ(checked, std::vector<int>{1});
  EXPECT_TRUE(mouseDownOnCheckBox);
  EXPECT_FALSE(stateSeenOnMouseDown) << "OnMouseDown sees the new state";
  EXPECT_EQ(list.ItemIndex(), -1);

  list.UserClickCheckBox(1);
  EXPECT_TRUE(list.Item(1).Checked());
  EXPECT_EQ(checked.size(), 2u);
}

TEST_F(UiListViewClicks, ClickOnACaptionSelectsWithoutToggling) {
  list.UserClickItem(2);
  list.UserClickItem(0);
  EXPECT_TRUE(checked.empty());
  EXPECT_FALSE(mouseDownOnCheckBox);
  EXPECT_EQ(list.ItemIndex(), 0);
  EXPECT_EQ(selections, (std::vector<std::pair<int, bool>>{{2, true}, {2, false}, {0, true}}));
}

TEST_F(UiListViewClicks, ClickBelowTheItemsClearsTheSelection) {
  list.SetItemIndex(1, Notify::No);
  list.UserMouseDown(MouseButton::mbLeft, {}, 50, 190);
  EXPECT_EQ(list.ItemIndex(), -1);
  EXPECT_EQ(selections, (std::vector<std::pair<int, bool>>{{1, false}}));
}

TEST_F(UiListViewClicks, HitTestFollowsMetricsAndScrolling) {
  const ListMetrics& m = list.Metrics();
  int rowY = m.headerHeight + m.rowHeight + 2;  // second visible row
  EXPECT_EQ(list.HitTestAt(m.stateIconLeft + 1, rowY), Set<HitTest>{HitTest::htOnStateIcon});
  EXPECT_EQ(list.HitTestAt(m.stateIconLeft + m.stateIconWidth + 5, rowY), Set<HitTest>{HitTest::htOnLabel});
  EXPECT_EQ(list.HitTestAt(10, 5), Set<HitTest>{HitTest::htAbove});
  EXPECT_EQ(list.ItemAt(100, rowY), &list.Item(1));
  list.SetTopIndex(1);
  EXPECT_EQ(list.ItemAt(100, rowY), &list.Item(2));
  EXPECT_EQ(list.CheckBoxPoint(2).y, rowY - 2 + m.rowHeight / 2);
}

TEST_F(UiListViewClicks, CodeChangesFireAsTheWindowReportsThem) {
  list.Item(0).SetChecked(false);
  list.Item(0).SetChecked(false);
  list.Item(1).SetChecked(false, Notify::No);
  EXPECT_EQ(checked, std::vector<int>{0});

  list.SetItemIndex(2);
  list.Item(1).SetSelected(true);
  list.SetItemIndex(-1);
  EXPECT_EQ(selections, (std::vector<std::pair<int, bool>>{{2, true}, {2, false}, {1, true}, {1, false}}));
}

TEST_F(UiListViewClicks, DeletingAndSortingKeepTheSelectionOnItsItem) {
  list.Item(0).SetCaption(L"Zeta");
  list.SetItemIndex(0, Notify::No);
  list.CustomSort([](const ListItem& a, const ListItem& b) { return a.Caption() < b.Caption(); });
  EXPECT_EQ(list.Item(2).Caption(), L"Zeta");
  EXPECT_EQ(list.ItemIndex(), 2);
  EXPECT_EQ(list.Item(2).Index(), 2);

  list.DeleteItem(0);
  EXPECT_EQ(list.ItemIndex(), 1);
  list.DeleteItem(1);
  EXPECT_EQ(list.ItemIndex(), -1);
  EXPECT_EQ(list.Selected(), nullptr);
  EXPECT_TRUE(selections.empty()) << "deleting fires no selection event";
}

TEST(UiListView, MakeVisibleScrollsJustEnough) {
  ListView list;
  list.SetViewStyle(ViewStyle::vsReport);
  list.SetBounds(0, 0, 300, 24 + 10 * 17);  // ten rows under the header
  for (int i = 0; i < 30; ++i) list.AddItem(std::to_wstring(i));
  ASSERT_EQ(list.VisibleRowCount(), 10);
  list.Item(5).MakeVisible();
  EXPECT_EQ(list.TopIndex(), 0);
  list.Item(25).MakeVisible();
  EXPECT_EQ(list.TopIndex(), 16);
  list.Item(3).MakeVisible();
  EXPECT_EQ(list.TopIndex(), 3);
  list.ClearItems();
  EXPECT_EQ(list.TopIndex(), 0);
}

TEST(UiListView, GroupsAndItemFields) {
  ListView list;
  list.SetGroupView(true);
  list.AddGroup({.Header = L"Administrative Tools", .GroupID = 1});
  list.AddGroup({.Header = L"Network", .GroupID = 2});
  ListItem& item = list.AddItem(L"Services");
  item.SetGroupID(2);
  item.SetImageIndex(3);
  item.SetSubItems({L"services.msc"});
  item.SetSubItem(2, L"none");
  item.SetData(42);

  EXPECT_EQ(list.GroupCount(), 2);
  EXPECT_EQ(list.Group(1).Header, L"Network");
  EXPECT_EQ(item.GroupID(), 2);
  EXPECT_EQ(item.ImageIndex(), 3);
  EXPECT_EQ(item.SubItems(), (std::vector<std::wstring>{L"services.msc", L"", L"none"}));
  EXPECT_EQ(item.Data(), 42);
}

TEST(UiListView, ColumnClickOnlyWhenAllowed) {
  ListView list;
  list.AddColumn({.Caption = L"Name"});
  std::vector<int> clicked;
  list.OnColumnClick = [&](int column) { clicked.push_back(column); };
  list.UserColumnClick(0);
  list.SetColumnClick(false);
  list.UserColumnClick(0);
  EXPECT_EQ(clicked, std::vector<int>{0});
}

}  // namespace
}  // namespace zt::ui
