#include "ui/win32/control_view.h"

#include <windowsx.h>

#include "ui/win32/binding.h"
#include "ui/win32/container_view.h"
#include "ui/win32/gdi_cache.h"

namespace zt::ui::win32 {

ui::ShiftStates ShiftFromKeys(WPARAM keys) {
  ui::ShiftStates shift;
  if (keys & MK_SHIFT) shift += ui::ShiftState::ssShift;
  if (keys & MK_CONTROL) shift += ui::ShiftState::ssCtrl;
  if (keys & MK_LBUTTON) shift += ui::ShiftState::ssLeft;
  if (keys & MK_RBUTTON) shift += ui::ShiftState::ssRight;
  if (keys & MK_MBUTTON) shift += ui::ShiftState::ssMiddle;
  if (::GetKeyState(VK_MENU) < 0) shift += ui::ShiftState::ssAlt;
  return shift;
}

ui::ShiftStates KeyboardShift() {
  ui::ShiftStates shift;
  if (::GetKeyState(VK_SHIFT) < 0) shift += ui::ShiftState::ssShift;
  if (::GetKeyState(VK_CONTROL) < 0) shift += ui::ShiftState::ssCtrl;
  if (::GetKeyState(VK_MENU) < 0) shift += ui::ShiftState::ssAlt;
  return shift;
}

ComponentBinding::ComponentBinding(Binding& binding, ui::Component& component)
    : binding_(binding), component_(component) {
  component_.SetView(this);
}

ComponentBinding::~ComponentBinding() {
  // A view that replaced this one keeps its place.
  if (alive_ && component_.View() == this) component_.SetView(nullptr);
}

void ComponentBinding::Destroying(ui::Component&) {
  // The component is half gone (only its base part is left): nothing of it
  // may be read from here on.
  alive_ = false;
  binding_.Forget(*this);
}

ControlView::ControlView(Binding& binding, ui::Control& control)
    : ComponentBinding(binding, control), control_(control) {}

ContainerView* ControlView::ParentView() const {
  return dynamic_cast<ContainerView*>(Owner().ControlViewOf(control_.Parent()));
}

HFONT ControlView::ModelFont() const {
  const ui::Font& font = control_.Font();
  return FontFor(FontKey{font.Name, font.Height, font.Style.Contains(ui::FontStyle::fsBold),
                         font.Style.Contains(ui::FontStyle::fsItalic),
                         font.Style.Contains(ui::FontStyle::fsUnderline),
                         font.Style.Contains(ui::FontStyle::fsStrikeOut)});
}

COLORREF ControlView::FontColor() const {
  ui::TColor color = control_.Font().Color;
  return ColorToRgb(color == ui::clDefault || color == ui::clNone ? ui::clWindowText : color);
}

COLORREF ControlView::BackgroundColor() const {
  ui::TColor color = control_.Color();
  if (color == ui::clNone || color == ui::clDefault) {
    ContainerView* parent = ParentView();
    return parent ? parent->BackgroundColor() : ColorToRgb(ui::clBtnFace);
  }
  return ColorToRgb(color);
}

HBRUSH ControlView::OnCtlColor(HDC dc) {
  COLORREF background = BackgroundColor();
  ::SetTextColor(dc, FontColor());
  ::SetBkColor(dc, background);
  return BrushFor(background);
}

RECT ControlView::BoundsRect() const {
  const ui::Bounds& b = control_.BoundsRect();
  RECT box{b.left, b.top, b.left + b.width, b.top + b.height};
  if (ContainerView* parent = ParentView()) {
    POINT offset = parent->ScrollOffset();
    ::OffsetRect(&box, -offset.x, -offset.y);
  }
  return box;
}

void ControlView::Changed(ui::Component&, const ui::Change& change) {
  switch (change.property) {
    case ui::Property::Bounds:
      BoundsChanged();
      if (ContainerView* parent = ParentView()) parent->ChildrenChanged();
      break;
    case ui::Property::Visible:
      VisibleChanged();
      break;
    case ui::Property::Enabled:
      EnabledChanged();
      break;
    case ui::Property::Font:
      FontChanged();
      break;
    case ui::Property::Color:
      ColorChanged();
      break;
    case ui::Property::Caption:
      CaptionChanged();
      break;
    case ui::Property::Hint:
      Owner().UpdateHint(*this);
      break;
    case ui::Property::Parent:
      Reparented();
      break;
    case ui::Property::ZOrder:
      if (ContainerView* parent = ParentView()) parent->Restack();
      break;
    case ui::Property::Repaint:
      RepaintNow();
      break;
    default:
      OtherChanged(change);
      break;
  }
}

GraphicView::~GraphicView() {
  // Gone from the model: its place on the parent shows what lies beneath.
  if (paintedOn_ && ::IsWindow(paintedOn_)) ::InvalidateRect(paintedOn_, &painted_, FALSE);
}

void GraphicView::Realise() {
  ContainerView* parent = ParentView();
  paintedOn_ = parent ? parent->ClientHandle() : nullptr;
  painted_ = BoundsRect();
  Invalidate();
  Owner().UpdateHint(*this);
}

void GraphicView::Reparented() {
  ContainerView* parent = ParentView();
  HWND old = paintedOn_;
  if (old && ::IsWindow(old)) ::InvalidateRect(old, &painted_, FALSE);
  paintedOn_ = parent ? parent->ClientHandle() : nullptr;
  painted_ = BoundsRect();
  Invalidate();
  Owner().UpdateHint(*this);
}

void GraphicView::RepaintNow() {
  Invalidate();
  ContainerView* parent = ParentView();
  if (parent && parent->ClientHandle()) ::UpdateWindow(parent->ClientHandle());
}

bool GraphicView::HitTest(POINT parentClient) const {
  RECT box = BoundsRect();
  return Control().Visible() && ::PtInRect(&box, parentClient);
}

void GraphicView::Invalidate() const {
  ContainerView* parent = ParentView();
  if (!parent || !parent->ClientHandle()) return;
  RECT box = BoundsRect();
  ::InvalidateRect(parent->ClientHandle(), &box, FALSE);
}

void GraphicView::BoundsChanged() {
  if (paintedOn_ && ::IsWindow(paintedOn_)) ::InvalidateRect(paintedOn_, &painted_, FALSE);
  painted_ = BoundsRect();
  Invalidate();
  Owner().UpdateHint(*this);
}

void GraphicView::MouseDown(ui::MouseButton button, ui::ShiftStates shift, POINT client) {
  if (button == ui::MouseButton::mbLeft && shift.Contains(ui::ShiftState::ssDouble)) {
    Control().UserDblClick();
  }
  Control().UserMouseDown(button, shift, client.x, client.y);
}

void GraphicView::MouseUp(ui::MouseButton button, ui::ShiftStates shift, POINT client, bool click) {
  // As the framework does: the click first, then the mouse-up.
  if (button == ui::MouseButton::mbLeft && click) Control().UserClick();
  Control().UserMouseUp(button, shift, client.x, client.y);
}

HWND WindowedView::ParentHandle() const {
  ContainerView* parent = ParentView();
  return parent ? parent->ClientHandle() : nullptr;
}

void WindowedView::Placed() {
  HWND hwnd = Handle();
  if (!hwnd) return;
  ::SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(ModelFont()), FALSE);
  ::EnableWindow(hwnd, Control().Enabled());
  // Later siblings lie on top of earlier ones, as in the model.
  ::SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (Control().Visible()) ::ShowWindow(hwnd, SW_SHOWNA);
  Owner().UpdateHint(*this);
}

void WindowedView::Reparented() {
  if (!Handle()) return;
  HWND parent = ParentHandle();
  if (!parent) {
    ::ShowWindow(Handle(), SW_HIDE);
    return;
  }
  ::SetParent(Handle(), parent);
  BoundsChanged();
  VisibleChanged();
}

void WindowedView::BoundsChanged() {
  if (!Handle()) return;
  RECT box = BoundsRect();
  ::SetWindowPos(Handle(), nullptr, box.left, box.top, box.right - box.left, box.bottom - box.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  Owner().UpdateHint(*this);
}

void WindowedView::VisibleChanged() {
  if (Handle()) ::ShowWindow(Handle(), Control().Visible() ? SW_SHOWNA : SW_HIDE);
}

void WindowedView::EnabledChanged() {
  if (Handle()) ::EnableWindow(Handle(), Control().Enabled());
}

void WindowedView::FontChanged() {
  if (Handle()) ::SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(ModelFont()), TRUE);
}

void WindowedView::ColorChanged() {
  if (Handle()) ::InvalidateRect(Handle(), nullptr, TRUE);
}

void WindowedView::RepaintNow() {
  if (Handle())
    ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

std::wstring WindowedView::WindowText() const { return {}; }

void WindowedView::CaptionChanged() {
  if (!Handle()) return;
  std::wstring text = WindowText();
  std::wstring current = WindowTextOf(Handle());
  if (current == text) return;
  Mirror mirror(*this);
  ::SetWindowTextW(Handle(), text.c_str());
}

LRESULT WindowedView::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_MOUSEMOVE: {
      TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
      ::TrackMouseEvent(&track);
      Owner().MouseAt(&Control(), Handle());
      break;
    }
    case WM_MOUSELEAVE:
      Owner().MouseGone(Handle());
      break;
    case WM_SETFOCUS:
      if (auto* control = dynamic_cast<ui::WinControl*>(&Control()); control && !control->Focused()) {
        LRESULT result = Default(msg, wParam, lParam);
        control->UserEnter();
        return result;
      }
      break;
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT && Control().Cursor() == ui::Cursor::crHandPoint) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      // The window's own handling first (a button clicks, an edit selects),
      // then the model's mouse event, as the framework orders them.
      LRESULT result = Default(msg, wParam, lParam);
      ui::MouseButton button = msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP   ? ui::MouseButton::mbLeft
                               : msg == WM_RBUTTONDOWN || msg == WM_RBUTTONUP ? ui::MouseButton::mbRight
                                                                              : ui::MouseButton::mbMiddle;
      int x = GET_X_LPARAM(lParam);
      int y = GET_Y_LPARAM(lParam);
      if (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN) {
        Control().UserMouseDown(button, ShiftFromKeys(wParam), x, y);
      } else {
        Control().UserMouseUp(button, ShiftFromKeys(wParam), x, y);
      }
      return result;
    }
    default:
      break;
  }
  return Default(msg, wParam, lParam);
}

}  // namespace zt::ui::win32
