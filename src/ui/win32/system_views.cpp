#include "ui/win32/system_views.h"

#include <algorithm>

#include "ui/win32/binding.h"
#include "ui/win32/message_window.h"

namespace zt::ui::win32 {

namespace {

constexpr UINT kTrayIconId = 1;

// Copies at most `capacity - 1` UTF-16 units and ends the text.
template <std::size_t N>
void CopyCut(wchar_t (&target)[N], const std::wstring& text) {
  std::size_t count = std::min(text.size(), N - 1);
  std::copy(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(count), target);
  target[count] = L'\0';
}

}  // namespace

TimerView::TimerView(Binding& binding, ui::Timer& timer) : ComponentBinding(binding, timer), timer_(timer) {
  Restart();
}

TimerView::~TimerView() { Stop(); }

void TimerView::Stop() {
  if (id_ != 0) Owner().Messages().StopTimer(id_);
  id_ = 0;
}

void TimerView::Restart() {
  Stop();
  if (!timer_.Enabled() || timer_.Interval() <= 0) return;
  id_ = Owner().Messages().StartTimer(static_cast<unsigned>(timer_.Interval()), [this] { timer_.Tick(); });
}

void TimerView::Changed(ui::Component&, const ui::Change&) { Restart(); }

TrayIconView::TrayIconView(Binding& binding, ui::TrayIcon& icon)
    : ComponentBinding(binding, icon), icon_(icon) {
  callbackMessage_ = Owner().Messages().AddTrayCallback([this](LPARAM message) { Callback(message); });
  Owner().Messages().OnTaskbarCreated(callbackMessage_, [this] {
    // Explorer started again: its notification area is empty.
    added_ = false;
    if (icon_.Visible()) Add();
  });
  if (icon_.Visible()) Add();
}

TrayIconView::~TrayIconView() {
  Remove();
  Owner().Messages().RemoveTrayCallback(callbackMessage_);
}

NOTIFYICONDATAW TrayIconView::Data(UINT flags) const {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = Owner().Messages().Handle();
  data.uID = kTrayIconId;
  data.uFlags = flags;
  data.uCallbackMessage = callbackMessage_;
  HICON icon = static_cast<HICON>(::LoadImageW(ModuleInstance(), L"MAINICON", IMAGE_ICON,
                                               ::GetSystemMetrics(SM_CXSMICON),
                                               ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  data.hIcon = icon ? icon : ::LoadIconW(nullptr, IDI_APPLICATION);
  CopyCut(data.szTip, icon_.Hint());
  return data;
}

void TrayIconView::Add() {
  if (added_) return;
  NOTIFYICONDATAW data = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP);
  added_ = ::Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}

void TrayIconView::Remove() {
  if (!added_) return;
  NOTIFYICONDATAW data = Data(0);
  ::Shell_NotifyIconW(NIM_DELETE, &data);
  added_ = false;
}

void TrayIconView::ShowBalloon() {
  if (!added_) Add();
  NOTIFYICONDATAW data = Data(NIF_INFO);
  // The shell shows at most 63 units of the title and 255 of the text.
  CopyCut(data.szInfoTitle, icon_.ShownBalloonTitle());
  CopyCut(data.szInfo, icon_.ShownBalloonHint());
  switch (icon_.BalloonFlags()) {
    case ui::BalloonFlags::bfInfo:
      data.dwInfoFlags = NIIF_INFO;
      break;
    case ui::BalloonFlags::bfWarning:
      data.dwInfoFlags = NIIF_WARNING;
      break;
    case ui::BalloonFlags::bfError:
      data.dwInfoFlags = NIIF_ERROR;
      break;
    default:
      data.dwInfoFlags = NIIF_NONE;
      break;
  }
  data.uTimeout = static_cast<UINT>(std::max(icon_.BalloonTimeout(), 0));
  ::Shell_NotifyIconW(NIM_MODIFY, &data);
}

void TrayIconView::Changed(ui::Component&, const ui::Change& change) {
  switch (change.property) {
    case ui::Property::Visible:
      icon_.Visible() ? Add() : Remove();
      break;
    case ui::Property::Hint:
      if (added_) {
        NOTIFYICONDATAW data = Data(NIF_TIP);
        ::Shell_NotifyIconW(NIM_MODIFY, &data);
      }
      break;
    case ui::Property::Balloon:
      // An empty text withdraws the balloon on show.
      if (added_ && icon_.BalloonHint().empty()) {
        NOTIFYICONDATAW data = Data(NIF_INFO);
        ::Shell_NotifyIconW(NIM_MODIFY, &data);
      }
      break;
    default:
      break;
  }
}

void TrayIconView::Callback(LPARAM message) {
  switch (message) {
    case WM_LBUTTONUP:
      icon_.UserClick();
      break;
    case WM_LBUTTONDBLCLK:
      icon_.UserDblClick();
      break;
    case WM_RBUTTONUP: {
      POINT cursor;
      ::GetCursorPos(&cursor);
      icon_.UserContextMenu(cursor.x, cursor.y);
      break;
    }
    case NIN_BALLOONUSERCLICK:
      icon_.UserBalloonClick();
      break;
    default:
      break;
  }
}

}  // namespace zt::ui::win32
