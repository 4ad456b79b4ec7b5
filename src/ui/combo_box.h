#pragma once
// Combo box and its item list.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"

namespace zt::ui {

class ComboBox;

// The items of a combo box. Text is the framework's string-list text: every
// item followed by CR LF; SetText splits at CR LF, CR or LF.
class ComboItems {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  const std::wstring& operator[](int index) const { return items_.at(static_cast<std::size_t>(index)); }
  int Add(std::wstring item);
  void Insert(int index, std::wstring item);
  void Delete(int index);
  void Clear();
  // Exact match without regard to (ASCII) case, as the window's search; -1 if none.
  int IndexOf(std::wstring_view item) const;
  std::wstring Text() const;
  // Replaces all items. Unlike the framework (which clears the list and so
  // loses the selection), the selected index stays when it is still in range,
  // so translating a window keeps its choices.
  void SetText(std::wstring_view text);

 private:
  friend class ComboBox;
  explicit ComboItems(ComboBox& combo) : combo_(combo) {}
  ComboBox& combo_;
  std::vector<std::wstring> items_;
};

enum class ComboBoxStyle { csDropDown, csSimple, csDropDownList };

// A combo box. Setting ItemIndex or Text fires nothing; a user's selection
// fires OnChange, and so does typing in a csDropDown box. In a
// csDropDownList box Text is the selected item's text.
class ComboBox : public WinControl {
 public:
  ComboBox();
  std::wstring_view ClassName() const override { return L"TComboBox"; }

  ComboBoxStyle Style() const { return style_; }
  void SetStyle(ComboBoxStyle style);
  ComboItems& Items() { return items_; }
  const ComboItems& Items() const { return items_; }

  int ItemIndex() const { return itemIndex_; }
  // Out of range selects nothing (-1).
  void SetItemIndex(int index);
  const std::wstring& Text() const { return CaptionText(); }
  // csDropDownList: selects the matching item (IndexOf), or nothing.
  // csDropDown: the edit shows the text and no item is selected.
  void SetText(std::wstring text);

  void UserSelect(int index);
  void UserSetText(std::wstring text);

  std::vector<StringProperty> StringProperties() override;

  std::function<void()> OnChange;

 private:
  friend class ComboItems;
  void ItemsChanged(const Change& change);

  ComboItems items_{*this};
  ComboBoxStyle style_ = ComboBoxStyle::csDropDown;
  int itemIndex_ = -1;
};

}  // namespace zt::ui
