#include "ui/popup_menu.h"

#include <algorithm>

#include "ui/host.h"

namespace zt::ui {

MenuItem::~MenuItem() {
  if (menu_) menu_->Remove(*this);
}

void MenuItem::SetCaption(std::wstring caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  Changed(Property::Caption);
}

void MenuItem::SetHint(std::wstring hint) {
  if (hint == hint_) return;
  hint_ = std::move(hint);
  Changed(Property::Hint);
}

void MenuItem::SetFlag(bool& field, bool value) {
  if (field == value) return;
  field = value;
  Changed(Property::Style);
}

int MenuItem::MenuIndex() const {
  if (!menu_) return -1;
  const auto& items = menu_->items_;
  return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void MenuItem::UserClick() {
  if (!IsLine() && enabled_ && visible_ && OnClick) OnClick();
}

void MenuItem::Changed(const Change& change) {
  Component::Changed(change);
  if (menu_) menu_->ItemChanged(*this);
}

std::vector<StringProperty> MenuItem::StringProperties() {
  return {StringProperty{L"Caption", [this] { return caption_; },
                         [this](const std::wstring& v) { SetCaption(v); }},
          StringProperty{L"Hint", [this] { return hint_; }, [this](const std::wstring& v) { SetHint(v); }}};
}

PopupMenu::~PopupMenu() {
  for (MenuItem* item : items_) item->menu_ = nullptr;
}

void PopupMenu::Add(MenuItem& item) {
  if (item.menu_) item.menu_->Remove(item);
  items_.push_back(&item);
  item.menu_ = this;
  Changed(Change::List(Property::Items, ListChange::Inserted, Count() - 1));
}

void PopupMenu::Remove(MenuItem& item) {
  auto it = std::find(items_.begin(), items_.end(), &item);
  if (it == items_.end()) return;
  int index = static_cast<int>(it - items_.begin());
  items_.erase(it);
  item.menu_ = nullptr;
  Changed(Change::List(Property::Items, ListChange::Removed, index));
}

void PopupMenu::SetAlignment(PopupAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Changed(Property::Style);
}

void PopupMenu::Popup(int x, int y) {
  if (OnPopup) OnPopup();
  if (Host* host = FindHost()) host->Popup(*this, x, y);
}

void PopupMenu::ItemChanged(MenuItem& item) {
  Changed(Change::List(Property::Items, ListChange::Updated, item.MenuIndex()));
}

}  // namespace zt::ui
