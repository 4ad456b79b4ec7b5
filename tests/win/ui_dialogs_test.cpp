// Modal forms and task dialogs, answered by the messages a user's click
// produces while their own loops run.
#include "ui_test_support.h"

#include <commctrl.h>

#include <vector>

namespace zt::ui::testing {
namespace {

class UiModalForm : public UiWindowTest {
 protected:
  UiModalForm() {
    dialog_.SetCaption(L"System Protection");
    dialog_.SetBorderStyle(BorderStyle::bsNone);
    dialog_.SetClientWidth(408);
    dialog_.SetClientHeight(172);
    create_ = &dialog_.Create<Button>(L"SRCreate");
    create_->SetBounds(240, 140, 75, 25);
    create_->SetParent(&dialog_);
    create_->SetModalResult(mrOk);
    create_->SetDefault(true);
    cancel_ = &dialog_.Create<Button>(L"SRCancelbtn");
    cancel_->SetBounds(320, 140, 75, 25);
    cancel_->SetParent(&dialog_);
    cancel_->SetModalResult(mrCancel);
    cancel_->SetCancel(true);
    edit_ = &dialog_.Create<Edit>(L"SRDescription");
    edit_->SetBounds(10, 10, 300, 21);
    edit_->SetParent(&dialog_);
    dialog_.SetActiveControl(edit_);
    binding_.Realise(dialog_);
  }

  // Acts once the dialog shows (its loop has not started yet: act by posting).
  void WhenShown(std::function<void()> act) { dialog_.OnShow = act; }

  Form dialog_;
  Button* create_ = nullptr;
  Button* cancel_ = nullptr;
  Edit* edit_ = nullptr;
};

TEST_F(UiModalForm, AButtonClickEndsTheLoopWithItsModalResult) {
  int clicks = 0;
  BOOL ownerEnabledWhileModal = TRUE;
  create_->OnClick = [&] {
    ++clicks;
    ownerEnabledWhileModal = ::IsWindowEnabled(Handle(form_));
  };
  WhenShown([&] { ::PostMessageW(Handle(*create_), BM_CLICK, 0, 0); });

  EXPECT_EQ(dialog_.ShowModal(), mrOk);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(ownerEnabledWhileModal);
  EXPECT_TRUE(::IsWindowEnabled(Handle(form_)));
  EXPECT_FALSE(dialog_.Visible());
  EXPECT_FALSE(::IsWindowVisible(Handle(dialog_)));
}

TEST_F(UiModalForm, ReturnClicksTheDefaultButtonAndEscapeTheCancelButton) {
  struct Case {
    const char* name;
    WPARAM key;
    int result;
  };
  for (const Case& c : {Case{"Return", VK_RETURN, mrOk}, Case{"Escape", VK_ESCAPE, mrCancel}}) {
    SCOPED_TRACE(c.name);
    WhenShown([&] { ::PostMessageW(Handle(*edit_), WM_KEYDOWN, c.key, 0); });
    EXPECT_EQ(dialog_.ShowModal(), c.result);
  }
}

TEST_F(UiModalForm, ACloseQueryVetoKeepsTheDialogOpen) {
  int asked = 0;
  dialog_.OnCloseQuery = [&](bool& canClose) { canClose = ++asked > 1; };
  WhenShown([&] {
    ::PostMessageW(Handle(*cancel_), BM_CLICK, 0, 0);
    ::PostMessageW(Handle(*create_), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(dialog_.ShowModal(), mrOk);
  EXPECT_EQ(asked, 2);
}

TEST_F(UiModalForm, TheCloseBoxCancels) {
  WhenShown([&] { ::PostMessageW(Handle(dialog_), WM_CLOSE, 0, 0); });
  EXPECT_EQ(dialog_.ShowModal(), mrCancel);
}

// Finds the dialog this thread shows (by its caption) and acts on it from a
// timer, which runs inside the dialog's own message loop.
class TaskDialogDriver {
 public:
  explicit TaskDialogDriver(std::wstring caption) : caption_(std::move(caption)) {
    current_ = this;
    timer_ = ::SetTimer(nullptr, 0, 20, &TaskDialogDriver::Tick);
  }
  ~TaskDialogDriver() {
    ::KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  // Each step gets the dialog's window; one step per tick.
  std::vector<std::function<void(HWND)>> steps;
  int ticksWithoutDialog = 0;

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    TaskDialogDriver* self = current_;
    if (!self) return;
    HWND dialog = ::FindWindowW(L"#32770", self->caption_.c_str());
    if (!dialog) {
      ++self->ticksWithoutDialog;
      return;
    }
    if (self->next_ < self->steps.size()) self->steps[self->next_++](dialog);
  }
  static inline TaskDialogDriver* current_ = nullptr;
  std::wstring caption_;
  UINT_PTR timer_ = 0;
  std::size_t next_ = 0;
};

class UiTaskDialog : public UiWindowTest {
 protected:
  UiTaskDialog() {
    dialog_ = &Own<TaskDialog>();
    dialog_->SetCaption(L"Welcome");
    dialog_->SetTitle(L"Welcome to Zentory 3.1 ");
    dialog_->SetText(L"Strongly recommended to create a system restore point.");
    dialog_->SetFooterText(L"Open <a href=\"\">System Protection</a> in Control Panel");
    dialog_->SetVerificationText(L"Show this dialog at startup");
    dialog_->SetExpandedText(L"You can use restore points to undo unwanted system changes.");
    dialog_->SetMainIcon(TaskDialogIcon::tdiNone);
    dialog_->SetCommonButtons({});
    dialog_->SetFlags(dialog_->Flags() + TaskDialogFlag::tfEnableHyperlinks +
                      TaskDialogFlag::tfUseCommandLinks + TaskDialogFlag::tfExpandFooterArea +
                      TaskDialogFlag::tfVerificationFlagChecked);
    dialog_->Buttons().push_back({L"Create a restore point right now (recommended)", L"", mrOk, true});
    dialog_->Buttons().push_back({L"Continue without creation", L"", mrCancel});
  }
  TaskDialog* dialog_ = nullptr;
};

TEST_F(UiTaskDialog, CallbacksReachTheModelAndAButtonClosesIt) {
  int created = 0;
  std::vector<bool> verification;
  std::vector<int> clicked;
  dialog_->OnDialogCreated = [&] { ++created; };
  dialog_->OnVerificationClicked = [&] { verification.push_back(dialog_->VerificationChecked()); };
  // The first button stays open once (as when its restore-point dialog is
  // cancelled); the second time it closes the dialog.
  dialog_->OnButtonClicked = [&](int result, bool& canClose) {
    clicked.push_back(result);
    canClose = clicked.size() > 1;
  };
  TaskDialogDriver driver(L"Welcome");
  driver.steps = {
      [](HWND hwnd) { ::SendMessageW(hwnd, TDM_CLICK_VERIFICATION, FALSE, FALSE); },
      [](HWND hwnd) { ::SendMessageW(hwnd, TDM_CLICK_BUTTON, mrOk, 0); },
      [](HWND hwnd) { ::SendMessageW(hwnd, TDM_CLICK_BUTTON, mrOk, 0); },
  };

  ASSERT_TRUE(dialog_->Execute());
  EXPECT_EQ(created, 1);
  EXPECT_EQ(verification, std::vector<bool>{false});
  EXPECT_FALSE(dialog_->VerificationChecked());
  EXPECT_EQ(clicked, (std::vector<int>{mrOk, mrOk}));
  EXPECT_EQ(dialog_->ModalResult(), mrOk);
}

TEST_F(UiTaskDialog, TheSecondCommandLinkAnswersCancel) {
  TaskDialogDriver driver(L"Welcome");
  driver.steps = {[](HWND hwnd) { ::SendMessageW(hwnd, TDM_CLICK_BUTTON, mrCancel, 0); }};
  ASSERT_TRUE(dialog_->Execute());
  EXPECT_EQ(dialog_->ModalResult(), mrCancel);
  EXPECT_TRUE(dialog_->VerificationChecked());
}

TEST_F(UiTaskDialog, AnExceptionInAHandlerEndsTheDialogAndComesThrough) {
  dialog_->OnButtonClicked = [](int, bool&) { throw std::runtime_error("handler failed"); };
  TaskDialogDriver driver(L"Welcome");
  driver.steps = {[](HWND hwnd) { ::SendMessageW(hwnd, TDM_CLICK_BUTTON, mrOk, 0); }};
  EXPECT_THROW(dialog_->Execute(), std::runtime_error);
}

class UiOpenDialog : public UiWindowTest {
 protected:
  UiOpenDialog() {
    dialog_ = &Own<OpenDialog>();
    dialog_->SetTitle(L"Open the storage file");
    dialog_->FileTypes().push_back({L"Programs", L"*.exe;*.com"});
    dialog_->SetOptions({FileDialogOption::fdoFileMustExist, FileDialogOption::fdoPathMustExist});
  }
  OpenDialog* dialog_ = nullptr;
};

TEST_F(UiOpenDialog, OkReturnsTheChosenExistingFile) {
  wchar_t self[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  dialog_->SetFileName(self);
  TaskDialogDriver driver(L"Open the storage file");
  driver.steps = {[](HWND hwnd) { ::PostMessageW(hwnd, WM_COMMAND, IDOK, 0); }};
  ASSERT_TRUE(dialog_->Execute());
  EXPECT_EQ(::lstrcmpiW(dialog_->FileName().c_str(), self), 0);
}

TEST_F(UiOpenDialog, CancelLeavesTheFileNameAlone) {
  dialog_->SetFileName(L"C:\\before.exe");
  TaskDialogDriver driver(L"Open the storage file");
  driver.steps = {[](HWND hwnd) { ::PostMessageW(hwnd, WM_COMMAND, IDCANCEL, 0); }};
  EXPECT_FALSE(dialog_->Execute());
  EXPECT_EQ(dialog_->FileName(), L"C:\\before.exe");
}

}  // namespace
}  // namespace zt::ui::testing
