#include "ui/combo_box.h"

#include "ui/component.h"

namespace zt::ui {

namespace {

std::vector<std::wstring> SplitLines(std::wstring_view text) {
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != L'\r' && text[i] != L'\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

}  // namespace

int ComboItems::Add(std::wstring item) {
  Insert(Count(), std::move(item));
  return Count() - 1;
}

void ComboItems::Insert(int index, std::wstring item) {
  if (index < 0 || index > Count()) throw std::out_of_range("combo box item index out of range");
  items_.insert(items_.begin() + index, std::move(item));
  if (combo_.itemIndex_ >= index) ++combo_.itemIndex_;
  combo_.ItemsChanged(Change::List(Property::Items, ListChange::Inserted, index));
}

void ComboItems::Delete(int index) {
  if (index < 0 || index >= Count()) throw std::out_of_range("combo box item index out of range");
  items_.erase(items_.begin() + index);
  if (combo_.itemIndex_ == index)
    combo_.itemIndex_ = -1;
  else if (combo_.itemIndex_ > index)
    --combo_.itemIndex_;
  combo_.ItemsChanged(Change::List(Property::Items, ListChange::Removed, index));
}

void ComboItems::Clear() {
  if (items_.empty() && combo_.itemIndex_ == -1) return;
  items_.clear();
  combo_.itemIndex_ = -1;
  // Emptying the window's list empties its edit too.
  combo_.StoreCaptionText({});
  combo_.ItemsChanged(Change::Of(Property::Items));
}

int ComboItems::IndexOf(std::wstring_view item) const {
  for (int i = 0; i < Count(); ++i)
    if (SameName(items_[static_cast<std::size_t>(i)], item)) return i;
  return -1;
}

std::wstring ComboItems::Text() const {
  std::wstring text;
  for (const auto& item : items_) text += item + L"\r\n";
  return text;
}

void ComboItems::SetText(std::wstring_view text) {
  items_ = SplitLines(text);
  if (combo_.itemIndex_ >= Count()) combo_.itemIndex_ = -1;
  combo_.ItemsChanged(Change::Of(Property::Items));
}

ComboBox::ComboBox() { SetColor(clWindow); }

void ComboBox::SetStyle(ComboBoxStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed(Property::Style);
}

void ComboBox::ItemsChanged(const Change& change) {
  Changed(change);
  // The selected item's text is what the box shows.
  if (itemIndex_ >= 0) {
    StoreCaptionText(items_[itemIndex_]);
  } else if (style_ == ComboBoxStyle::csDropDownList) {
    StoreCaptionText({});
  }
  Changed(Property::ItemIndex);
}

void ComboBox::SetItemIndex(int index) {
  if (index < -1 || index >= items_.Count()) index = -1;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  if (index >= 0)
    StoreCaptionText(items_[index]);
  else if (style_ == ComboBoxStyle::csDropDownList)
    StoreCaptionText({});
  Changed(Property::ItemIndex);
}

void ComboBox::SetText(std::wstring text) {
  if (style_ == ComboBoxStyle::csDropDownList) {
    SetItemIndex(items_.IndexOf(text));
    return;
  }
  StoreCaptionText(std::move(text));
  if (itemIndex_ != -1) {
    itemIndex_ = -1;
    Changed(Property::ItemIndex);
  }
}

void ComboBox::UserSelect(int index) {
  if (!Usable() || index < 0 || index >= items_.Count()) return;
  SetItemIndex(index);
  Fire(OnChange);
}

void ComboBox::UserSetText(std::wstring text) {
  if (!Usable() || style_ == ComboBoxStyle::csDropDownList || text == Text()) return;
  SetText(std::move(text));
  Fire(OnChange);
}

std::vector<StringProperty> ComboBox::StringProperties() {
  auto list = Control::StringProperties();
  auto at = list.begin();
  at = list.insert(at, StringProperty{L"Items", [this] { return items_.Text(); },
                                      [this](const std::wstring& v) { items_.SetText(v); }});
  // A drop-down list shows its selected item; it has no text of its own.
  if (style_ != ComboBoxStyle::csDropDownList)
    list.insert(at + 1, StringProperty{L"Text", [this] { return Text(); },
                                       [this](const std::wstring& v) { SetText(v); }});
  return list;
}

}  // namespace zt::ui
