// The list view: check boxes toggled by the user's click on them, selection,
// and the model's silent mirroring.
#include "ui_test_support.h"

#include <commctrl.h>

#include <vector>

namespace zt::ui::testing {
namespace {

class UiListView : public UiWindowTest {
 protected:
  UiListView() {
    list_ = &Place<ListView>(10, 10, 360, 200);
    list_->SetViewStyle(ViewStyle::vsReport);
    list_->SetCheckboxes(true);
    list_->SetRowSelect(true);
    list_->AddColumn({L"Name", 150});
    list_->AddColumn({L"Command", 180});
    for (const wchar_t* name : {L"Sidebar", L"Updater", L"Messenger"}) {
      ListItem& item = list_->AddItem(name);
      item.AddSubItem(std::wstring(name) + L".exe");
    }
    list_->Item(1).SetChecked(true, Notify::No);
    list_->OnItemChecked = [this](ListItem& item) { checked_.push_back({item.Index(), item.Checked()}); };
    list_->OnSelectItem = [this](ListItem& item, bool selected) {
      selected_.push_back({item.Index(), selected});
    };
    Show();
  }

  UINT WindowCheck(int index) const {
    return static_cast<UINT>(::SendMessageW(Handle(*list_), LVM_GETITEMSTATE, index, LVIS_STATEIMAGEMASK)) >>
           12;
  }

  // A point of the item that the window's hit test puts on `flags` alone.
  POINT FindPoint(int index, UINT flags) const {
    RECT bounds{};
    bounds.left = LVIR_BOUNDS;
    ::SendMessageW(Handle(*list_), LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&bounds));
    for (int x = bounds.left; x < bounds.right; ++x) {
      LVHITTESTINFO hit{};
      hit.pt = {x, (bounds.top + bounds.bottom) / 2};
      if (::SendMessageW(Handle(*list_), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) == index &&
          (hit.flags & LVHT_ONITEM) == flags) {
        return hit.pt;
      }
    }
    ADD_FAILURE() << "no point with hit-test flags " << flags;
    return {};
  }

  void Click(POINT point) {
    LPARAM where = MAKELPARAM(point.x, point.y);
    // The window may run a drag-detection loop on the press; the release is
    // posted so that it ends that loop.
    ::PostMessageW(Handle(*list_), WM_LBUTTONUP, 0, where);
    ::SendMessageW(Handle(*list_), WM_LBUTTONDOWN, MK_LBUTTON, where);
    Pump();
  }

  ListView* list_ = nullptr;
  std::vector<std::pair<int, bool>> checked_;
  std::vector<std::pair<int, bool>> selected_;
};

TEST_F(UiListView, TheWindowShowsItemsColumnsAndChecks) {
  HWND hwnd = Handle(*list_);
  EXPECT_EQ(::SendMessageW(hwnd, LVM_GETITEMCOUNT, 0, 0), 3);
  wchar_t text[64] = {};
  LVITEMW item{};
  item.iSubItem = 1;
  item.pszText = text;
  item.cchTextMax = 64;
  ::SendMessageW(hwnd, LVM_GETITEMTEXTW, 2, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(text, L"Messenger.exe");
  EXPECT_EQ(WindowCheck(0), 1u);
  EXPECT_EQ(WindowCheck(1), 2u);
  DWORD extended = static_cast<DWORD>(::SendMessageW(hwnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
  EXPECT_TRUE(extended & LVS_EX_CHECKBOXES);
  EXPECT_TRUE(extended & LVS_EX_FULLROWSELECT);
  EXPECT_TRUE(checked_.empty());
}

TEST_F(UiListView, AClickOnACheckBoxTogglesItOnceWithoutSelecting) {
  Click(FindPoint(0, LVHT_ONITEMSTATEICON));
  EXPECT_TRUE(list_->Item(0).Checked());
  EXPECT_EQ(checked_, (std::vector<std::pair<int, bool>>{{0, true}}));
  EXPECT_EQ(WindowCheck(0), 2u);

  Click(FindPoint(1, LVHT_ONITEMSTATEICON));
  EXPECT_FALSE(list_->Item(1).Checked());
  EXPECT_EQ(checked_.size(), 2u);
  EXPECT_EQ(list_->ItemIndex(), -1);
}

TEST_F(UiListView, AClickOnTheCaptionSelectsTheItem) {
  Click(FindPoint(2, LVHT_ONITEMLABEL));
  EXPECT_EQ(list_->ItemIndex(), 2);
  Click(FindPoint(0, LVHT_ONITEMLABEL));
  EXPECT_EQ(list_->ItemIndex(), 0);
  EXPECT_EQ(selected_, (std::vector<std::pair<int, bool>>{{2, true}, {2, false}, {0, true}}));
  EXPECT_TRUE(checked_.empty());
}

TEST_F(UiListView, ModelChangesShowWithOnlyTheModelsOwnEvents) {
  list_->Item(2).SetChecked(true);
  EXPECT_EQ(WindowCheck(2), 2u);
  list_->SetItemIndex(1);
  EXPECT_EQ(::SendMessageW(Handle(*list_), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 1);
  list_->DeleteItem(0);
  EXPECT_EQ(::SendMessageW(Handle(*list_), LVM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(WindowCheck(1), 2u);
  Pump();
  EXPECT_EQ(checked_, (std::vector<std::pair<int, bool>>{{2, true}}));
  EXPECT_EQ(selected_, (std::vector<std::pair<int, bool>>{{1, true}}));
}

TEST_F(UiListView, ItemsGoIntoTheirGroups) {
  list_->AddGroup({L"HKEY_CURRENT_USER", 1});
  list_->AddGroup({L"Startup folder", 2});
  list_->SetGroupView(true);
  list_->Item(0).SetGroupID(2);
  list_->Item(1).SetGroupID(1);
  HWND hwnd = Handle(*list_);
  if (!::SendMessageW(hwnd, LVM_ISGROUPVIEWENABLED, 0, 0)) {
    GTEST_SKIP() << "this platform's list view has no group view (Wine)";
  }
  EXPECT_TRUE(::SendMessageW(hwnd, LVM_HASGROUP, 1, 0));
  EXPECT_TRUE(::SendMessageW(hwnd, LVM_HASGROUP, 2, 0));
  LVITEMW item{};
  item.mask = LVIF_GROUPID;
  item.iItem = 0;
  ::SendMessageW(hwnd, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(item.iGroupId, 2);
}

}  // namespace
}  // namespace zt::ui::testing
