#pragma once
// Pop-up menu and its items.
#include <functional>
#include <string>
#include <vector>

#include "ui/component.h"

namespace zt::ui {

class PopupMenu;

// A menu item: a named component (owned like any other, usually by the form)
// placed in a menu. The caption "-" makes a separator. Its changes are
// reported to the menu's view as an updated entry of Items.
class MenuItem : public Component {
 public:
  ~MenuItem() override;
  std::wstring_view ClassName() const override { return L"TMenuItem"; }

  const std::wstring& Caption() const { return caption_; }
  void SetCaption(std::wstring caption);
  bool IsLine() const { return caption_ == L"-"; }
  const std::wstring& Hint() const { return hint_; }
  void SetHint(std::wstring hint);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked) { SetFlag(checked_, checked); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { SetFlag(enabled_, enabled); }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { SetFlag(visible_, visible); }
  // Shown in bold; the action of a double click on the tray icon.
  bool Default() const { return default_; }
  void SetDefault(bool isDefault) { SetFlag(default_, isDefault); }

  ui::PopupMenu* Menu() const { return menu_; }
  int MenuIndex() const;

  // The user chose the item; ignored for separators and for hidden or
  // disabled items.
  void UserClick();

  std::vector<StringProperty> StringProperties() override;

  std::function<void()> OnClick;

 protected:
  using Component::Changed;
  void Changed(const Change& change) override;

 private:
  friend class ui::PopupMenu;
  void SetFlag(bool& field, bool value);

  ui::PopupMenu* menu_ = nullptr;
  std::wstring caption_;
  std::wstring hint_;
  bool checked_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  bool default_ = false;
};

enum class PopupAlignment { paLeft, paRight, paCenter };

class PopupMenu : public Component {
 public:
  ~PopupMenu() override;
  std::wstring_view ClassName() const override { return L"TPopupMenu"; }

  int Count() const { return static_cast<int>(items_.size()); }
  MenuItem& Items(int index) const { return *items_.at(static_cast<std::size_t>(index)); }
  // Appends an item (which leaves any menu it was in).
  void Add(MenuItem& item);
  void Remove(MenuItem& item);

  PopupAlignment Alignment() const { return alignment_; }
  void SetAlignment(PopupAlignment alignment);

  // Fires OnPopup, then lets the host track the menu at the screen point.
  // Without a host nothing is shown.
  void Popup(int x, int y);

  std::function<void()> OnPopup;

 private:
  friend class MenuItem;
  void ItemChanged(MenuItem& item);

  std::vector<MenuItem*> items_;
  PopupAlignment alignment_ = PopupAlignment::paLeft;
};

}  // namespace zt::ui
