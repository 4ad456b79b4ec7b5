#include "ui/form.h"

#include <stdexcept>

#include "ui/buttons.h"
#include "ui/host.h"
#include "ui/memo.h"

namespace zt::ui {

Form::Form() {
  Control::SetVisible(false);
  SetParentFont(false);
  SetParentColor(false);
  SetParentShowHint(false);
}

Form::~Form() = default;

void Form::SetFrameSize(int width, int height) {
  int clientWidth = ClientWidth();
  int clientHeight = ClientHeight();
  frameWidth_ = width;
  frameHeight_ = height;
  SetBounds(Left(), Top(), clientWidth + width, clientHeight + height);
}

void Form::SetBorderStyle(ui::BorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  Changed(Property::Style);
}

void Form::SetBorderIcons(Set<BorderIcon> icons) {
  if (icons == borderIcons_) return;
  borderIcons_ = icons;
  Changed(Property::Style);
}

void Form::SetPosition(ui::Position position) {
  if (position == position_) return;
  position_ = position;
  Changed(Property::Style);
}

void Form::SetFormStyle(ui::FormStyle style) {
  if (style == formStyle_) return;
  formStyle_ = style;
  Changed(Property::Style);
}

void Form::SetScaled(bool scaled) {
  if (scaled == scaled_) return;
  scaled_ = scaled;
  Changed(Property::Style);
}

void Form::SetScreenBackdrop(bool enabled, int offset) {
  if (enabled == screenBackdrop_ && offset == screenBackdropOffset_) return;
  screenBackdrop_ = enabled;
  screenBackdropOffset_ = offset;
  Changed(Property::Style);
}

void Form::SetActiveControl(WinControl* control, Notify notify) {
  if (control == activeControl_) return;
  if (control && control->ParentForm() != this)
    throw std::invalid_argument("the control is not on this form");
  WinControl* old = activeControl_;
  if (old) RemoveFreeNotification(*old);
  activeControl_ = control;
  if (control) FreeNotification(*control);
  Changed(Property::ActiveControl);
  if (notify == Notify::No || !Visible()) return;
  if (old && old->OnExit) old->OnExit();
  if (control && control == activeControl_ && control->OnEnter) control->OnEnter();
}

void Form::DoCreate() { Fire(OnCreate); }

void Form::SetVisible(bool visible) {
  if (visible == Visible()) return;
  Control::SetVisible(visible);
  if (!visible) {
    Fire(OnHide);
    return;
  }
  Fire(OnShow);
  if (activeControl_ && Visible()) Fire(activeControl_->OnEnter);
}

int Form::ShowModal() {
  if (Visible() || modal_) throw std::logic_error("cannot make a visible window modal");
  Host& host = RequireHost();
  modal_ = true;
  modalResult_ = mrNone;
  try {
    Show();
    host.RunModal(*this);
  } catch (...) {
    modal_ = false;
    Hide();
    throw;
  }
  modal_ = false;
  Hide();
  return modalResult_;
}

bool Form::ModalLoopDone() {
  if (modalResult_ == mrNone) return false;
  CloseAction action = CloseAction::caNone;
  if (CloseQuery()) {
    action = CloseAction::caHide;
    if (OnClose) OnClose(action);
  }
  if (action == CloseAction::caNone) modalResult_ = mrNone;
  return modalResult_ != mrNone;
}

void Form::Close() {
  if (modal_) {
    modalResult_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  CloseAction action = CloseAction::caHide;
  if (OnClose) OnClose(action);
  if (action == CloseAction::caNone) return;
  Hide();
  if (Host* host = FindHost()) host->FormClosed(*this);
}

bool Form::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(canClose);
  return canClose;
}

Button* Form::FindButton(bool isDefault) const {
  std::vector<const WinControl*> pending{this};
  while (!pending.empty()) {
    const WinControl* container = pending.back();
    pending.pop_back();
    for (Control* child : container->Controls()) {
      if (auto* button = dynamic_cast<Button*>(child)) {
        if ((isDefault ? button->Default() : button->Cancel()) && button->Usable()) return button;
      } else if (auto* inner = dynamic_cast<WinControl*>(child); inner && inner->Visible()) {
        pending.push_back(inner);
      }
    }
  }
  return nullptr;
}

bool Form::UserKeyDown(std::uint16_t key, ShiftStates shift) {
  if (keyPreview_ && OnKeyDown) {
    OnKeyDown(key, shift);
    if (key == 0) return false;
  }
  // A focused button takes Return itself, and a memo takes it as a line break.
  if (key == vkReturn && (dynamic_cast<Button*>(activeControl_) || dynamic_cast<Memo*>(activeControl_)))
    return true;
  if (key == vkReturn || key == vkEscape) {
    if (Button* button = FindButton(key == vkReturn)) {
      button->UserClick();
      return false;
    }
  }
  return true;
}

std::vector<StringProperty> Form::StringProperties() {
  auto list = Control::StringProperties();
  list.insert(list.begin(), CaptionProperty(L"Caption"));
  return list;
}

void Form::Notification(Component& component, Operation operation) {
  if (operation == Operation::opRemove && static_cast<Component*>(activeControl_) == &component)
    activeControl_ = nullptr;
  WinControl::Notification(component, operation);
}

}  // namespace zt::ui
