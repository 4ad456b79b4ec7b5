#include "ui/tray_icon.h"

#include "base/utf16.h"
#include "ui/host.h"
#include "ui/popup_menu.h"

namespace zt::ui {

std::wstring CutToUtf16(const std::wstring& text, std::size_t units) {
  std::size_t used = 0;
  std::size_t index = 0;
  for (; index < text.size(); ++index) {
    std::size_t width = Utf16Length(std::wstring_view(&text[index], 1));
    if (used + width > units) break;
    used += width;
  }
  return text.substr(0, index);
}

void TrayIcon::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Changed(Property::Visible);
}

void TrayIcon::SetHint(std::wstring hint) {
  if (hint == hint_) return;
  hint_ = std::move(hint);
  Changed(Property::Hint);
}

void TrayIcon::SetBalloonTitle(std::wstring title) {
  if (title == balloonTitle_) return;
  balloonTitle_ = std::move(title);
  Changed(Property::Balloon);
}

void TrayIcon::SetBalloonHint(std::wstring hint) {
  if (hint == balloonHint_) return;
  balloonHint_ = std::move(hint);
  Changed(Property::Balloon);
}

void TrayIcon::SetBalloonFlags(ui::BalloonFlags flags) {
  if (flags == balloonFlags_) return;
  balloonFlags_ = flags;
  Changed(Property::Balloon);
}

void TrayIcon::SetBalloonTimeout(int timeout) {
  if (timeout == balloonTimeout_) return;
  balloonTimeout_ = timeout;
  Changed(Property::Balloon);
}

std::wstring TrayIcon::ShownBalloonTitle() const { return CutToUtf16(balloonTitle_, kBalloonTitleMax); }

std::wstring TrayIcon::ShownBalloonHint() const { return CutToUtf16(balloonHint_, kBalloonHintMax); }

void TrayIcon::SetPopupMenu(ui::PopupMenu* menu) {
  if (menu == popupMenu_) return;
  if (popupMenu_) RemoveFreeNotification(*popupMenu_);
  popupMenu_ = menu;
  if (popupMenu_) FreeNotification(*popupMenu_);
}

void TrayIcon::Notification(Component& component, Operation operation) {
  if (operation == Operation::opRemove && static_cast<Component*>(popupMenu_) == &component)
    popupMenu_ = nullptr;
  Component::Notification(component, operation);
}

void TrayIcon::ShowBalloonHint() {
  if (!visible_) return;
  if (Host* host = FindHost()) host->ShowBalloonHint(*this);
}

void TrayIcon::UserClick() {
  if (OnClick) OnClick();
}

void TrayIcon::UserDblClick() {
  if (OnDblClick) OnDblClick();
}

void TrayIcon::UserBalloonClick() {
  if (OnBalloonClick) OnBalloonClick();
}

void TrayIcon::UserContextMenu(int x, int y) {
  if (popupMenu_) popupMenu_->Popup(x, y);
}

std::vector<StringProperty> TrayIcon::StringProperties() {
  return {
      StringProperty{L"BalloonHint", [this] { return balloonHint_; },
                     [this](const std::wstring& v) { SetBalloonHint(v); }},
      StringProperty{L"BalloonTitle", [this] { return balloonTitle_; },
                     [this](const std::wstring& v) { SetBalloonTitle(v); }},
      StringProperty{L"Hint", [this] { return hint_; }, [this](const std::wstring& v) { SetHint(v); }},
  };
}

}  // namespace zt::ui
