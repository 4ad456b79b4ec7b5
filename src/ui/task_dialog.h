#pragma once
// The task dialog component.
#include <functional>
#include <string>
#include <vector>

#include "ui/component.h"

namespace zt::ui {

enum class TaskDialogFlag {
  tfEnableHyperlinks,
  tfUseHiconMain,
  tfUseHiconFooter,
  tfAllowDialogCancellation,
  tfUseCommandLinks,
  tfUseCommandLinksNoIcon,
  tfExpandFooterArea,
  tfExpandedByDefault,
  tfVerificationFlagChecked,
  tfShowProgressBar,
  tfShowMarqueeProgressBar,
  tfCallbackTimer,
  tfPositionRelativeToWindow,
  tfRtlLayout,
  tfNoDefaultRadioButton,
  tfCanBeMinimized,
};
enum class TaskDialogCommonButton { tcbOk, tcbYes, tcbNo, tcbCancel, tcbRetry, tcbClose };
enum class TaskDialogIcon { tdiNone, tdiWarning, tdiError, tdiInformation, tdiShield };

struct TaskDialogButton {
  std::wstring Caption{};
  std::wstring CommandLinkHint{};
  int ModalResult = mrNone;  // mrNone: the button's id, 100 + its index
  bool Default = false;
  bool Enabled = true;
};

// A task dialog. Execute() runs it through the host, which reports the
// user's actions with the User... operations below; each fires its event.
// Clicking a button (custom or common, or cancelling) fires
// OnButtonClicked(modalResult, canClose); the dialog closes with that result
// unless the handler clears canClose. The verification box's state is the
// flag tfVerificationFlagChecked.
class TaskDialog : public Component {
 public:
  std::wstring_view ClassName() const override { return L"TTaskDialog"; }

  const std::wstring& Caption() const { return caption_; }
  void SetCaption(std::wstring caption) { caption_ = std::move(caption); }
  // The main instruction.
  const std::wstring& Title() const { return title_; }
  void SetTitle(std::wstring title) { title_ = std::move(title); }
  // The content.
  const std::wstring& Text() const { return text_; }
  void SetText(std::wstring text) { text_ = std::move(text); }
  const std::wstring& ExpandedText() const { return expandedText_; }
  void SetExpandedText(std::wstring text) { expandedText_ = std::move(text); }
  const std::wstring& ExpandButtonCaption() const { return expandButtonCaption_; }
  void SetExpandButtonCaption(std::wstring caption) { expandButtonCaption_ = std::move(caption); }
  // May hold `<a href="">...</a>` links (with tfEnableHyperlinks).
  const std::wstring& FooterText() const { return footerText_; }
  void SetFooterText(std::wstring text) { footerText_ = std::move(text); }
  const std::wstring& VerificationText() const { return verificationText_; }
  void SetVerificationText(std::wstring text) { verificationText_ = std::move(text); }

  TaskDialogIcon MainIcon() const { return mainIcon_; }
  void SetMainIcon(TaskDialogIcon icon) { mainIcon_ = icon; }
  TaskDialogIcon FooterIcon() const { return footerIcon_; }
  void SetFooterIcon(TaskDialogIcon icon) { footerIcon_ = icon; }
  Set<TaskDialogFlag> Flags() const { return flags_; }
  void SetFlags(Set<TaskDialogFlag> flags) { flags_ = flags; }
  Set<TaskDialogCommonButton> CommonButtons() const { return commonButtons_; }
  void SetCommonButtons(Set<TaskDialogCommonButton> buttons) { commonButtons_ = buttons; }

  std::vector<TaskDialogButton>& Buttons() { return buttons_; }
  const std::vector<TaskDialogButton>& Buttons() const { return buttons_; }
  // The modal result a custom button gives.
  int ButtonResult(int index) const;

  int ModalResult() const { return modalResult_; }
  bool VerificationChecked() const { return flags_.Contains(TaskDialogFlag::tfVerificationFlagChecked); }
  // The link last clicked.
  const std::wstring& URL() const { return url_; }

  // Runs the dialog; false when it could not be shown (no host, or the
  // platform has no task dialogs). ModalResult then says which button closed it.
  bool Execute();

  // For the host, while the dialog runs. The click operations return true
  // when the dialog closes.
  void DialogCreated();
  bool UserClickButton(int index);
  bool UserClickCommonButton(TaskDialogCommonButton button);
  // Escape or the close box: only when cancellation is allowed (the flag or
  // a Cancel button); it counts as a click with mrCancel.
  bool UserCancel();
  bool CanCancel() const;
  void UserClickVerification();
  void UserClickHyperlink(std::wstring url);

  std::vector<StringProperty> StringProperties() override;

  std::function<void()> OnDialogCreated;
  std::function<void(int modalResult, bool& canClose)> OnButtonClicked;
  std::function<void(const std::wstring& url)> OnHyperlinkClicked;
  std::function<void()> OnVerificationClicked;

 private:
  bool Clicked(int modalResult);

  std::wstring caption_;
  std::wstring title_;
  std::wstring text_;
  std::wstring expandedText_;
  std::wstring expandButtonCaption_;
  std::wstring footerText_;
  std::wstring verificationText_;
  TaskDialogIcon mainIcon_ = TaskDialogIcon::tdiInformation;
  TaskDialogIcon footerIcon_ = TaskDialogIcon::tdiNone;
  Set<TaskDialogFlag> flags_{TaskDialogFlag::tfAllowDialogCancellation};
  Set<TaskDialogCommonButton> commonButtons_{TaskDialogCommonButton::tcbOk,
                                             TaskDialogCommonButton::tcbCancel};
  std::vector<TaskDialogButton> buttons_;
  int modalResult_ = mrNone;
  std::wstring url_;
};

int CommonButtonResult(TaskDialogCommonButton button);

}  // namespace zt::ui
