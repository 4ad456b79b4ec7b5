#include "ui/win32/task_dialog_runner.h"

#include <commctrl.h>

#include <exception>
#include <string>
#include <vector>

namespace zt::ui::win32 {

namespace {

using TaskDialogIndirectFn = HRESULT(WINAPI*)(const TASKDIALOGCONFIG*, int*, int*, BOOL*);

struct Run {
  ui::TaskDialog& dialog;
  std::exception_ptr failure;
  bool ended = false;
};

struct FlagMap {
  ui::TaskDialogFlag flag;
  TASKDIALOG_FLAGS bits;
};

constexpr FlagMap kFlags[] = {
    {ui::TaskDialogFlag::tfEnableHyperlinks, TDF_ENABLE_HYPERLINKS},
    {ui::TaskDialogFlag::tfAllowDialogCancellation, TDF_ALLOW_DIALOG_CANCELLATION},
    {ui::TaskDialogFlag::tfUseCommandLinks, TDF_USE_COMMAND_LINKS},
    {ui::TaskDialogFlag::tfUseCommandLinksNoIcon, TDF_USE_COMMAND_LINKS_NO_ICON},
    {ui::TaskDialogFlag::tfExpandFooterArea, TDF_EXPAND_FOOTER_AREA},
    {ui::TaskDialogFlag::tfExpandedByDefault, TDF_EXPANDED_BY_DEFAULT},
    {ui::TaskDialogFlag::tfVerificationFlagChecked, TDF_VERIFICATION_FLAG_CHECKED},
    {ui::TaskDialogFlag::tfShowProgressBar, TDF_SHOW_PROGRESS_BAR},
    {ui::TaskDialogFlag::tfShowMarqueeProgressBar, TDF_SHOW_MARQUEE_PROGRESS_BAR},
    {ui::TaskDialogFlag::tfCallbackTimer, TDF_CALLBACK_TIMER},
    {ui::TaskDialogFlag::tfPositionRelativeToWindow, TDF_POSITION_RELATIVE_TO_WINDOW},
    {ui::TaskDialogFlag::tfRtlLayout, TDF_RTL_LAYOUT},
    {ui::TaskDialogFlag::tfNoDefaultRadioButton, TDF_NO_DEFAULT_RADIO_BUTTON},
    {ui::TaskDialogFlag::tfCanBeMinimized, TDF_CAN_BE_MINIMIZED},
};

struct CommonMap {
  ui::TaskDialogCommonButton button;
  TASKDIALOG_COMMON_BUTTON_FLAGS bits;
  int id;
};

constexpr CommonMap kCommon[] = {
    {ui::TaskDialogCommonButton::tcbOk, TDCBF_OK_BUTTON, IDOK},
    {ui::TaskDialogCommonButton::tcbYes, TDCBF_YES_BUTTON, IDYES},
    {ui::TaskDialogCommonButton::tcbNo, TDCBF_NO_BUTTON, IDNO},
    {ui::TaskDialogCommonButton::tcbCancel, TDCBF_CANCEL_BUTTON, IDCANCEL},
    {ui::TaskDialogCommonButton::tcbRetry, TDCBF_RETRY_BUTTON, IDRETRY},
    {ui::TaskDialogCommonButton::tcbClose, TDCBF_CLOSE_BUTTON, IDCLOSE},
};

PCWSTR IconResource(ui::TaskDialogIcon icon) {
  switch (icon) {
    case ui::TaskDialogIcon::tdiWarning:
      return TD_WARNING_ICON;
    case ui::TaskDialogIcon::tdiError:
      return TD_ERROR_ICON;
    case ui::TaskDialogIcon::tdiInformation:
      return TD_INFORMATION_ICON;
    case ui::TaskDialogIcon::tdiShield:
      return TD_SHIELD_ICON;
    default:
      return nullptr;
  }
}

PCWSTR TextOrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

// Which of the model's buttons the dialog's button id is; custom buttons
// first, since one may carry a common button's result (mrCancel = IDCANCEL).
bool ClickButton(ui::TaskDialog& dialog, int id) {
  for (int i = 0; i < static_cast<int>(dialog.Buttons().size()); ++i) {
    if (dialog.ButtonResult(i) == id) return dialog.UserClickButton(i);
  }
  for (const CommonMap& common : kCommon) {
    if (common.id == id && dialog.CommonButtons().Contains(common.button)) {
      return dialog.UserClickCommonButton(common.button);
    }
  }
  // Escape or the close box.
  if (id == IDCANCEL) return dialog.UserCancel();
  return true;
}

HRESULT CALLBACK Callback(HWND hwnd, UINT notification, WPARAM wParam, LPARAM lParam, LONG_PTR data) {
  auto& run = *reinterpret_cast<Run*>(data);
  if (run.ended) return S_OK;
  try {
    switch (notification) {
      case TDN_CREATED:
        for (int i = 0; i < static_cast<int>(run.dialog.Buttons().size()); ++i) {
          if (!run.dialog.Buttons()[static_cast<std::size_t>(i)].Enabled) {
            ::SendMessageW(hwnd, TDM_ENABLE_BUTTON, static_cast<WPARAM>(run.dialog.ButtonResult(i)), FALSE);
          }
        }
        run.dialog.DialogCreated();
        return S_OK;
      case TDN_BUTTON_CLICKED:
        // S_FALSE keeps the dialog open.
        return ClickButton(run.dialog, static_cast<int>(wParam)) ? S_OK : S_FALSE;
      case TDN_HYPERLINK_CLICKED:
        run.dialog.UserClickHyperlink(reinterpret_cast<PCWSTR>(lParam));
        return S_OK;
      case TDN_VERIFICATION_CLICKED:
        if (run.dialog.VerificationChecked() != (wParam != 0)) run.dialog.UserClickVerification();
        return S_OK;
      default:
        return S_OK;
    }
  } catch (...) {
    // An exception may not cross the dialog's own frames: end the dialog
    // and raise it again once TaskDialogIndirect has returned.
    run.failure = std::current_exception();
    run.ended = true;
    ::EndDialog(hwnd, IDCANCEL);
    return S_OK;
  }
}

}  // namespace

bool RunTaskDialog(ui::TaskDialog& dialog, HWND owner) {
  // The program imports comctl32 (version 6 through its manifest), so the
  // module is loaded already: use it rather than searching for one by name.
  HMODULE comctl = ::GetModuleHandleW(L"comctl32.dll");
  if (!comctl) return false;
  auto taskDialogIndirect = reinterpret_cast<TaskDialogIndirectFn>(
      reinterpret_cast<void*>(::GetProcAddress(comctl, "TaskDialogIndirect")));
  if (!taskDialogIndirect) return false;

  std::vector<std::wstring> captions;
  std::vector<TASKDIALOG_BUTTON> buttons;
  captions.reserve(dialog.Buttons().size());
  int defaultButton = 0;
  for (int i = 0; i < static_cast<int>(dialog.Buttons().size()); ++i) {
    const ui::TaskDialogButton& button = dialog.Buttons()[static_cast<std::size_t>(i)];
    // A command link's note goes on its second line.
    captions.push_back(button.CommandLinkHint.empty() ? button.Caption
                                                      : button.Caption + L"\n" + button.CommandLinkHint);
    buttons.push_back({dialog.ButtonResult(i), captions.back().c_str()});
    if (button.Default && defaultButton == 0) defaultButton = dialog.ButtonResult(i);
  }

  TASKDIALOGCONFIG config{};
  config.cbSize = sizeof(config);
  config.hwndParent = owner;
  for (const FlagMap& flag : kFlags) {
    if (dialog.Flags().Contains(flag.flag)) config.dwFlags |= flag.bits;
  }
  for (const CommonMap& common : kCommon) {
    if (dialog.CommonButtons().Contains(common.button)) config.dwCommonButtons |= common.bits;
  }
  config.pszWindowTitle = TextOrNull(dialog.Caption());
  config.pszMainIcon = IconResource(dialog.MainIcon());
  config.pszMainInstruction = TextOrNull(dialog.Title());
  config.pszContent = TextOrNull(dialog.Text());
  config.cButtons = static_cast<UINT>(buttons.size());
  config.pButtons = buttons.empty() ? nullptr : buttons.data();
  config.nDefaultButton = defaultButton;
  config.pszVerificationText = TextOrNull(dialog.VerificationText());
  config.pszExpandedInformation = TextOrNull(dialog.ExpandedText());
  config.pszExpandedControlText = TextOrNull(dialog.ExpandButtonCaption());
  config.pszCollapsedControlText = TextOrNull(dialog.ExpandButtonCaption());
  config.pszFooterIcon = IconResource(dialog.FooterIcon());
  config.pszFooter = TextOrNull(dialog.FooterText());
  config.pfCallback = &Callback;
  Run run{dialog, nullptr, false};
  config.lpCallbackData = reinterpret_cast<LONG_PTR>(&run);

  int pressed = 0;
  BOOL verification = FALSE;
  HRESULT result = taskDialogIndirect(&config, &pressed, nullptr, &verification);
  if (run.failure) std::rethrow_exception(run.failure);
  return SUCCEEDED(result);
}

}  // namespace zt::ui::win32
