#include "ui/win32/form_view.h"

#include <vector>

#include "ui/buttons.h"
#include "ui/win32/binding.h"

namespace zt::ui::win32 {

namespace {

constexpr wchar_t kFormClass[] = L"ZtForm";

void CollectTabStops(Binding& binding, const ui::WinControl& container, std::vector<HWND>& stops) {
  for (ui::Control* child : container.Controls()) {
    auto* view = binding.ControlViewOf(child);
    if (!view || !child->Visible() || !child->Enabled()) continue;
    if (dynamic_cast<ContainerView*>(view)) {
      // A tab control takes the focus itself; the other containers do not.
      HWND own = view->WindowHandle();
      if (own && (::GetWindowLongPtrW(own, GWL_STYLE) & WS_TABSTOP)) stops.push_back(own);
      CollectTabStops(binding, static_cast<const ui::WinControl&>(*child), stops);
      continue;
    }
    HWND hwnd = view->WindowHandle();
    if (!hwnd || !(::GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_TABSTOP)) continue;
    // Of a group of radio buttons only the checked one is a stop (the first
    // one while none is checked), as in dialogs.
    if (auto* radio = dynamic_cast<ui::RadioButton*>(child); radio && !radio->Checked()) {
      ui::RadioButton* first = nullptr;
      bool anyChecked = false;
      for (ui::Control* sibling : container.Controls()) {
        if (auto* other = dynamic_cast<ui::RadioButton*>(sibling)) {
          if (!first) first = other;
          anyChecked = anyChecked || other->Checked();
        }
      }
      if (anyChecked || radio != first) continue;
    }
    stops.push_back(hwnd);
  }
}

}  // namespace

DWORD FormView::Style() const {
  DWORD style = WS_CLIPCHILDREN;
  Set<ui::BorderIcon> icons = form_.BorderIcons();
  auto withIcons = [&](DWORD base, bool minMax) {
    if (icons.Contains(ui::BorderIcon::biSystemMenu)) base |= WS_SYSMENU;
    if (minMax && icons.Contains(ui::BorderIcon::biMinimize)) base |= WS_MINIMIZEBOX;
    if (minMax && icons.Contains(ui::BorderIcon::biMaximize)) base |= WS_MAXIMIZEBOX;
    return base;
  };
  switch (form_.BorderStyle()) {
    case ui::BorderStyle::bsNone:
      return style | WS_POPUP;
    case ui::BorderStyle::bsSingle:
      return style | withIcons(WS_CAPTION | WS_BORDER, true);
    case ui::BorderStyle::bsSizeable:
      return style | withIcons(WS_CAPTION | WS_THICKFRAME, true);
    case ui::BorderStyle::bsDialog:
      return style | withIcons(WS_CAPTION | DS_MODALFRAME, false);
    case ui::BorderStyle::bsToolWindow:
      return style | withIcons(WS_CAPTION, false);
    case ui::BorderStyle::bsSizeToolWin:
      return style | withIcons(WS_CAPTION | WS_THICKFRAME, false);
  }
  return style;
}

DWORD FormView::ExStyle() const {
  DWORD exStyle = 0;
  switch (form_.BorderStyle()) {
    case ui::BorderStyle::bsDialog:
      exStyle |= WS_EX_DLGMODALFRAME;
      break;
    case ui::BorderStyle::bsToolWindow:
    case ui::BorderStyle::bsSizeToolWin:
      exStyle |= WS_EX_TOOLWINDOW;
      break;
    default:
      break;
  }
  if (form_.FormStyle() == ui::FormStyle::fsStayOnTop) exStyle |= WS_EX_TOPMOST;
  // The main form has the task-bar button; the others are owned by it.
  if (&form_ == Owner().MainForm()) exStyle |= WS_EX_APPWINDOW;
  return exStyle;
}

void FormView::Realise() {
  RECT frame{0, 0, 0, 0};
  ::AdjustWindowRectEx(&frame, Style(), FALSE, ExStyle());
  form_.SetFrameSize(frame.right - frame.left, frame.bottom - frame.top);

  HWND owner = nullptr;
  if (&form_ != Owner().MainForm()) {
    ui::Form* mainForm = Owner().MainForm();
    owner = mainForm ? Owner().HandleOf(*mainForm) : nullptr;
    if (!owner) owner = Owner().ApplicationWindow();
  }
  int left = form_.Left();
  int top = form_.Top();
  if (form_.Position() == ui::Position::poDefault) left = top = CW_USEDEFAULT;
  {
    placing_ = true;
    ownClass_ = true;
    CreateOwn(kFormClass, ExStyle(), Style(), form_.Caption().c_str(), left, top, form_.Width(),
              form_.Height(), owner);
    placing_ = false;
  }
  if (!Handle()) return;
  // The caption and the task bar each get the icon's own picture of their size.
  HICON icon = static_cast<HICON>(
      ::LoadImageW(ModuleInstance(), L"MAINICON", IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
  if (icon) ::SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  HICON small = static_cast<HICON>(::LoadImageW(ModuleInstance(), L"MAINICON", IMAGE_ICON,
                                                ::GetSystemMetrics(SM_CXSMICON),
                                                ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  if (small) ::SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
  ReportFrame();
  ModelMoved();
  RealiseChildren();
  if (form_.Visible()) VisibleChanged();
}

FormView::~FormView() { ReleaseBackdrop(); }

void FormView::SetOwnerWindow(HWND owner) {
  if (Handle() && owner != Handle())
    ::SetWindowLongPtrW(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
}

void FormView::ReportFrame() {
  RECT window;
  RECT client;
  ::GetWindowRect(Handle(), &window);
  ::GetClientRect(Handle(), &client);
  int frameWidth = (window.right - window.left) - client.right;
  int frameHeight = (window.bottom - window.top) - client.bottom;
  int clientWidth = form_.ClientWidth();
  int clientHeight = form_.ClientHeight();
  if (clientWidth != client.right || clientHeight != client.bottom ||
      frameWidth != form_.Width() - clientWidth || frameHeight != form_.Height() - clientHeight) {
    // The real frame differs from the computed one (themes, menus): keep
    // the client size the layout asked for.
    form_.SetFrameSize(frameWidth, frameHeight);
  }
}

void FormView::ModelMoved() {
  if (!Handle() || ::IsIconic(Handle())) return;
  RECT window;
  ::GetWindowRect(Handle(), &window);
  placing_ = true;
  form_.SetBounds(window.left, window.top, window.right - window.left, window.bottom - window.top);
  placing_ = false;
}

void FormView::BoundsChanged() {
  if (placing_ || !Handle()) return;
  ::SetWindowPos(Handle(), nullptr, form_.Left(), form_.Top(), form_.Width(), form_.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  // A client size the window cannot take (too small for its frame) is
  // reported back as it is.
  ModelMoved();
}

void FormView::PlaceOnShow() {
  int width = form_.Width();
  int height = form_.Height();
  RECT area{};
  switch (form_.Position()) {
    case ui::Position::poScreenCenter:
      area = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
      break;
    case ui::Position::poDesktopCenter: {
      int x = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
      int y = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
      area = {x, y, x + ::GetSystemMetrics(SM_CXVIRTUALSCREEN), y + ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
      break;
    }
    case ui::Position::poMainFormCenter:
    case ui::Position::poOwnerFormCenter: {
      ui::Form* mainForm = Owner().MainForm();
      HWND center = mainForm && mainForm != &form_ ? Owner().HandleOf(*mainForm) : nullptr;
      if (center && ::IsWindowVisible(center)) {
        ::GetWindowRect(center, &area);
      } else {
        area = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
      }
      break;
    }
    default:
      return;
  }
  int left = area.left + (area.right - area.left - width) / 2;
  int top = area.top + (area.bottom - area.top - height) / 2;
  form_.SetBounds(left, top, width, height);
}

void FormView::VisibleChanged() {
  if (!Handle()) return;
  if (!form_.Visible()) {
    ::ShowWindow(Handle(), SW_HIDE);
    ReleaseBackdrop();
    return;
  }
  PlaceOnShow();
  ::ShowWindow(Handle(), SW_SHOW);
  ::UpdateWindow(Handle());
  FocusActiveControl();
}

void FormView::CaptionChanged() {
  if (Handle()) ::SetWindowTextW(Handle(), form_.Caption().c_str());
}

void FormView::ApplyStyle() {
  if (!Handle()) return;
  ::SetWindowLongPtrW(Handle(), GWL_STYLE,
                      static_cast<LONG_PTR>(Style() | (::IsWindowVisible(Handle()) ? WS_VISIBLE : 0)));
  ::SetWindowLongPtrW(Handle(), GWL_EXSTYLE, static_cast<LONG_PTR>(ExStyle()));
  HWND order = form_.FormStyle() == ui::FormStyle::fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST;
  ::SetWindowPos(Handle(), order, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  RECT frame{0, 0, 0, 0};
  ::AdjustWindowRectEx(&frame, Style(), FALSE, ExStyle());
  form_.SetFrameSize(frame.right - frame.left, frame.bottom - frame.top);
  ReportFrame();
}

void FormView::OtherChanged(const ui::Change& change) {
  switch (change.property) {
    case ui::Property::Style:
      if (!form_.ScreenBackdrop()) ReleaseBackdrop();
      ApplyStyle();
      break;
    case ui::Property::ActiveControl:
      if (Handle() && ::GetActiveWindow() == Handle()) FocusActiveControl();
      break;
    default:
      ContainerView::OtherChanged(change);
      break;
  }
}

void FormView::CopyScreenBehind() {
  ReleaseBackdrop();
  backdropTaken_ = true;
  RECT window;
  ::GetWindowRect(Handle(), &window);
  int width = ::GetSystemMetrics(SM_CXSCREEN) - window.left;
  int height = ::GetSystemMetrics(SM_CYSCREEN) - window.top;
  if (width <= 0 || height <= 0) return;
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
  if (memory && bitmap) {
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, window.left, window.top - form_.ScreenBackdropOffset(),
             SRCCOPY | CAPTUREBLT);
    ::SelectObject(memory, old);
    backdrop_ = bitmap;
    backdropPending_ = true;
  } else if (bitmap) {
    ::DeleteObject(bitmap);
  }
  if (memory) ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
}

void FormView::MoveOntoBackdrop() {
  backdropPending_ = false;
  RECT window;
  ::GetWindowRect(Handle(), &window);
  ::SetWindowPos(Handle(), nullptr, window.left, window.top - form_.ScreenBackdropOffset(), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ::InvalidateRect(Handle(), nullptr, FALSE);
}

void FormView::ReleaseBackdrop() {
  if (backdrop_) ::DeleteObject(backdrop_);
  backdrop_ = nullptr;
  backdropTaken_ = false;
  backdropPending_ = false;
}

void FormView::PaintBackground(HDC dc, const RECT& client) {
  // The copy stays for later paints too: painting nothing there would leave
  // the see-through parts black.
  if (!backdrop_) {
    ContainerView::PaintBackground(dc, client);
    return;
  }
  BITMAP size{};
  ::GetObjectW(backdrop_, sizeof(size), &size);
  HDC memory = ::CreateCompatibleDC(dc);
  HGDIOBJ old = ::SelectObject(memory, backdrop_);
  ::BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, memory, 0, 0, SRCCOPY);
  ::SelectObject(memory, old);
  ::DeleteDC(memory);
  // A window reaching past the screen's edge has no copy there.
  ::SetBkColor(dc, BackgroundColor());
  RECT right{size.bmWidth, 0, client.right, client.bottom};
  RECT below{0, size.bmHeight, client.right, client.bottom};
  if (right.left < right.right) ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &right, nullptr, 0, nullptr);
  if (below.top < below.bottom) ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &below, nullptr, 0, nullptr);
}

void FormView::FocusActiveControl() {
  if (!Handle() || !form_.Visible()) return;
  ui::WinControl* active = form_.ActiveControl();
  HWND target = active ? Owner().HandleOf(*active) : nullptr;
  if (target && ::IsWindowVisible(target) && ::IsWindowEnabled(target)) {
    HWND focus = ::GetFocus();
    if (focus != target && !::IsChild(target, focus)) ::SetFocus(target);
    return;
  }
  if (::GetFocus() == nullptr || !::IsChild(Handle(), ::GetFocus())) {
    std::vector<HWND> stops;
    CollectTabStops(Owner(), form_, stops);
    ::SetFocus(stops.empty() ? Handle() : stops.front());
  }
}

void FormView::Tab(bool backwards) {
  std::vector<HWND> stops;
  CollectTabStops(Owner(), form_, stops);
  if (stops.empty()) return;
  HWND focus = ::GetFocus();
  std::size_t current = stops.size();
  for (std::size_t i = 0; i < stops.size(); ++i) {
    if (stops[i] == focus || ::IsChild(stops[i], focus)) current = i;
  }
  std::size_t next;
  if (current == stops.size()) {
    next = backwards ? stops.size() - 1 : 0;
  } else {
    next = backwards ? (current + stops.size() - 1) % stops.size() : (current + 1) % stops.size();
  }
  ::SetFocus(stops[next]);
  // An edit entered with the keyboard selects its whole text, as in dialogs.
  wchar_t className[16] = {};
  ::GetClassNameW(stops[next], className, 16);
  if (std::wstring_view(className) == L"Edit") ::SendMessageW(stops[next], EM_SETSEL, 0, -1);
}

LRESULT FormView::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CLOSE:
      form_.Close();
      return 0;
    case WM_PAINT:
      if (backdropPending_) MoveOntoBackdrop();
      break;
    case WM_MOVE:
    case WM_SIZE:
      if (!placing_) ModelMoved();
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) {
        if (form_.ScreenBackdrop() && !backdropTaken_ && ::IsWindowVisible(Handle())) CopyScreenBehind();
        FocusActiveControl();
        return 0;
      }
      break;
    default:
      break;
  }
  return ContainerView::HandleMessage(msg, wParam, lParam);
}

}  // namespace zt::ui::win32
