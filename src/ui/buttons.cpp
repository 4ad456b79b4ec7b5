#include "ui/buttons.h"

#include "ui/form.h"

namespace zt::ui {

void Button::SetDefault(bool isDefault) {
  if (isDefault == default_) return;
  default_ = isDefault;
  Changed(Property::Style);
}

void Button::UserClick() {
  if (!Usable()) return;
  if (Form* form = ParentForm()) form->SetModalResult(modalResult_);
  Fire(OnClick);
}

std::vector<StringProperty> Button::StringProperties() {
  auto list = Control::StringProperties();
  list.insert(list.begin(), CaptionProperty(L"Caption"));
  return list;
}

void CheckBox::SetState(CheckBoxState state, Notify notify) {
  if (state == state_) return;
  state_ = state;
  Changed(Property::Checked);
  if (notify == Notify::Yes) Fire(OnClick);
}

void CheckBox::UserClick() {
  if (!Usable()) return;
  switch (state_) {
    case CheckBoxState::cbUnchecked:
      SetState(allowGrayed_ ? CheckBoxState::cbGrayed : CheckBoxState::cbChecked);
      break;
    case CheckBoxState::cbChecked:
      SetState(CheckBoxState::cbUnchecked);
      break;
    case CheckBoxState::cbGrayed:
      SetState(CheckBoxState::cbChecked);
      break;
  }
}

std::vector<StringProperty> CheckBox::StringProperties() {
  auto list = Control::StringProperties();
  list.insert(list.begin(), CaptionProperty(L"Caption"));
  return list;
}

void RadioButton::SetChecked(bool checked, Notify notify) {
  if (checked == checked_) return;
  checked_ = checked;
  Changed(Property::Checked);
  if (!checked) return;
  if (WinControl* parent = Parent()) {
    for (Control* sibling : parent->Controls())
      if (auto* radio = dynamic_cast<RadioButton*>(sibling); radio && radio != this) radio->SetChecked(false);
  }
  if (notify == Notify::Yes) Fire(OnClick);
}

void RadioButton::UserClick() {
  if (Usable()) SetChecked(true);
}

std::vector<StringProperty> RadioButton::StringProperties() {
  auto list = Control::StringProperties();
  list.insert(list.begin(), CaptionProperty(L"Caption"));
  return list;
}

void SpeedButton::SetFlat(bool flat) {
  if (flat == flat_) return;
  flat_ = flat;
  Changed(Property::Style);
}

void SpeedButton::SetDown(bool down) {
  // As in the framework: only a grouped button can be down, and a pressed
  // button of a group that may not be all up stays down.
  if (groupIndex_ == 0) down = false;
  if (down == down_) return;
  if (down_ && !allowAllUp_) return;
  down_ = down;
  Changed(Property::Checked);
  if (!down_ || !Parent()) return;
  for (Control* sibling : Parent()->Controls()) {
    auto* other = dynamic_cast<SpeedButton*>(sibling);
    if (other && other != this && other->groupIndex_ == groupIndex_ && other->down_) {
      other->down_ = false;
      other->Changed(Property::Checked);
    }
  }
}

void SpeedButton::UserClick() {
  if (!Usable()) return;
  if (groupIndex_ != 0) {
    if (!down_) {
      SetDown(true);
    } else if (allowAllUp_) {
      SetDown(false);
    }
  }
  Fire(OnClick);
}

std::vector<StringProperty> SpeedButton::StringProperties() {
  auto list = Control::StringProperties();
  list.insert(list.begin(), CaptionProperty(L"Caption"));
  return list;
}

}  // namespace zt::ui
