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
  ~FormView() override;

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
  void PaintBackground(HDC dc, const RECT& client) override;

 private:
  DWORD Style() const;
  DWORD ExStyle() const;
  void ApplyStyle();
  // Client size kept, frame measured from the real window.
  void ReportFrame();
  void PlaceOnShow();
  void FocusActiveControl();
  void ModelMoved();
  // The screen backdrop: the copy taken on activation, and the move that
  // puts it behind the window.
  void CopyScreenBehind();
  void MoveOntoBackdrop();
  void ReleaseBackdrop();

  ui::Form& form_;
  bool placing_ = false;  // the window moves because the model did
  HBITMAP backdrop_ = nullptr;
  bool backdropTaken_ = false;    // once per showing
  bool backdropPending_ = false;  // taken, the window not yet moved onto it
};

}  // namespace zt::ui::win32
