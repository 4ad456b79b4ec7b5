#pragma once
// List view: items with sub-items, check boxes, columns, groups and images.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"

namespace zt::ui {

class ImageList;
class ListView;

struct ListColumn {
  std::wstring Caption{};
  int Width = 50;
  int MinWidth = 0;
  ui::Alignment Alignment = ui::Alignment::taLeftJustify;
  bool operator==(const ListColumn&) const = default;
};

struct ListGroup {
  std::wstring Header{};
  int GroupID = 0;
  bool operator==(const ListGroup&) const = default;
};

// One row. Its address is stable while it is in the list.
class ListItem {
 public:
  ListView& Owner() const { return *owner_; }
  int Index() const { return index_; }

  const std::wstring& Caption() const { return caption_; }
  void SetCaption(std::wstring caption);
  const std::vector<std::wstring>& SubItems() const { return subItems_; }
  void SetSubItems(std::vector<std::wstring> subItems);
  void AddSubItem(std::wstring text);
  // Sub-item `index` (from 0); an index past the end extends the list.
  void SetSubItem(int index, std::wstring text);

  // A change fires the list's OnItemChecked (unless Notify::No), as the
  // window reports every change of the check box.
  bool Checked() const { return checked_; }
  void SetChecked(bool checked, Notify notify = Notify::Yes);
  // Selecting goes through the list's ItemIndex.
  bool Selected() const;
  void SetSelected(bool selected, Notify notify = Notify::Yes);
  int GroupID() const { return groupId_; }
  void SetGroupID(int groupId);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int imageIndex);
  std::intptr_t Data() const { return data_; }
  void SetData(std::intptr_t data) { data_ = data; }
  // Scrolls the list (TopIndex) just enough to show the whole row.
  void MakeVisible();

 private:
  friend class ListView;
  ListItem(ListView& owner, std::wstring caption) : owner_(&owner), caption_(std::move(caption)) {}
  void Updated();

  ListView* owner_;
  int index_ = 0;
  std::wstring caption_;
  std::vector<std::wstring> subItems_;
  bool checked_ = false;
  int groupId_ = -1;
  int imageIndex_ = -1;
  std::intptr_t data_ = 0;
};

enum class ViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
enum class HitTest {
  htAbove,
  htBelow,
  htNowhere,
  htOnItem,
  htOnIcon,
  htOnLabel,
  htOnStateIcon,
  htToLeft,
  htToRight
};

// Geometry of the report view, for hit tests: the binding sets the window's
// real metrics; the defaults are those of the common controls on Windows 7.
struct ListMetrics {
  int headerHeight = 24;  // 0 without column headers
  int rowHeight = 17;
  int stateIconLeft = 4;  // the check box's area
  int stateIconWidth = 16;
  int smallIconWidth = 16;  // when SmallImages is set
  bool operator==(const ListMetrics&) const = default;
};

// A list view with single selection. Selecting an item, by code or by the
// user, fires OnSelectItem for the item that lost the selection and then for
// the one that got it (unless Notify::No); deleting or clearing items fires
// nothing. Hit tests work on the report view without group headers.
class ListView : public WinControl {
 public:
  ListView();
  ~ListView() override;
  std::wstring_view ClassName() const override { return L"TListView"; }

  ui::ViewStyle ViewStyle() const { return viewStyle_; }
  void SetViewStyle(ui::ViewStyle viewStyle);
  bool Checkboxes() const { return checkboxes_; }
  void SetCheckboxes(bool checkboxes) { SetOption(checkboxes_, checkboxes); }
  bool RowSelect() const { return rowSelect_; }
  void SetRowSelect(bool rowSelect) { SetOption(rowSelect_, rowSelect); }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly) { SetOption(readOnly_, readOnly); }
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool hideSelection) { SetOption(hideSelection_, hideSelection); }
  bool ColumnClick() const { return columnClick_; }
  void SetColumnClick(bool columnClick) { SetOption(columnClick_, columnClick); }
  bool ShowColumnHeaders() const { return showColumnHeaders_; }
  void SetShowColumnHeaders(bool show) { SetOption(showColumnHeaders_, show); }
  bool GroupView() const { return groupView_; }
  void SetGroupView(bool groupView) { SetOption(groupView_, groupView); }

  ImageList* SmallImages() const { return smallImages_; }
  void SetSmallImages(ImageList* images);

  int ColumnCount() const { return static_cast<int>(columns_.size()); }
  const ListColumn& Column(int index) const { return columns_.at(static_cast<std::size_t>(index)); }
  void AddColumn(ListColumn column);
  void SetColumn(int index, ListColumn column);
  void DeleteColumn(int index);

  int GroupCount() const { return static_cast<int>(groups_.size()); }
  const ListGroup& Group(int index) const { return groups_.at(static_cast<std::size_t>(index)); }
  void AddGroup(ListGroup group);
  void SetGroup(int index, ListGroup group);
  void ClearGroups();

  int ItemCount() const { return static_cast<int>(items_.size()); }
  ListItem& Item(int index) const { return *items_.at(static_cast<std::size_t>(index)); }
  ListItem& AddItem(std::wstring caption = {});
  ListItem& InsertItem(int index, std::wstring caption = {});
  void DeleteItem(int index);
  void ClearItems();
  // Stable sort; `less` says whether a goes before b. The selection stays
  // with its item.
  void CustomSort(const std::function<bool(const ListItem& a, const ListItem& b)>& less);
  // Batches of changes (nested); the view hears the outermost begin and end.
  void BeginUpdate();
  void EndUpdate();

  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index, Notify notify = Notify::Yes);
  ListItem* Selected() const {
    return itemIndex_ >= 0 ? items_[static_cast<std::size_t>(itemIndex_)].get() : nullptr;
  }
  int SelCount() const { return itemIndex_ >= 0 ? 1 : 0; }

  const ListMetrics& Metrics() const { return metrics_; }
  void SetMetrics(const ListMetrics& metrics) { metrics_ = metrics; }
  // First row shown; a change is pushed to the view as Position (the
  // binding reports the user's scrolling here).
  int TopIndex() const { return topIndex_; }
  void SetTopIndex(int topIndex);
  // Whole rows that fit below the header.
  int VisibleRowCount() const;
  // The framework's GetItemAt / GetHitTestInfoAt, in client coordinates.
  ListItem* ItemAt(int x, int y) const;
  Set<ui::HitTest> HitTestAt(int x, int y) const;
  // Whether the point is on the check box of an item.
  bool IsOnCheckBox(int x, int y) const;
  // Middle of the item's check box and of its caption.
  Point CheckBoxPoint(int index) const;
  Point CaptionPoint(int index) const;

  // Left button down: on a check box toggles it (OnItemChecked) without
  // selecting; elsewhere on an item selects it; below the items clears the
  // selection. OnMouseDown follows, when the check box already shows its new state.
  void UserMouseDown(MouseButton button, ShiftStates shift, int x, int y) override;
  // Down, up and click on the item's check box / caption.
  void UserClickCheckBox(int index);
  void UserClickItem(int index);
  void UserColumnClick(int column);

  std::vector<StringProperty> StringProperties() override;
  void Notification(Component& component, Operation operation) override;

  std::function<void(ListItem& item, bool selected)> OnSelectItem;
  std::function<void(ListItem& item)> OnItemChecked;
  std::function<void(int column)> OnColumnClick;

 private:
  friend class ListItem;
  void SetOption(bool& field, bool value);
  void Renumber(std::size_t from);
  void ClickAt(Point point);
  int RowAt(int y) const;
  int TextLeft() const;

  ui::ViewStyle viewStyle_ = ui::ViewStyle::vsIcon;
  bool checkboxes_ = false;
  bool rowSelect_ = false;
  bool readOnly_ = false;
  bool hideSelection_ = true;
  bool columnClick_ = true;
  bool showColumnHeaders_ = true;
  bool groupView_ = false;
  ImageList* smallImages_ = nullptr;
  std::vector<ListColumn> columns_;
  std::vector<ListGroup> groups_;
  std::vector<std::unique_ptr<ListItem>> items_;
  int itemIndex_ = -1;
  int updateDepth_ = 0;
  ListMetrics metrics_;
  int topIndex_ = 0;
};

}  // namespace zt::ui
