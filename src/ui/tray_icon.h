#pragma once
// Notification-area icon with balloon tips.
#include <functional>
#include <string>

#include "ui/component.h"

namespace zt::ui {

class PopupMenu;

enum class BalloonFlags { bfNone, bfInfo, bfWarning, bfError };

// The tray icon keeps the balloon's texts whole; the shell shows at most
// kBalloonTitleMax / kBalloonHintMax UTF-16 units of them (ShownBalloonTitle,
// ShownBalloonHint) and kHintMax of the tooltip.
class TrayIcon : public Component {
 public:
  static constexpr std::size_t kHintMax = 127;
  static constexpr std::size_t kBalloonTitleMax = 63;
  static constexpr std::size_t kBalloonHintMax = 255;

  std::wstring_view ClassName() const override { return L"TTrayIcon"; }

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  const std::wstring& Hint() const { return hint_; }
  void SetHint(std::wstring hint);

  const std::wstring& BalloonTitle() const { return balloonTitle_; }
  void SetBalloonTitle(std::wstring title);
  // Setting an empty text withdraws a balloon that is showing.
  const std::wstring& BalloonHint() const { return balloonHint_; }
  void SetBalloonHint(std::wstring hint);
  ui::BalloonFlags BalloonFlags() const { return balloonFlags_; }
  void SetBalloonFlags(ui::BalloonFlags flags);
  int BalloonTimeout() const { return balloonTimeout_; }  // milliseconds
  void SetBalloonTimeout(int timeout);
  std::wstring ShownBalloonTitle() const;
  std::wstring ShownBalloonHint() const;

  ui::PopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(ui::PopupMenu* menu);

  // Shows the balloon through the host; nothing while the icon is hidden.
  void ShowBalloonHint();

  void UserClick();
  void UserDblClick();
  void UserBalloonClick();
  // Right click: the pop-up menu at the screen point.
  void UserContextMenu(int x, int y);

  std::vector<StringProperty> StringProperties() override;
  void Notification(Component& component, Operation operation) override;

  std::function<void()> OnClick;
  std::function<void()> OnDblClick;
  std::function<void()> OnBalloonClick;

 private:
  bool visible_ = false;
  std::wstring hint_;
  std::wstring balloonTitle_;
  std::wstring balloonHint_;
  ui::BalloonFlags balloonFlags_ = ui::BalloonFlags::bfNone;
  int balloonTimeout_ = 3000;
  ui::PopupMenu* popupMenu_ = nullptr;
};

// The first `units` UTF-16 units of a text (a surrogate pair is not split).
std::wstring CutToUtf16(const std::wstring& text, std::size_t units);

}  // namespace zt::ui
