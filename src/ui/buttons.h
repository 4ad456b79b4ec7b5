#pragma once
// Buttons: push button, check box, radio button, flat speed button.
#include <string>

#include "ui/control.h"

namespace zt::ui {

// A push button. A click first sets its form's ModalResult to the button's
// ModalResult, then fires OnClick.
class Button : public WinControl {
 public:
  std::wstring_view ClassName() const override { return L"TButton"; }

  const std::wstring& Caption() const { return CaptionText(); }
  void SetCaption(std::wstring caption) { StoreCaptionText(std::move(caption)); }

  // Return clicks the default button, Escape the cancel button (Form::UserKeyDown).
  bool Default() const { return default_; }
  void SetDefault(bool isDefault);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool cancel) { cancel_ = cancel; }
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }

  void UserClick() override;
  std::vector<StringProperty> StringProperties() override;

 private:
  bool default_ = false;
  bool cancel_ = false;
  int modalResult_ = mrNone;
};

enum class CheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// A check box. Any change of State fires OnClick (unless Notify::No); a user
// click moves unchecked -> checked -> unchecked, or with AllowGrayed
// unchecked -> grayed -> checked -> unchecked. It may have no caption, e.g.
// when it sits on the frame of a group box in front of the box's caption.
class CheckBox : public WinControl {
 public:
  std::wstring_view ClassName() const override { return L"TCheckBox"; }

  const std::wstring& Caption() const { return CaptionText(); }
  void SetCaption(std::wstring caption) { StoreCaptionText(std::move(caption)); }

  bool Checked() const { return state_ == CheckBoxState::cbChecked; }
  void SetChecked(bool checked, Notify notify = Notify::Yes) {
    SetState(checked ? CheckBoxState::cbChecked : CheckBoxState::cbUnchecked, notify);
  }
  CheckBoxState State() const { return state_; }
  void SetState(CheckBoxState state, Notify notify = Notify::Yes);
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool allowGrayed) { allowGrayed_ = allowGrayed; }

  void UserClick() override;
  std::vector<StringProperty> StringProperties() override;

 private:
  CheckBoxState state_ = CheckBoxState::cbUnchecked;
  bool allowGrayed_ = false;
};

// A radio button; the radio buttons with the same parent form one group.
// Becoming checked unchecks the others of the group (silently) and then fires
// OnClick; becoming unchecked fires nothing. A user click on an unchecked
// button checks it; on a checked one it does nothing.
class RadioButton : public WinControl {
 public:
  std::wstring_view ClassName() const override { return L"TRadioButton"; }

  const std::wstring& Caption() const { return CaptionText(); }
  void SetCaption(std::wstring caption) { StoreCaptionText(std::move(caption)); }

  bool Checked() const { return checked_; }
  void SetChecked(bool checked, Notify notify = Notify::Yes);

  void UserClick() override;
  std::vector<StringProperty> StringProperties() override;

 private:
  bool checked_ = false;
};

// A flat speed button (no window of its own, never focused). With a
// GroupIndex it is a toggle: a user click presses it (releasing the pressed
// button of the same group and parent) or, when AllowAllUp, releases it.
// Setting Down fires nothing.
class SpeedButton : public Control {
 public:
  std::wstring_view ClassName() const override { return L"TSpeedButton"; }

  const std::wstring& Caption() const { return CaptionText(); }
  void SetCaption(std::wstring caption) { StoreCaptionText(std::move(caption)); }

  bool Flat() const { return flat_; }
  void SetFlat(bool flat);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int groupIndex) { groupIndex_ = groupIndex; }
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool allowAllUp) { allowAllUp_ = allowAllUp; }
  bool Down() const { return down_; }
  void SetDown(bool down);

  void UserClick() override;
  std::vector<StringProperty> StringProperties() override;

 private:
  bool flat_ = false;
  int groupIndex_ = 0;
  bool allowAllUp_ = false;
  bool down_ = false;
};

}  // namespace zt::ui
