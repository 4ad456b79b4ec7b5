#pragma once
// Controls: components with a place on a window. `Control` is any visible
// element; `WinControl` is one that has a window of its own, can hold child
// controls and can take the focus.
#include <functional>
#include <string>
#include <vector>

#include "ui/component.h"

namespace zt::ui {

class Form;
class WinControl;

// User operations (`User...`) are what the window binding calls for real user
// actions; they follow the framework's semantics and fire the events a real
// window would. They are ignored while the control is not Usable(), since a
// window delivers no input to a hidden or disabled control.
class Control : public Component {
 public:
  Control();
  ~Control() override;
  std::wstring_view ClassName() const override { return L"TControl"; }

  WinControl* Parent() const { return parent_; }
  // Appends the control to the parent's children (on top of them).
  void SetParent(WinControl* parent);
  // The form the control sits on (itself for a form), or nullptr.
  Form* ParentForm() const;

  int Left() const { return bounds_.left; }
  int Top() const { return bounds_.top; }
  int Width() const { return bounds_.width; }
  int Height() const { return bounds_.height; }
  const ui::Bounds& BoundsRect() const { return bounds_; }
  void SetLeft(int left) { SetBounds(left, bounds_.top, bounds_.width, bounds_.height); }
  void SetTop(int top) { SetBounds(bounds_.left, top, bounds_.width, bounds_.height); }
  void SetWidth(int width) { SetBounds(bounds_.left, bounds_.top, width, bounds_.height); }
  void SetHeight(int height) { SetBounds(bounds_.left, bounds_.top, bounds_.width, height); }
  virtual void SetBounds(int left, int top, int width, int height);

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // Visible and enabled itself, and enabled up through its parents.
  bool Usable() const;

  const std::wstring& Hint() const { return hint_; }
  void SetHint(std::wstring hint);
  // Whether the hint is shown; with ParentShowHint set it is the parent's
  // (read through the parents, not copied). Setting it clears ParentShowHint.
  bool ShowHint() const;
  void SetShowHint(bool showHint);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool parentShowHint);

  // The font; with ParentFont set it follows the parent's font. Setting a
  // font clears ParentFont.
  const ui::Font& Font() const { return font_; }
  void SetFont(const ui::Font& font);
  void SetFontColor(TColor color);
  void SetFontStyle(Set<FontStyle> style);
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool parentFont);

  // The background colour; with ParentColor set it follows the parent's.
  // Setting a colour clears ParentColor.
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool parentColor);
  ui::Cursor Cursor() const { return cursor_; }
  void SetCursor(ui::Cursor cursor);

  // Z-order among the siblings.
  void BringToFront();
  void SendToBack();

  // Draws the control and all it holds on the screen at once, without
  // waiting for the message loop (which may not run while work goes on).
  void Repaint() { Changed(Property::Repaint); }

  std::vector<StringProperty> StringProperties() override;

  std::function<void()> OnClick;
  std::function<void()> OnDblClick;
  std::function<void()> OnMouseEnter;
  std::function<void()> OnMouseLeave;
  std::function<void(MouseButton button, ShiftStates shift, int x, int y)> OnMouseDown;
  std::function<void(MouseButton button, ShiftStates shift, int x, int y)> OnMouseUp;

  // A click (mouse down and up on the control, or the keyboard equivalent).
  // Fires OnClick; kinds add what their window does first (toggle, check, ...).
  virtual void UserClick();
  void UserDblClick();
  void UserMouseEnter();
  void UserMouseLeave();
  // Client coordinates of the control.
  virtual void UserMouseDown(MouseButton button, ShiftStates shift, int x, int y);
  void UserMouseUp(MouseButton button, ShiftStates shift, int x, int y);

 protected:
  // Caption or Text, for the kinds that publish one.
  const std::wstring& CaptionText() const { return text_; }
  // Stores the text and tells the view; false when it was already that.
  bool StoreCaptionText(std::wstring text);
  // A Caption (or Text) property entry for StringProperties().
  StringProperty CaptionProperty(std::wstring path);

  void Fire(const std::function<void()>& event) {
    if (event) event();
  }
  virtual void FontChanged();
  virtual void ColorChanged();

 private:
  friend class WinControl;
  void AdoptParentFont();
  void AdoptParentColor();

  WinControl* parent_ = nullptr;
  ui::Bounds bounds_;
  bool visible_ = true;
  bool enabled_ = true;
  std::wstring hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  ui::Font font_;
  bool parentFont_ = true;
  TColor color_ = clBtnFace;
  bool parentColor_ = true;
  ui::Cursor cursor_ = ui::Cursor::crDefault;
  std::wstring text_;
};

class WinControl : public Control {
 public:
  ~WinControl() override;
  std::wstring_view ClassName() const override { return L"TWinControl"; }

  // Child controls, bottom of the z-order first.
  const std::vector<Control*>& Controls() const { return controls_; }
  int ControlCount() const { return static_cast<int>(controls_.size()); }

  // Moves the focus here (ActiveControl of its form): the previously focused
  // control gets OnExit, this one OnEnter.
  void SetFocus();
  bool Focused() const;
  // The focus arrived by a user action; same as SetFocus.
  void UserEnter() { SetFocus(); }

  std::function<void()> OnEnter;
  std::function<void()> OnExit;

 protected:
  virtual void ControlInserted(Control& /*control*/) {}
  virtual void ControlRemoved(Control& /*control*/) {}
  void FontChanged() override;
  void ColorChanged() override;

 private:
  friend class Control;
  std::vector<Control*> controls_;
};

}  // namespace zt::ui
