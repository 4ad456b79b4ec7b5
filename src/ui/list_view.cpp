#include "ui/list_view.h"

#include <algorithm>
#include <stdexcept>

#include "ui/image.h"

namespace zt::ui {

void ListItem::Updated() { owner_->Changed(Change::List(Property::Items, ListChange::Updated, index_)); }

void ListItem::SetCaption(std::wstring caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  Updated();
}

void ListItem::SetSubItems(std::vector<std::wstring> subItems) {
  if (subItems == subItems_) return;
  subItems_ = std::move(subItems);
  Updated();
}

void ListItem::AddSubItem(std::wstring text) {
  subItems_.push_back(std::move(text));
  Updated();
}

void ListItem::SetSubItem(int index, std::wstring text) {
  if (index < 0) throw std::out_of_range("negative sub-item index");
  std::size_t at = static_cast<std::size_t>(index);
  if (at < subItems_.size() && subItems_[at] == text) return;
  if (at >= subItems_.size()) subItems_.resize(at + 1);
  subItems_[at] = std::move(text);
  Updated();
}

void ListItem::SetChecked(bool checked, Notify notify) {
  if (checked == checked_) return;
  checked_ = checked;
  owner_->Changed(Change::List(Property::Checked, ListChange::Updated, index_));
  if (notify == Notify::Yes && owner_->OnItemChecked) owner_->OnItemChecked(*this);
}

bool ListItem::Selected() const { return owner_->itemIndex_ == index_; }

void ListItem::SetSelected(bool selected, Notify notify) {
  if (selected)
    owner_->SetItemIndex(index_, notify);
  else if (Selected())
    owner_->SetItemIndex(-1, notify);
}

void ListItem::SetGroupID(int groupId) {
  if (groupId == groupId_) return;
  groupId_ = groupId;
  Updated();
}

void ListItem::SetImageIndex(int imageIndex) {
  if (imageIndex == imageIndex_) return;
  imageIndex_ = imageIndex;
  Updated();
}

void ListItem::MakeVisible() {
  int top = owner_->topIndex_;
  int rows = owner_->VisibleRowCount();
  if (index_ < top)
    top = index_;
  else if (index_ >= top + rows)
    top = index_ - rows + 1;
  owner_->SetTopIndex(top);
}

ListView::ListView() { SetColor(clWindow); }

void ListView::SetTopIndex(int topIndex) {
  topIndex = std::clamp(topIndex, 0, std::max(0, ItemCount() - 1));
  if (topIndex == topIndex_) return;
  topIndex_ = topIndex;
  Changed(Property::Position);
}

int ListView::VisibleRowCount() const {
  int header = showColumnHeaders_ ? metrics_.headerHeight : 0;
  return metrics_.rowHeight > 0 ? std::max(1, (Height() - header) / metrics_.rowHeight) : 1;
}

ListView::~ListView() = default;

void ListView::SetOption(bool& field, bool value) {
  if (field == value) return;
  field = value;
  Changed(Property::Style);
}

void ListView::SetViewStyle(ui::ViewStyle viewStyle) {
  if (viewStyle == viewStyle_) return;
  viewStyle_ = viewStyle;
  Changed(Property::Style);
}

void ListView::SetSmallImages(ImageList* images) {
  if (images == smallImages_) return;
  if (smallImages_) RemoveFreeNotification(*smallImages_);
  smallImages_ = images;
  if (smallImages_) FreeNotification(*smallImages_);
  Changed(Property::Style);
}

void ListView::Notification(Component& component, Operation operation) {
  if (operation == Operation::opRemove && static_cast<Component*>(smallImages_) == &component) {
    smallImages_ = nullptr;
    Changed(Property::Style);
  }
  WinControl::Notification(component, operation);
}

void ListView::AddColumn(ListColumn column) {
  columns_.push_back(std::move(column));
  Changed(Change::List(Property::Columns, ListChange::Inserted, ColumnCount() - 1));
}

void ListView::SetColumn(int index, ListColumn column) {
  ListColumn& target = columns_.at(static_cast<std::size_t>(index));
  if (target == column) return;
  target = std::move(column);
  Changed(Change::List(Property::Columns, ListChange::Updated, index));
}

void ListView::DeleteColumn(int index) {
  if (index < 0 || index >= ColumnCount()) throw std::out_of_range("column index out of range");
  columns_.erase(columns_.begin() + index);
  Changed(Change::List(Property::Columns, ListChange::Removed, index));
}

void ListView::AddGroup(ListGroup group) {
  groups_.push_back(std::move(group));
  Changed(Change::List(Property::Groups, ListChange::Inserted, GroupCount() - 1));
}

void ListView::SetGroup(int index, ListGroup group) {
  ListGroup& target = groups_.at(static_cast<std::size_t>(index));
  if (target == group) return;
  target = std::move(group);
  Changed(Change::List(Property::Groups, ListChange::Updated, index));
}

void ListView::ClearGroups() {
  if (groups_.empty()) return;
  groups_.clear();
  Changed(Property::Groups);
}

ListItem& ListView::AddItem(std::wstring caption) { return InsertItem(ItemCount(), std::move(caption)); }

ListItem& ListView::InsertItem(int index, std::wstring caption) {
  if (index < 0 || index > ItemCount()) throw std::out_of_range("item index out of range");
  auto item = std::unique_ptr<ListItem>(new ListItem(*this, std::move(caption)));
  ListItem& result = *item;
  items_.insert(items_.begin() + index, std::move(item));
  Renumber(static_cast<std::size_t>(index));
  if (itemIndex_ >= index) ++itemIndex_;
  Changed(Change::List(Property::Items, ListChange::Inserted, index));
  return result;
}

void ListView::DeleteItem(int index) {
  if (index < 0 || index >= ItemCount()) throw std::out_of_range("item index out of range");
  items_.erase(items_.begin() + index);
  Renumber(static_cast<std::size_t>(index));
  if (itemIndex_ == index)
    itemIndex_ = -1;
  else if (itemIndex_ > index)
    --itemIndex_;
  Changed(Change::List(Property::Items, ListChange::Removed, index));
}

void ListView::ClearItems() {
  if (items_.empty()) return;
  items_.clear();
  itemIndex_ = -1;
  Changed(Property::Items);
  SetTopIndex(0);
}

void ListView::CustomSort(const std::function<bool(const ListItem& a, const ListItem& b)>& less) {
  ListItem* selected = Selected();
  std::stable_sort(
      items_.begin(), items_.end(),
      [&](const std::unique_ptr<ListItem>& a, const std::unique_ptr<ListItem>& b) { return less(*a, *b); });
  Renumber(0);
  itemIndex_ = selected ? selected->index_ : -1;
  Changed(Property::Items);
}

void ListView::Renumber(std::size_t from) {
  for (std::size_t i = from; i < items_.size(); ++i) items_[i]->index_ = static_cast<int>(i);
}

void ListView::BeginUpdate() {
  if (updateDepth_++ == 0) Changed(Property::BeginUpdate);
}

void ListView::EndUpdate() {
  if (updateDepth_ == 0) return;
  if (--updateDepth_ == 0) Changed(Property::EndUpdate);
}

void ListView::SetItemIndex(int index, Notify notify) {
  if (index < -1 || index >= ItemCount()) index = -1;
  if (index == itemIndex_) return;
  int old = itemIndex_;
  itemIndex_ = index;
  if (old >= 0) Changed(Change::List(Property::ItemIndex, ListChange::Updated, old));
  if (index >= 0) Changed(Change::List(Property::ItemIndex, ListChange::Updated, index));
  if (notify == Notify::No || !OnSelectItem) return;
  // The handler of the first event may change the list; look the items up again.
  if (old >= 0 && old < ItemCount()) OnSelectItem(*items_[static_cast<std::size_t>(old)], false);
  if (itemIndex_ == index && index >= 0) OnSelectItem(*items_[static_cast<std::size_t>(index)], true);
}

int ListView::RowAt(int y) const {
  int header = showColumnHeaders_ ? metrics_.headerHeight : 0;
  if (y < header || metrics_.rowHeight <= 0) return -1;
  return topIndex_ + (y - header) / metrics_.rowHeight;
}

int ListView::TextLeft() const {
  int left = metrics_.stateIconLeft;
  if (checkboxes_) left += metrics_.stateIconWidth;
  if (smallImages_) left += metrics_.smallIconWidth;
  return left;
}

Set<ui::HitTest> ListView::HitTestAt(int x, int y) const {
  using ui::HitTest;
  int header = showColumnHeaders_ ? metrics_.headerHeight : 0;
  if (y < header) return HitTest::htAbove;
  if (x < 0) return HitTest::htToLeft;
  if (x >= Width()) return HitTest::htToRight;
  int row = RowAt(y);
  if (row < 0 || row >= ItemCount()) return HitTest::htNowhere;
  int left = metrics_.stateIconLeft;
  if (x < left) return HitTest::htNowhere;
  if (checkboxes_) {
    if (x < left + metrics_.stateIconWidth) return HitTest::htOnStateIcon;
    left += metrics_.stateIconWidth;
  }
  if (smallImages_) {
    if (x < left + metrics_.smallIconWidth) return HitTest::htOnIcon;
    left += metrics_.smallIconWidth;
  }
  int labelEnd = columns_.empty() ? Width() : columns_[0].Width;
  if (rowSelect_ || x < labelEnd) return HitTest::htOnLabel;
  return HitTest::htNowhere;
}

ListItem* ListView::ItemAt(int x, int y) const {
  Set<ui::HitTest> hit = HitTestAt(x, y);
  if (hit * Set<ui::HitTest>{ui::HitTest::htOnIcon, ui::HitTest::htOnLabel, ui::HitTest::htOnStateIcon} ==
      Set<ui::HitTest>{})
    return nullptr;
  return items_[static_cast<std::size_t>(RowAt(y))].get();
}

bool ListView::IsOnCheckBox(int x, int y) const {
  return checkboxes_ && HitTestAt(x, y) == Set<ui::HitTest>{ui::HitTest::htOnStateIcon};
}

Point ListView::CheckBoxPoint(int index) const {
  int header = showColumnHeaders_ ? metrics_.headerHeight : 0;
  return Point{metrics_.stateIconLeft + metrics_.stateIconWidth / 2,
               header + (index - topIndex_) * metrics_.rowHeight + metrics_.rowHeight / 2};
}

Point ListView::CaptionPoint(int index) const {
  Point point = CheckBoxPoint(index);
  point.x = TextLeft() + 4;
  return point;
}

void ListView::UserMouseDown(MouseButton button, ShiftStates shift, int x, int y) {
  if (!Usable()) return;
  if (button == MouseButton::mbLeft) {
    ListItem* item = ItemAt(x, y);
    if (IsOnCheckBox(x, y)) {
      item->SetChecked(!item->Checked());
    } else if (item) {
      SetItemIndex(item->Index());
    } else if (HitTestAt(x, y).Contains(ui::HitTest::htNowhere)) {
      SetItemIndex(-1);
    }
  }
  WinControl::UserMouseDown(button, shift, x, y);
}

void ListView::ClickAt(Point point) {
  UserMouseDown(MouseButton::mbLeft, {}, point.x, point.y);
  UserMouseUp(MouseButton::mbLeft, {}, point.x, point.y);
  WinControl::UserClick();
}

void ListView::UserClickCheckBox(int index) {
  if (index >= 0 && index < ItemCount() && checkboxes_) ClickAt(CheckBoxPoint(index));
}

void ListView::UserClickItem(int index) {
  if (index >= 0 && index < ItemCount()) ClickAt(CaptionPoint(index));
}

void ListView::UserColumnClick(int column) {
  if (Usable() && columnClick_ && column >= 0 && column < ColumnCount() && OnColumnClick)
    OnColumnClick(column);
}

std::vector<StringProperty> ListView::StringProperties() {
  std::vector<StringProperty> list;
  for (int i = 0; i < ColumnCount(); ++i) {
    list.push_back(
        StringProperty{L"Columns[" + std::to_wstring(i) + L"].Caption",
                       [this, i] { return i < ColumnCount() ? Column(i).Caption : std::wstring(); },
                       [this, i](const std::wstring& v) {
                         if (i >= ColumnCount()) return;
                         ListColumn column = Column(i);
                         column.Caption = v;
                         SetColumn(i, column);
                       }});
  }
  for (int i = 0; i < GroupCount(); ++i) {
    list.push_back(StringProperty{L"Groups[" + std::to_wstring(i) + L"].Header",
                                  [this, i] { return i < GroupCount() ? Group(i).Header : std::wstring(); },
                                  [this, i](const std::wstring& v) {
                                    if (i >= GroupCount()) return;
                                    ListGroup group = Group(i);
                                    group.Header = v;
                                    SetGroup(i, group);
                                  }});
  }
  auto base = Control::StringProperties();
  list.insert(list.end(), base.begin(), base.end());
  return list;
}

}  // namespace zt::ui
