#pragma once
#include "ui/panels.h"
#include "ui/win32/control_view.h"

namespace zt::ui::win32 {

class GraphicView;

// A control that holds other controls: it draws the graphic ones on its
// window, passes them the mouse, and is the one place where the
// notifications of its child windows (WM_COMMAND, WM_NOTIFY, scroll and
// colour messages, owner drawing) are mapped to the children's views.
class ContainerView : public WindowedView {
 public:
  using WindowedView::WindowedView;

  // The window that child windows are placed in.
  virtual HWND ClientHandle() const { return Handle(); }
  // How far the content is scrolled: children show at their model position
  // minus this.
  POINT ScrollOffset() const { return scroll_; }

  // Realises the children in the model's order (bottom first).
  void RealiseChildren();
  // Draws the background and the graphic children; also for WM_PRINTCLIENT.
  void PaintContent(HDC dc, const RECT& clip);
  // Forgets a graphic child that goes away while it is pressed.
  void ForgetGraphic(GraphicView& view);
  // A child was added, removed, moved or resized.
  virtual void ChildrenChanged() {}
  // The children's windows lie on each other in the model's order.
  void Restack();

 protected:
  void OtherChanged(const ui::Change& change) override;
  void FontChanged() override;
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  virtual void PaintBackground(HDC dc, const RECT& client);
  // Creates the container's own window (of the binding's container class).
  void CreateContainer(DWORD style, DWORD exStyle = 0);
  void SetScrollOffset(POINT offset);

  bool ownClass_ = false;  // drawn by the binding (not a common control)

 private:
  bool RouteChildMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);
  GraphicView* GraphicAt(POINT client) const;
  void TrackGraphicMouse(POINT client);
  bool GraphicMouseButton(UINT msg, WPARAM wParam, LPARAM lParam);

  POINT scroll_{};
  GraphicView* pressed_ = nullptr;
  ui::MouseButton pressedButton_ = ui::MouseButton::mbLeft;
  bool clickArmed_ = false;
};

// Group box: the binding draws it (frame and caption over the box's own
// colour), since a BUTTON group box leaves its inside to the parent and so
// cannot show a background of its own behind the children it holds.
class GroupBoxView : public ContainerView {
 public:
  GroupBoxView(Binding& binding, ui::GroupBox& box) : ContainerView(binding, box), box_(box) {}
  void Realise() override;

 protected:
  void PaintBackground(HDC dc, const RECT& client) override;
  void CaptionChanged() override { ::InvalidateRect(Handle(), nullptr, FALSE); }
  void FontChanged() override { ::InvalidateRect(Handle(), nullptr, FALSE); }

 private:
  ui::GroupBox& box_;
};

class PanelView : public ContainerView {
 public:
  PanelView(Binding& binding, ui::Panel& panel) : ContainerView(binding, panel), panel_(panel) {}
  void Realise() override;
  COLORREF BackgroundColor() const override;

 protected:
  void PaintBackground(HDC dc, const RECT& client) override;
  void CaptionChanged() override { ::InvalidateRect(Handle(), nullptr, FALSE); }
  void OtherChanged(const ui::Change& change) override;

 private:
  ui::Panel& panel_;
};

// A frame; with AutoScroll it scrolls its content vertically when the
// children reach below its bottom edge.
class FrameView : public ContainerView {
 public:
  FrameView(Binding& binding, ui::Frame& frame) : ContainerView(binding, frame), frame_(frame) {}
  void Realise() override;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void BoundsChanged() override;
  void OtherChanged(const ui::Change& change) override;

 public:
  void ChildrenChanged() override { UpdateScrollRange(); }

 private:
  void UpdateScrollRange();
  void ScrollTo(int y);

  ui::Frame& frame_;
};

}  // namespace zt::ui::win32
