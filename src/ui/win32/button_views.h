#pragma once
#include "ui/buttons.h"
#include "ui/win32/control_view.h"

namespace zt::ui::win32 {

// Push button, check box and radio button as BUTTON windows. The check
// styles are the non-automatic ones: a click only tells the model, which
// decides the new state and pushes it back.
class ButtonView : public WindowedView {
 public:
  ButtonView(Binding& binding, ui::Button& button) : WindowedView(binding, button), button_(button) {}
  void Realise() override;
  bool OnCommand(WORD code) override;

 protected:
  std::wstring WindowText() const override { return button_.Caption(); }
  void OtherChanged(const ui::Change& change) override;
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  DWORD ButtonStyle() const { return button_.Default() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON; }
  ui::Button& button_;
};

class CheckBoxView : public WindowedView {
 public:
  CheckBoxView(Binding& binding, ui::CheckBox& box) : WindowedView(binding, box), box_(box) {}
  void Realise() override;
  bool OnCommand(WORD code) override;

 protected:
  std::wstring WindowText() const override { return box_.Caption(); }
  void OtherChanged(const ui::Change& change) override;

 private:
  void ShowState();
  ui::CheckBox& box_;
};

class RadioButtonView : public WindowedView {
 public:
  RadioButtonView(Binding& binding, ui::RadioButton& radio) : WindowedView(binding, radio), radio_(radio) {}
  void Realise() override;
  bool OnCommand(WORD code) override;

 protected:
  std::wstring WindowText() const override { return radio_.Caption(); }
  void OtherChanged(const ui::Change& change) override;

 private:
  void ShowState();
  ui::RadioButton& radio_;
};

}  // namespace zt::ui::win32
