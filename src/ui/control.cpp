#include "ui/control.h"

#include <algorithm>

#include "ui/form.h"

namespace zt::ui {

Control::Control() = default;

Control::~Control() {
  if (parent_) {
    auto& siblings = parent_->controls_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    parent_->ControlRemoved(*this);
    parent_ = nullptr;
  }
}

void Control::SetParent(WinControl* parent) {
  if (parent == parent_) return;
  if (parent == this) throw std::invalid_argument("a control cannot be its own parent");
  for (WinControl* p = parent; p; p = p->parent_)
    if (p == this) throw std::invalid_argument("a control cannot be placed inside itself");
  if (parent_) {
    WinControl* old = parent_;
    auto& siblings = old->controls_;
    int index = static_cast<int>(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
    siblings.erase(siblings.begin() + index);
    parent_ = nullptr;
    old->ControlRemoved(*this);
    old->Changed(Change::List(Property::Controls, ListChange::Removed, index));
  }
  parent_ = parent;
  if (parent_) {
    parent_->controls_.push_back(this);
    if (parentFont_) AdoptParentFont();
    if (parentColor_) AdoptParentColor();
    parent_->ControlInserted(*this);
    parent_->Changed(Change::List(Property::Controls, ListChange::Inserted, parent_->ControlCount() - 1));
  }
  Changed(Property::Parent);
}

Form* Control::ParentForm() const {
  const Control* c = this;
  while (c->parent_) c = c->parent_;
  return dynamic_cast<Form*>(const_cast<Control*>(c));
}

void Control::SetBounds(int left, int top, int width, int height) {
  ui::Bounds bounds{left, top, width, height};
  if (bounds == bounds_) return;
  bounds_ = bounds;
  Changed(Property::Bounds);
}

void Control::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Changed(Property::Visible);
}

void Control::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Changed(Property::Enabled);
}

bool Control::Usable() const {
  if (!visible_) return false;
  for (const Control* c = this; c; c = c->parent_)
    if (!c->enabled_) return false;
  return true;
}

void Control::SetHint(std::wstring hint) {
  if (hint == hint_) return;
  hint_ = std::move(hint);
  Changed(Property::Hint);
}

bool Control::ShowHint() const {
  const Control* c = this;
  while (c->parentShowHint_ && c->parent_) c = c->parent_;
  return c->showHint_;
}

void Control::SetShowHint(bool showHint) {
  parentShowHint_ = false;
  if (showHint == showHint_) return;
  showHint_ = showHint;
  Changed(Property::Hint);
}

void Control::SetParentShowHint(bool parentShowHint) {
  if (parentShowHint == parentShowHint_) return;
  parentShowHint_ = parentShowHint;
  Changed(Property::Hint);
}

void Control::SetFont(const ui::Font& font) {
  parentFont_ = false;
  if (font == font_) return;
  font_ = font;
  FontChanged();
}

void Control::SetFontColor(TColor color) {
  ui::Font font = font_;
  font.Color = color;
  SetFont(font);
}

void Control::SetFontStyle(Set<FontStyle> style) {
  ui::Font font = font_;
  font.Style = style;
  SetFont(font);
}

void Control::SetParentFont(bool parentFont) {
  parentFont_ = parentFont;
  if (parentFont_ && parent_) AdoptParentFont();
}

void Control::AdoptParentFont() {
  if (parent_->font_ == font_) return;
  font_ = parent_->font_;
  FontChanged();
}

void Control::FontChanged() { Changed(Property::Font); }

void Control::SetColor(TColor color) {
  parentColor_ = false;
  if (color == color_) return;
  color_ = color;
  ColorChanged();
}

void Control::SetParentColor(bool parentColor) {
  parentColor_ = parentColor;
  if (parentColor_ && parent_) AdoptParentColor();
}

void Control::AdoptParentColor() {
  if (parent_->color_ == color_) return;
  color_ = parent_->color_;
  ColorChanged();
}

void Control::ColorChanged() { Changed(Property::Color); }

void Control::SetCursor(ui::Cursor cursor) {
  if (cursor == cursor_) return;
  cursor_ = cursor;
  Changed(Property::Cursor);
}

void Control::BringToFront() {
  if (!parent_) return;
  auto& siblings = parent_->controls_;
  auto it = std::find(siblings.begin(), siblings.end(), this);
  std::rotate(it, it + 1, siblings.end());
  Changed(Property::ZOrder);
}

void Control::SendToBack() {
  if (!parent_) return;
  auto& siblings = parent_->controls_;
  auto it = std::find(siblings.begin(), siblings.end(), this);
  std::rotate(siblings.begin(), it, it + 1);
  Changed(Property::ZOrder);
}

std::vector<StringProperty> Control::StringProperties() {
  return {StringProperty{L"Hint", [this] { return hint_; }, [this](const std::wstring& v) { SetHint(v); }}};
}

bool Control::StoreCaptionText(std::wstring text) {
  if (text == text_) return false;
  text_ = std::move(text);
  Changed(Property::Caption);
  return true;
}

StringProperty Control::CaptionProperty(std::wstring path) {
  return StringProperty{std::move(path), [this] { return text_; },
                        [this](const std::wstring& v) { StoreCaptionText(v); }};
}

void Control::UserClick() {
  if (Usable()) Fire(OnClick);
}

void Control::UserDblClick() {
  if (Usable()) Fire(OnDblClick);
}

void Control::UserMouseEnter() {
  if (Usable()) Fire(OnMouseEnter);
}

void Control::UserMouseLeave() {
  if (Usable()) Fire(OnMouseLeave);
}

void Control::UserMouseDown(MouseButton button, ShiftStates shift, int x, int y) {
  if (Usable() && OnMouseDown) OnMouseDown(button, shift, x, y);
}

void Control::UserMouseUp(MouseButton button, ShiftStates shift, int x, int y) {
  if (Usable() && OnMouseUp) OnMouseUp(button, shift, x, y);
}

WinControl::~WinControl() {
  // The children belong to their owner, which destroys them; they only lose
  // their place here (and their views hear of it, as their windows go with
  // this one's).
  std::vector<Control*> children;
  children.swap(controls_);
  for (Control* child : children) {
    child->parent_ = nullptr;
    child->Changed(Property::Parent);
  }
}

void WinControl::FontChanged() {
  Control::FontChanged();
  for (Control* child : controls_)
    if (child->parentFont_) child->AdoptParentFont();
}

void WinControl::ColorChanged() {
  Control::ColorChanged();
  for (Control* child : controls_)
    if (child->parentColor_) child->AdoptParentColor();
}

void WinControl::SetFocus() {
  if (Form* form = ParentForm(); form && form != this) {
    form->SetActiveControl(this);
  } else if (form != this) {
    Fire(OnEnter);
  }
}

bool WinControl::Focused() const {
  Form* form = ParentForm();
  return form && form->ActiveControl() == this;
}

}  // namespace zt::ui
