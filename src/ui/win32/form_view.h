#pragma once
#include "ui/form.h"
#include "ui/win32/container_view.h"

namespace zt::ui::win32 {

// A form as a top-level window. The model's Left/Top/Width/Height are the
// outer window; the binding reports the frame's size so that the client
// size stays what the layout asked for.
class FormView : public ContainerView {
 public:
  FormView(Binding& binding, ui::Form& form) : ContainerView(binding, form), form_(form) {}

  ui::Form& Form() const { return form_; }
  void Realise() override;
  // Moves the keyboard focus to the next (or previous) control that takes it.
  void Tab(bool backwards);
  // Gives the window the owner its next show needs (dialogs: the active form).
  void SetOwnerWindow(HWND owner);

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void BoundsChanged() override;
  void VisibleChanged() override;
  void CaptionChanged() override;
  void OtherChanged(const ui::Change& change) override;

 private:
  DWORD Style() const;
  DWORD ExStyle() const;
  void ApplyStyle();
  // Client size kept, frame measured from the real window.
  void ReportFrame();
  void PlaceOnShow();
  void FocusActiveControl();
  void ModelMoved();

  ui::Form& form_;
  bool placing_ = false;  // the window moves because the model did
};

}  // namespace zt::ui::win32
