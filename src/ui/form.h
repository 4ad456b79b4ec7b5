#pragma once
// Forms: top-level windows, shown normally or modally.
#include <cstdint>
#include <functional>
#include <string>

#include "ui/control.h"

namespace zt::ui {

enum class BorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class BorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
enum class Position {
  poDesigned,
  poDefault,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};
enum class FormStyle { fsNormal, fsStayOnTop };
enum class CloseAction { caNone, caHide, caFree, caMinimize };

class Button;

// A top-level window. Left/Top/Width/Height are the outer window; the client
// area is that minus the frame, whose size the binding reports with
// SetFrameSize (zero until then).
class Form : public WinControl {
 public:
  Form();
  ~Form() override;
  std::wstring_view ClassName() const override { return L"TForm"; }

  const std::wstring& Caption() const { return CaptionText(); }
  void SetCaption(std::wstring caption) { StoreCaptionText(std::move(caption)); }

  int ClientWidth() const { return Width() - frameWidth_; }
  int ClientHeight() const { return Height() - frameHeight_; }
  void SetClientWidth(int width) { SetWidth(width + frameWidth_); }
  void SetClientHeight(int height) { SetHeight(height + frameHeight_); }
  // The frame's extra width and height (borders and caption); keeps the client size.
  void SetFrameSize(int width, int height);

  ui::BorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(ui::BorderStyle style);
  Set<BorderIcon> BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(Set<BorderIcon> icons);
  ui::Position Position() const { return position_; }
  void SetPosition(ui::Position position);
  ui::FormStyle FormStyle() const { return formStyle_; }
  void SetFormStyle(ui::FormStyle style);
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool keyPreview) { keyPreview_ = keyPreview; }
  // Whether the layout is scaled to the screen's DPI.
  bool Scaled() const { return scaled_; }
  void SetScaled(bool scaled);

  // A copy of the screen as the window's background, so that the
  // see-through parts of its pictures show what lies behind the window. The
  // copy is taken when the shown window is first activated, starting
  // `offset` pixels above the window; the next paint moves the window up by
  // `offset`, which puts the copy right behind it.
  bool ScreenBackdrop() const { return screenBackdrop_; }
  int ScreenBackdropOffset() const { return screenBackdropOffset_; }
  void SetScreenBackdrop(bool enabled, int offset = 0);

  // The focused control. While the form is shown, a change fires OnExit of the
  // old control and OnEnter of the new one (unless Notify::No); when the form
  // is shown, its active control gets OnEnter.
  WinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(WinControl* control, Notify notify = Notify::Yes);

  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }
  bool Modal() const { return modal_; }

  // Fires OnCreate; the program calls it once, after building the layout and
  // attaching the handlers.
  void DoCreate();
  // Showing fires OnShow and then OnEnter of the active control; hiding fires OnHide.
  void SetVisible(bool visible) override;

  // Shows the form modally and returns its modal result once the host's modal
  // loop ends. Throws std::logic_error when the form is visible already, or
  // when there is no host.
  int ShowModal();
  // For the host's modal loop, after each message: once ModalResult is set it
  // asks OnCloseQuery and OnClose; a veto (or caNone) clears ModalResult and
  // the loop goes on.
  bool ModalLoopDone();

  // Modal: sets ModalResult to mrCancel. Otherwise asks OnCloseQuery, fires
  // OnClose, hides the form and tells the host (unless OnClose said caNone).
  void Close();
  bool CloseQuery();

  // A key pressed while the form is active. With KeyPreview the form's
  // OnKeyDown sees it first and may swallow it (key = 0); Return and Escape
  // then click the Default / Cancel button. True when the key goes on to the
  // focused control.
  bool UserKeyDown(std::uint16_t key, ShiftStates shift);

  std::vector<StringProperty> StringProperties() override;
  void Notification(Component& component, Operation operation) override;

  std::function<void()> OnCreate;
  std::function<void()> OnShow;
  std::function<void()> OnHide;
  std::function<void(bool& canClose)> OnCloseQuery;
  std::function<void(CloseAction& action)> OnClose;
  std::function<void(std::uint16_t& key, ShiftStates shift)> OnKeyDown;

 private:
  Button* FindButton(bool isDefault) const;

  int frameWidth_ = 0;
  int frameHeight_ = 0;
  ui::BorderStyle borderStyle_ = ui::BorderStyle::bsSizeable;
  Set<BorderIcon> borderIcons_{BorderIcon::biSystemMenu, BorderIcon::biMinimize, BorderIcon::biMaximize};
  ui::Position position_ = ui::Position::poDefault;
  ui::FormStyle formStyle_ = ui::FormStyle::fsNormal;
  bool keyPreview_ = false;
  bool scaled_ = true;
  bool screenBackdrop_ = false;
  int screenBackdropOffset_ = 0;
  WinControl* activeControl_ = nullptr;
  int modalResult_ = mrNone;
  bool modal_ = false;
};

}  // namespace zt::ui
