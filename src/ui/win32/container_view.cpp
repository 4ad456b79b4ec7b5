#include "ui/win32/container_view.h"

#include <windowsx.h>

#include <algorithm>

#include "ui/win32/binding.h"
#include "ui/win32/gdi_cache.h"

namespace zt::ui::win32 {

namespace {

constexpr wchar_t kContainerClass[] = L"ZtContainer";

ControlView* ChildView(HWND child) { return dynamic_cast<ControlView*>(WindowFromHandle(child)); }

ui::MouseButton ButtonOf(UINT msg) {
  switch (msg) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
      return ui::MouseButton::mbRight;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      return ui::MouseButton::mbMiddle;
    default:
      return ui::MouseButton::mbLeft;
  }
}

}  // namespace

void ContainerView::CreateContainer(DWORD style, DWORD exStyle) {
  RECT box = BoundsRect();
  ownClass_ = true;
  CreateOwn(kContainerClass, exStyle, WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | style, L"", box.left,
            box.top, box.right - box.left, box.bottom - box.top, ParentHandle());
  Placed();
}

void ContainerView::RealiseChildren() {
  auto* container = dynamic_cast<ui::WinControl*>(&Control());
  if (!container) return;
  // A copy: realising may not change the list, but a handler fired on the
  // way could.
  std::vector<ui::Control*> children = container->Controls();
  for (ui::Control* child : children) Owner().RealiseControl(*child);
  ChildrenChanged();
}

void ContainerView::OtherChanged(const ui::Change& change) {
  if (change.property != ui::Property::Controls) return;
  auto& container = static_cast<ui::WinControl&>(Control());
  if (change.list == ui::ListChange::Inserted && change.index >= 0 &&
      change.index < container.ControlCount()) {
    Owner().RealiseControl(*container.Controls()[static_cast<std::size_t>(change.index)]);
  }
  if (ClientHandle()) ::InvalidateRect(ClientHandle(), nullptr, FALSE);
  ChildrenChanged();
}

void ContainerView::FontChanged() {
  if (!ownClass_) {
    WindowedView::FontChanged();
  } else if (Handle()) {
    ::InvalidateRect(Handle(), nullptr, FALSE);
  }
}

void ContainerView::Restack() {
  auto& container = static_cast<ui::WinControl&>(Control());
  for (ui::Control* child : container.Controls()) {
    ControlView* view = Owner().ControlViewOf(child);
    if (HWND hwnd = view ? view->WindowHandle() : nullptr) {
      ::SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
  if (ClientHandle()) ::InvalidateRect(ClientHandle(), nullptr, FALSE);
}

void ContainerView::SetScrollOffset(POINT offset) {
  scroll_ = offset;
  auto& container = static_cast<ui::WinControl&>(Control());
  for (ui::Control* child : container.Controls()) {
    if (auto* view = dynamic_cast<WindowedView*>(Owner().ControlViewOf(child))) {
      view->Changed(*child, ui::Change::Of(ui::Property::Bounds));
    }
  }
  if (ClientHandle()) ::InvalidateRect(ClientHandle(), nullptr, FALSE);
}

void ContainerView::PaintBackground(HDC dc, const RECT& client) {
  ::SetBkColor(dc, BackgroundColor());
  ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
}

void ContainerView::PaintContent(HDC dc, const RECT& clip) {
  RECT client;
  ::GetClientRect(ClientHandle(), &client);
  PaintBackground(dc, client);
  auto& container = static_cast<ui::WinControl&>(Control());
  for (ui::Control* child : container.Controls()) {
    auto* view = dynamic_cast<GraphicView*>(Owner().ControlViewOf(child));
    if (!view || !child->Visible()) continue;
    const ui::Bounds& b = child->BoundsRect();
    RECT box{b.left - scroll_.x, b.top - scroll_.y, b.left - scroll_.x + b.width,
             b.top - scroll_.y + b.height};
    RECT visible;
    if (!::IntersectRect(&visible, &box, &clip)) continue;
    int saved = ::SaveDC(dc);
    ::IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
    view->Paint(dc, box);
    ::RestoreDC(dc, saved);
  }
}

void ContainerView::ForgetGraphic(GraphicView& view) {
  if (pressed_ == &view) {
    pressed_ = nullptr;
    if (::GetCapture() == ClientHandle()) ::ReleaseCapture();
  }
}

GraphicView* ContainerView::GraphicAt(POINT client) const {
  auto& container = static_cast<ui::WinControl&>(Control());
  const auto& children = container.Controls();
  // Topmost first: the last child lies on top.
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    auto* view = dynamic_cast<GraphicView*>(Owner().ControlViewOf(*it));
    if (view && view->HitTest(client)) return view;
  }
  return nullptr;
}

void ContainerView::TrackGraphicMouse(POINT client) {
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, ClientHandle(), 0};
  ::TrackMouseEvent(&track);
  GraphicView* graphic = GraphicAt(client);
  Owner().MouseAt(graphic ? &graphic->Control() : &Control(), ClientHandle());
}

bool ContainerView::GraphicMouseButton(UINT msg, WPARAM wParam, LPARAM lParam) {
  POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ui::ShiftStates shift = ShiftFromKeys(wParam);
  bool down = msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN ||
              msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
  if (down) {
    GraphicView* graphic = GraphicAt(point);
    if (!graphic) return false;
    if (msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK) {
      shift += ui::ShiftState::ssDouble;
    }
    pressed_ = graphic;
    pressedButton_ = ButtonOf(msg);
    // Only a single press arms a click: the second press of a double click
    // gives OnDblClick instead, as in the framework.
    clickArmed_ = msg == WM_LBUTTONDOWN;
    ::SetCapture(ClientHandle());
    RECT box = graphic->BoundsRect();
    graphic->MouseDown(pressedButton_, shift, {point.x - box.left, point.y - box.top});
    return true;
  }
  if (!pressed_ || ButtonOf(msg) != pressedButton_) return pressed_ != nullptr;
  GraphicView* graphic = pressed_;
  pressed_ = nullptr;
  if (::GetCapture() == ClientHandle()) ::ReleaseCapture();
  RECT box = graphic->BoundsRect();
  bool click = clickArmed_ && graphic->HitTest(point);
  graphic->MouseUp(pressedButton_, shift, {point.x - box.left, point.y - box.top}, click);
  return true;
}

bool ContainerView::RouteChildMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  ControlView* child = nullptr;
  switch (msg) {
    case WM_COMMAND:
      if (lParam == 0) return false;
      child = ChildView(reinterpret_cast<HWND>(lParam));
      if (child && child->OnCommand(HIWORD(wParam))) {
        *result = 0;
        return true;
      }
      return false;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      child = ChildView(header->hwndFrom);
      return child && child->OnNotify(header, result);
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (lParam == 0) return false;
      child = ChildView(reinterpret_cast<HWND>(lParam));
      if (child && child->OnScroll(LOWORD(wParam))) {
        *result = 0;
        return true;
      }
      return false;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      child = ChildView(reinterpret_cast<HWND>(lParam));
      if (HBRUSH brush = child ? child->OnCtlColor(reinterpret_cast<HDC>(wParam)) : nullptr) {
        *result = reinterpret_cast<LRESULT>(brush);
        return true;
      }
      return false;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      child = ChildView(item.hwndItem);
      if (child && child->OnDrawItem(item)) {
        *result = TRUE;
        return true;
      }
      return false;
    }
    default:
      return false;
  }
}

LRESULT ContainerView::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (RouteChildMessage(msg, wParam, lParam, &result)) return result;
  // A common control that holds children (the tab control) draws itself.
  if (!ownClass_) return WindowedView::HandleMessage(msg, wParam, lParam);
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = ::BeginPaint(Handle(), &ps);
      RECT& area = ps.rcPaint;
      int width = area.right - area.left;
      int height = area.bottom - area.top;
      if (width > 0 && height > 0) {
        // Drawn off screen, so a hovered label does not flicker.
        HDC memory = ::CreateCompatibleDC(dc);
        HBITMAP bitmap = ::CreateCompatibleBitmap(dc, width, height);
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        ::SetViewportOrgEx(memory, -area.left, -area.top, nullptr);
        PaintContent(memory, area);
        ::SetViewportOrgEx(memory, 0, 0, nullptr);
        ::BitBlt(dc, area.left, area.top, width, height, memory, 0, 0, SRCCOPY);
        ::SelectObject(memory, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(memory);
      }
      ::EndPaint(Handle(), &ps);
      return 0;
    }
    case WM_PRINTCLIENT: {
      RECT client;
      ::GetClientRect(Handle(), &client);
      PaintContent(reinterpret_cast<HDC>(wParam), client);
      return 0;
    }
    case WM_MOUSEMOVE:
      TrackGraphicMouse({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_MOUSELEAVE:
      Owner().MouseGone(ClientHandle());
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT && reinterpret_cast<HWND>(wParam) == Handle()) {
        POINT cursor;
        ::GetCursorPos(&cursor);
        ::ScreenToClient(Handle(), &cursor);
        GraphicView* graphic = GraphicAt(cursor);
        const ui::Control& control = graphic ? graphic->Control() : Control();
        if (control.Cursor() == ui::Cursor::crHandPoint) {
          ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
          return TRUE;
        }
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      if (GraphicMouseButton(msg, wParam, lParam)) return 0;
      break;
    case WM_CAPTURECHANGED:
      pressed_ = nullptr;
      break;
    default:
      break;
  }
  return WindowedView::HandleMessage(msg, wParam, lParam);
}

void GroupBoxView::Realise() {
  CreateContainer(0);
  RealiseChildren();
}

void GroupBoxView::PaintBackground(HDC dc, const RECT& client) {
  ContainerView::PaintBackground(dc, client);
  HGDIOBJ oldFont = ::SelectObject(dc, ModelFont());
  const std::wstring& caption = box_.Caption();
  SIZE extent{};
  ::GetTextExtentPoint32W(dc, L"0", 1, &extent);
  RECT frame = client;
  frame.top += extent.cy / 2;
  ::DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  if (!caption.empty()) {
    RECT text{8, 0, client.right - 8, extent.cy};
    ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_CALCRECT | DT_SINGLELINE);
    ::InflateRect(&text, 1, 0);
    ::SetBkColor(dc, BackgroundColor());
    ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &text, nullptr, 0, nullptr);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, box_.Enabled() ? FontColor() : ::GetSysColor(COLOR_GRAYTEXT));
    ::InflateRect(&text, -1, 0);
    ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_SINGLELINE | DT_NOPREFIX);
  }
  ::SelectObject(dc, oldFont);
}

void PanelView::Realise() {
  CreateContainer(0);
  RealiseChildren();
}

COLORREF PanelView::BackgroundColor() const {
  if (panel_.ParentBackground()) {
    ContainerView* parent = ParentView();
    if (parent) return parent->BackgroundColor();
  }
  return ContainerView::BackgroundColor();
}

void PanelView::PaintBackground(HDC dc, const RECT& client) {
  ContainerView::PaintBackground(dc, client);
  RECT inner = client;
  switch (panel_.BevelOuter()) {
    case ui::PanelBevel::bvLowered:
      ::DrawEdge(dc, &inner, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
      break;
    case ui::PanelBevel::bvRaised:
      ::DrawEdge(dc, &inner, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
      break;
    default:
      break;
  }
  const std::wstring& caption = panel_.Caption();
  if (caption.empty()) return;
  HGDIOBJ oldFont = ::SelectObject(dc, ModelFont());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, panel_.Enabled() ? FontColor() : ::GetSysColor(COLOR_GRAYTEXT));
  ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &inner,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  ::SelectObject(dc, oldFont);
}

void PanelView::OtherChanged(const ui::Change& change) {
  if (change.property == ui::Property::Style) {
    ::InvalidateRect(Handle(), nullptr, FALSE);
    return;
  }
  ContainerView::OtherChanged(change);
}

void FrameView::Realise() {
  CreateContainer(0);
  RealiseChildren();
  UpdateScrollRange();
}

void FrameView::BoundsChanged() {
  ContainerView::BoundsChanged();
  UpdateScrollRange();
}

void FrameView::OtherChanged(const ui::Change& change) {
  if (change.property == ui::Property::Style) {
    UpdateScrollRange();
    return;
  }
  ContainerView::OtherChanged(change);
}

void FrameView::UpdateScrollRange() {
  if (!Handle()) return;
  int contentBottom = 0;
  if (frame_.AutoScroll()) {
    for (ui::Control* child : frame_.Controls()) {
      if (child->Visible()) contentBottom = std::max(contentBottom, child->Top() + child->Height());
    }
  }
  int height = frame_.Height();
  bool needed = contentBottom > height;
  ::ShowScrollBar(Handle(), SB_VERT, needed);
  if (!needed) {
    if (ScrollOffset().y != 0) SetScrollOffset({0, 0});
    return;
  }
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = contentBottom - 1;
  info.nPage = static_cast<UINT>(height);
  info.nPos = ScrollOffset().y;
  ::SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
  ScrollTo(ScrollOffset().y);
}

void FrameView::ScrollTo(int y) {
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_PAGE;
  ::GetScrollInfo(Handle(), SB_VERT, &info);
  int limit = std::max(0, info.nMax - static_cast<int>(info.nPage) + 1);
  y = std::clamp(y, 0, limit);
  if (y != ScrollOffset().y) SetScrollOffset({0, y});
  ::SetScrollPos(Handle(), SB_VERT, y, TRUE);
}

LRESULT FrameView::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  // The step of the framework's scroll bars.
  constexpr int kLine = 8;
  switch (msg) {
    case WM_VSCROLL: {
      if (lParam != 0) break;  // a child's scroll bar
      SCROLLINFO info{};
      info.cbSize = sizeof(info);
      info.fMask = SIF_ALL;
      ::GetScrollInfo(Handle(), SB_VERT, &info);
      int y = ScrollOffset().y;
      switch (LOWORD(wParam)) {
        case SB_LINEUP:
          y -= kLine;
          break;
        case SB_LINEDOWN:
          y += kLine;
          break;
        case SB_PAGEUP:
          y -= static_cast<int>(info.nPage);
          break;
        case SB_PAGEDOWN:
          y += static_cast<int>(info.nPage);
          break;
        case SB_TOP:
          y = 0;
          break;
        case SB_BOTTOM:
          y = info.nMax;
          break;
        // The thumb moves the content while it is dragged.
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
          y = info.nTrackPos;
          break;
        default:
          break;
      }
      ScrollTo(y);
      return 0;
    }
    case WM_MOUSEWHEEL:
      ScrollTo(ScrollOffset().y - GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA * 3 * kLine);
      return 0;
    default:
      break;
  }
  return ContainerView::HandleMessage(msg, wParam, lParam);
}

}  // namespace zt::ui::win32
