#pragma once
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "ui/control.h"
#include "ui/win32/window.h"

namespace zt::ui::win32 {

class Binding;
class ContainerView;

// The view of one component: it receives the model's changes and owns what
// the component shows on the screen, if anything.
class ComponentBinding : public ui::ComponentView {
 public:
  ComponentBinding(Binding& binding, ui::Component& component);
  ~ComponentBinding() override;

  ui::Component& Model() const { return component_; }
  Binding& Owner() const { return binding_; }

  void Destroying(ui::Component& component) override;

 protected:
  // Set while the view pushes a model change to a window: what the window
  // reports back about it is the model's own change, not the user's.
  class Mirror {
   public:
    explicit Mirror(ComponentBinding& view) : view_(view), old_(view.mirroring_) { view_.mirroring_ = true; }
    ~Mirror() { view_.mirroring_ = old_; }

   private:
    ComponentBinding& view_;
    bool old_;
  };
  bool Mirroring() const { return mirroring_; }

 private:
  Binding& binding_;
  ui::Component& component_;
  bool mirroring_ = false;
  bool alive_ = true;
};

// The view of a control: a window of its own (WindowedView) or a drawing on
// its parent's window (GraphicView).
class ControlView : public ComponentBinding {
 public:
  ControlView(Binding& binding, ui::Control& control);

  ui::Control& Control() const { return control_; }
  // The view of the parent control, or null (a form, or not placed yet).
  ContainerView* ParentView() const;

  // Creates what the control shows; the parent's view exists already.
  virtual void Realise() = 0;
  virtual HWND WindowHandle() const { return nullptr; }

  void Changed(ui::Component& component, const ui::Change& change) override;

  // Notifications that the parent window receives about this control's
  // window, passed on from the one place that maps them (ContainerView).
  virtual bool OnCommand(WORD code) { return false; }
  virtual bool OnNotify(NMHDR* header, LRESULT* result) { return false; }
  virtual bool OnScroll(WORD code) { return false; }
  virtual bool OnDrawItem(const DRAWITEMSTRUCT& item) { return false; }
  // Background brush for WM_CTLCOLOR*, with the DC's colours set; null: the default.
  virtual HBRUSH OnCtlColor(HDC dc);

  // The model's bounds, in the parent window's client coordinates (the
  // parent may be scrolled).
  RECT BoundsRect() const;
  // The font of the model, as a GDI font.
  HFONT ModelFont() const;
  COLORREF FontColor() const;
  // The colour the control's area shows (the model's Color, which follows
  // the parent's while ParentColor is set).
  virtual COLORREF BackgroundColor() const;

 protected:
  virtual void BoundsChanged() = 0;
  virtual void VisibleChanged() = 0;
  virtual void EnabledChanged() {}
  virtual void FontChanged() {}
  virtual void ColorChanged() {}
  virtual void CaptionChanged() {}
  virtual void OtherChanged(const ui::Change& change) {}
  // The control moved to another parent.
  virtual void Reparented() = 0;
  // Control::Repaint: draw now, children included.
  virtual void RepaintNow() = 0;

 private:
  ui::Control& control_;
};

// A control drawn on its parent's window, without one of its own: labels,
// pictures, bevels, speed buttons. Mouse input reaches it through the parent.
class GraphicView : public ControlView {
 public:
  using ControlView::ControlView;
  ~GraphicView() override;

  void Realise() override;
  virtual void Paint(HDC dc, const RECT& box) = 0;
  // Whether a point of the parent's client area hits the control.
  virtual bool HitTest(POINT parentClient) const;
  // Mouse input delivered by the parent, in the control's client coordinates.
  virtual void MouseDown(ui::MouseButton button, ui::ShiftStates shift, POINT client);
  // `click`: released over the control after a single press (not the end of a double click).
  virtual void MouseUp(ui::MouseButton button, ui::ShiftStates shift, POINT client, bool click);
  virtual void MouseEnter() { Control().UserMouseEnter(); }
  virtual void MouseLeave() { Control().UserMouseLeave(); }

 protected:
  void Invalidate() const;
  void BoundsChanged() override;
  void VisibleChanged() override { Invalidate(); }
  void EnabledChanged() override { Invalidate(); }
  void FontChanged() override { Invalidate(); }
  void ColorChanged() override { Invalidate(); }
  void CaptionChanged() override { Invalidate(); }
  void Reparented() override;
  void RepaintNow() override;

 private:
  RECT painted_{};  // where it was last shown, to erase it after a move
  HWND paintedOn_ = nullptr;
};

// A control with a window of its own.
class WindowedView : public ControlView, public Window {
 public:
  using ControlView::ControlView;
  HWND WindowHandle() const override { return Handle(); }

 protected:
  // The window this control's window is to be a child of.
  HWND ParentHandle() const;
  // Puts the new window where the model says and gives it the model's state.
  void Placed();

  void BoundsChanged() override;
  void VisibleChanged() override;
  void EnabledChanged() override;
  void FontChanged() override;
  void ColorChanged() override;
  void CaptionChanged() override;
  void Reparented() override;
  void RepaintNow() override;
  // The text the window shows for the model's caption.
  virtual std::wstring WindowText() const;

  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

// Convert between the window's mouse message parameters and the model's.
ui::ShiftStates ShiftFromKeys(WPARAM keys);
ui::ShiftStates KeyboardShift();

}  // namespace zt::ui::win32
