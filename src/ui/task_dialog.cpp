#include "ui/task_dialog.h"

#include "ui/host.h"

namespace zt::ui {

int CommonButtonResult(TaskDialogCommonButton button) {
  switch (button) {
    case TaskDialogCommonButton::tcbOk:
      return mrOk;
    case TaskDialogCommonButton::tcbYes:
      return mrYes;
    case TaskDialogCommonButton::tcbNo:
      return mrNo;
    case TaskDialogCommonButton::tcbCancel:
      return mrCancel;
    case TaskDialogCommonButton::tcbRetry:
      return mrRetry;
    case TaskDialogCommonButton::tcbClose:
      return mrClose;
  }
  return mrNone;
}

int TaskDialog::ButtonResult(int index) const {
  int result = buttons_.at(static_cast<std::size_t>(index)).ModalResult;
  return result != mrNone ? result : 100 + index;
}

bool TaskDialog::Execute() {
  modalResult_ = mrNone;
  Host* host = FindHost();
  return host && host->ExecuteTaskDialog(*this);
}

void TaskDialog::DialogCreated() {
  if (OnDialogCreated) OnDialogCreated();
}

bool TaskDialog::Clicked(int modalResult) {
  bool canClose = true;
  if (OnButtonClicked) OnButtonClicked(modalResult, canClose);
  if (canClose) modalResult_ = modalResult;
  return canClose;
}

bool TaskDialog::UserClickButton(int index) {
  if (index < 0 || index >= static_cast<int>(buttons_.size()) ||
      !buttons_[static_cast<std::size_t>(index)].Enabled)
    return false;
  return Clicked(ButtonResult(index));
}

bool TaskDialog::UserClickCommonButton(TaskDialogCommonButton button) {
  if (!commonButtons_.Contains(button)) return false;
  return Clicked(CommonButtonResult(button));
}

bool TaskDialog::CanCancel() const {
  return flags_.Contains(TaskDialogFlag::tfAllowDialogCancellation) ||
         commonButtons_.Contains(TaskDialogCommonButton::tcbCancel);
}

bool TaskDialog::UserCancel() { return CanCancel() && Clicked(mrCancel); }

void TaskDialog::UserClickVerification() {
  if (VerificationChecked())
    flags_ -= TaskDialogFlag::tfVerificationFlagChecked;
  else
    flags_ += TaskDialogFlag::tfVerificationFlagChecked;
  if (OnVerificationClicked) OnVerificationClicked();
}

void TaskDialog::UserClickHyperlink(std::wstring url) {
  url_ = std::move(url);
  if (OnHyperlinkClicked) OnHyperlinkClicked(url_);
}

std::vector<StringProperty> TaskDialog::StringProperties() {
  auto field = [this](std::wstring path, std::wstring TaskDialog::*member) {
    return StringProperty{std::move(path), [this, member] { return this->*member; },
                          [this, member](const std::wstring& v) { this->*member = v; }};
  };
  std::vector<StringProperty> list;
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    auto button = [this, i](std::wstring path, std::wstring TaskDialogButton::*member) {
      return StringProperty{
          L"Buttons[" + std::to_wstring(i) + L"]." + path,
          [this, i, member] { return i < buttons_.size() ? buttons_[i].*member : std::wstring(); },
          [this, i, member](const std::wstring& v) {
            if (i < buttons_.size()) buttons_[i].*member = v;
          }};
    };
    list.push_back(button(L"Caption", &TaskDialogButton::Caption));
    list.push_back(button(L"CommandLinkHint", &TaskDialogButton::CommandLinkHint));
  }
  list.push_back(field(L"Caption", &TaskDialog::caption_));
  list.push_back(field(L"ExpandButtonCaption", &TaskDialog::expandButtonCaption_));
  list.push_back(field(L"ExpandedText", &TaskDialog::expandedText_));
  list.push_back(field(L"FooterText", &TaskDialog::footerText_));
  list.push_back(field(L"Text", &TaskDialog::text_));
  list.push_back(field(L"Title", &TaskDialog::title_));
  list.push_back(field(L"VerificationText", &TaskDialog::verificationText_));
  return list;
}

}  // namespace zt::ui
