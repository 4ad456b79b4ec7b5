// Forms shown and closed, keys, focus, and the components that need the
// platform: task dialog, file-open dialog, tray icon, pop-up menu, timer.
#include <gtest/gtest.h>

#include "ui/kinds.h"
#include "ui/layout.h"
#include "ui/testing/fake_host.h"

namespace zt::ui {
namespace {

using testing::FakeHost;

// A small modal dialog: an edit, Create (default, OK) and Cancel (cancel).
struct UiModalDialog : ::testing::Test {
  UiModalDialog() {
    dialog.SetName(L"SRBox");
    dialog.SetHost(&host);
    description.SetParent(&dialog);
    create.SetParent(&dialog);
    cancel.SetParent(&dialog);
    create.SetDefault(true);
    create.SetModalResult(mrOk);
    create.SetEnabled(false);
    cancel.SetCancel(true);
    cancel.SetModalResult(mrCancel);
    description.OnChange = [this] { create.SetEnabled(!description.Text().empty()); };
  }
  FakeHost host;
  Form dialog;
  Edit description;
  Button create;
  Button cancel;
};

TEST_F(UiModalDialog, ShowModalReturnsTheResultOfTheButtonPressed) {
  host.ScriptModal([this](Form&) {
    create.UserClick();  // disabled: nothing happens
    description.UserSetText(L"Before tweaking");
    create.UserClick();
  });
  EXPECT_EQ(dialog.ShowModal(), mrOk);
  EXPECT_FALSE(dialog.Visible());
  EXPECT_FALSE(dialog.Modal());
  EXPECT_EQ(host.modalForms, std::vector<std::wstring>{L"SRBox"});
}

TEST_F(UiModalDialog, ClosingWithoutAButtonIsCancel) { EXPECT_EQ(dialog.ShowModal(), mrCancel); }

TEST_F(UiModalDialog, ReturnAndEscapeClickTheDefaultAndCancelButtons) {
  description.SetText(L"x");
  host.ScriptModal([](Form& form) { form.UserKeyDown(vkReturn, {}); });
  EXPECT_EQ(dialog.ShowModal(), mrOk);
  host.ScriptModal([](Form& form) { form.UserKeyDown(vkEscape, {}); });
  EXPECT_EQ(dialog.ShowModal(), mrCancel);
}

TEST_F(UiModalDialog, CloseQueryVetoKeepsTheModalLoopGoing) {
  int queries = 0;
  dialog.OnCloseQuery = [&](bool& canClose) { canClose = ++queries > 1; };
  host.ScriptModal([this](Form& form) {
    description.UserSetText(L"x");
    create.UserClick();
    EXPECT_FALSE(form.ModalLoopDone()) << "the first close is refused";
    EXPECT_EQ(form.ModalResult(), mrNone);
    cancel.UserClick();
  });
  EXPECT_EQ(dialog.ShowModal(), mrCancel);
  EXPECT_EQ(queries, 2);
}

TEST_F(UiModalDialog, ShowModalOfAVisibleFormOrWithoutAHostThrows) {
  dialog.Show();
  EXPECT_THROW(dialog.ShowModal(), std::logic_error);
  Form orphan;
  EXPECT_THROW(orphan.ShowModal(), std::logic_error);
}

// A dialog class builds its own layout, as the program's small dialogs do.
class RestorePointBox : public Form {
 public:
  RestorePointBox() {
    namespace L = layout;
    L::Build(*this, L::Form{.name = L"SRBox",
                            .caption = L"System Protection",
                            .clientWidth = 408,
                            .clientHeight = 172,
                            .borderStyle = BorderStyle::bsDialog,
                            .position = Position::poMainFormCenter,
                            .children = {
                                L::Edit{.name = L"SRDescription", .at = {8, 90, 392, 21}},
                                L::Button{.name = L"SRCreate",
                                          .caption = L"Create",
                                          .at = {240, 140, 75, 25},
                                          .isDefault = true,
                                          .modalResult = mrOk,
                                          .enabled = false},
                                L::Button{.name = L"SRCancelbtn",
                                          .caption = L"Cancel",
                                          .at = {325, 140, 75, 25},
                                          .cancel = true,
                                          .modalResult = mrCancel},
                            }});
    auto& description = Find<Edit>(L"SRDescription");
    auto& create = Find<Button>(L"SRCreate");
    description.OnChange = [&description, &create] { create.SetEnabled(!description.Text().empty()); };
  }
};

TEST(UiForm, DialogClassOwnedByTheMainFormUsesItsHost) {
  FakeHost host;
  Form mainForm;
  mainForm.SetHost(&host);
  auto& box = mainForm.Create<RestorePointBox>();
  EXPECT_EQ(box.Name(), L"SRBox");
  host.ScriptModal([](Form& form) {
    form.UserKeyDown(vkReturn, {});  // Create is still disabled
    EXPECT_EQ(form.ModalResult(), mrNone);
    form.Find<Edit>(L"SRDescription").UserSetText(L"Before tweaking");
    form.UserKeyDown(vkReturn, {});
  });
  EXPECT_EQ(box.ShowModal(), mrOk);
  mainForm.RemoveComponent(box);  // shown modally, then destroyed
  EXPECT_EQ(mainForm.ComponentCount(), 0);
}

TEST(UiForm, CloseAsksThenHidesAndTellsTheHost) {
  FakeHost host;
  Form form;
  form.SetName(L"MainForm");
  form.SetHost(&host);
  form.Show();
  bool allow = false;
  std::vector<std::string> order;
  form.OnCloseQuery = [&](bool& canClose) {
    order.push_back("query");
    canClose = allow;
  };
  form.OnClose = [&](CloseAction&) { order.push_back("close"); };

  form.Close();
  EXPECT_TRUE(form.Visible());
  allow = true;
  form.Close();
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(order, (std::vector<std::string>{"query", "query", "close"}));
  EXPECT_EQ(host.closedForms, std::vector<std::wstring>{L"MainForm"});
}

TEST(UiForm, KeyPreviewSeesKeysFirstAndMaySwallowThem) {
  Form form;
  form.SetKeyPreview(true);
  int reloads = 0;
  form.OnKeyDown = [&](std::uint16_t& key, ShiftStates) {
    if (key == vkF5) {
      ++reloads;
      key = 0;
    }
  };
  EXPECT_FALSE(form.UserKeyDown(vkF5, {}));
  EXPECT_TRUE(form.UserKeyDown('A', {}));
  EXPECT_EQ(reloads, 1);
  form.SetKeyPreview(false);
  EXPECT_TRUE(form.UserKeyDown(vkF5, {}));
  EXPECT_EQ(reloads, 1);
}

TEST(UiForm, FocusMovesFireExitAndEnterOnceTheFormIsShown) {
  Form form;
  auto& search = form.Create<Edit>(L"ConsoleSearch");
  auto& other = form.Create<Edit>(L"Other");
  search.SetParent(&form);
  other.SetParent(&form);
  std::vector<std::string> events;
  search.OnEnter = [&] { events.push_back("enter search"); };
  search.OnExit = [&] { events.push_back("exit search"); };
  other.OnEnter = [&] { events.push_back("enter other"); };
  form.OnShow = [&] { events.push_back("show"); };

  form.SetActiveControl(&search);  // not shown yet: recorded only
  form.Show();
  other.UserEnter();
  other.UserEnter();
  EXPECT_EQ(events, (std::vector<std::string>{"show", "enter search", "exit search", "enter other"}));
  EXPECT_TRUE(other.Focused());
}

TEST(UiForm, ClientSizeIsTheWindowLessItsFrame) {
  Form form;
  form.SetClientWidth(656);
  form.SetClientHeight(499);
  form.SetFrameSize(16, 38);
  EXPECT_EQ(form.Height(), 537);
  EXPECT_EQ(form.ClientHeight(), 499);
  form.SetClientHeight(595);
  EXPECT_EQ(form.Height(), 633);
}

struct UiTaskDialog : ::testing::Test {
  UiTaskDialog() {
    form.SetHost(&host);
    td.SetCommonButtons({});
    td.SetFlags({TaskDialogFlag::tfUseCommandLinks, TaskDialogFlag::tfVerificationFlagChecked});
    td.Buttons() = {{.Caption = L"Create a restore point right now (recommended)", .ModalResult = mrOk},
                    {.Caption = L"Continue without creation", .ModalResult = mrCancel}};
    td.OnDialogCreated = [this] { log.push_back(L"created"); };
    td.OnButtonClicked = [this](int result, bool& canClose) {
      log.push_back(L"button " + std::to_wstring(result));
      canClose = result != mrOk || ++createAttempts > 1;
    };
    td.OnVerificationClicked = [this] {
      log.push_back(td.VerificationChecked() ? L"checked" : L"unchecked");
    };
    td.OnHyperlinkClicked = [this](const std::wstring& url) { log.push_back(L"link " + url); };
  }
  FakeHost host;
  Form form;
  TaskDialog& td = form.Create<TaskDialog>(L"TD");
  std::vector<std::wstring> log;
  int createAttempts = 0;
};

TEST_F(UiTaskDialog, ButtonHandlerDecidesWhetherTheDialogCloses) {
  host.ScriptTaskDialog([](TaskDialog& dialog) {
    EXPECT_FALSE(dialog.UserClickButton(0)) << "the first attempt keeps it open";
    dialog.UserClickVerification();
    dialog.UserClickHyperlink(L"");
    EXPECT_TRUE(dialog.UserClickButton(0));
  });
  EXPECT_TRUE(td.Execute());
  EXPECT_EQ(td.ModalResult(), mrOk);
  EXPECT_FALSE(td.VerificationChecked());
  EXPECT_EQ(log, (std::vector<std::wstring>{L"created", L"button 1", L"unchecked", L"link ", L"button 1"}));
}

TEST_F(UiTaskDialog, CancellationOnlyWhenAllowed) {
  EXPECT_FALSE(td.CanCancel());
  host.ScriptTaskDialog([](TaskDialog& dialog) {
    EXPECT_FALSE(dialog.UserCancel());
    dialog.UserClickButton(1);
  });
  td.Execute();
  EXPECT_EQ(td.ModalResult(), mrCancel);

  td.SetFlags(td.Flags() + TaskDialogFlag::tfAllowDialogCancellation);
  host.ScriptTaskDialog([](TaskDialog& dialog) { EXPECT_TRUE(dialog.UserCancel()); });
  td.Execute();
  EXPECT_EQ(td.ModalResult(), mrCancel);
}

TEST_F(UiTaskDialog, ExecuteIsFalseWhenThePlatformCannotShowIt) {
  host.SetTaskDialogsAvailable(false);
  EXPECT_FALSE(td.Execute());
  EXPECT_EQ(td.ModalResult(), mrNone);
  EXPECT_TRUE(log.empty());
}

TEST(UiDialogs, OpenDialogTakesTheChosenFileOnly) {
  FakeHost host;
  Form form;
  form.SetHost(&host);
  auto& open = form.Create<OpenDialog>(L"OpenDialogCmd");
  open.SetFileName(L"before");
  host.ScriptOpenDialog(std::nullopt);
  host.ScriptOpenDialog(L"C:\\Tools\\app.exe");
  EXPECT_FALSE(open.Execute());
  EXPECT_EQ(open.FileName(), L"before");
  EXPECT_TRUE(open.Execute());
  EXPECT_EQ(open.FileName(), L"C:\\Tools\\app.exe");
  EXPECT_EQ(host.openDialogs.size(), 2u);
}

TEST(UiDialogs, BalloonShowsOnlyWhileTheIconIsVisibleAndIsCut) {
  FakeHost host;
  Form form;
  form.SetHost(&host);
  auto& tray = form.Create<TrayIcon>(L"TrayIcon");
  std::wstring title63 = L"Enabling built-in Administrator account reduces system security";
  ASSERT_EQ(title63.size(), 63u);
  tray.SetBalloonTitle(title63 + L"!");
  tray.SetBalloonHint(std::wstring(300, L'x'));
  tray.SetBalloonFlags(BalloonFlags::bfWarning);

  tray.ShowBalloonHint();
  EXPECT_TRUE(host.balloons.empty());
  tray.SetVisible(true);
  tray.ShowBalloonHint();
  ASSERT_EQ(host.balloons.size(), 1u);
  EXPECT_EQ(host.balloons[0].title, title63);
  EXPECT_EQ(host.balloons[0].text.size(), 255u);
  EXPECT_EQ(host.balloons[0].flags, BalloonFlags::bfWarning);
  EXPECT_EQ(tray.BalloonTitle(), title63 + L"!") << "the model keeps the whole text";
}

TEST(UiDialogs, PopupMenuRunsTheChosenItem) {
  FakeHost host;
  Form form;
  form.SetHost(&host);
  auto& menu = form.Create<PopupMenu>(L"PopupConsole");
  auto& jump = form.Create<MenuItem>(L"GoToKey");
  auto& line = form.Create<MenuItem>();
  auto& copy = form.Create<MenuItem>(L"CopyToClbrd");
  jump.SetCaption(L"Jump To...");
  line.SetCaption(L"-");
  copy.SetCaption(L"Copy");
  for (MenuItem* item : {&jump, &line, &copy}) menu.Add(*item);
  std::vector<std::wstring> ran;
  jump.OnClick = [&] { ran.push_back(L"jump"); };
  copy.OnClick = [&] { ran.push_back(L"copy"); };
  copy.SetEnabled(false);

  host.ScriptPopupChoice(L"CopyToClbrd");
  menu.Popup(10, 20);
  host.ScriptPopupChoice(L"GoToKey");
  menu.Popup(30, 40);

  EXPECT_EQ(ran, std::vector<std::wstring>{L"jump"});
  ASSERT_EQ(host.popups.size(), 2u);
  EXPECT_EQ(host.popups[1].x, 30);
  EXPECT_TRUE(line.IsLine());
  EXPECT_EQ(copy.MenuIndex(), 2);
}

TEST(UiDialogs, TimerTicksOnlyWhileEnabled) {
  testing::RecordingView view;
  Timer timer;
  timer.SetView(&view);
  int ticks = 0;
  timer.OnTimer = [&] {
    ++ticks;
    timer.SetEnabled(false);  // a one-shot timer stops itself
  };
  timer.SetInterval(12345);
  timer.Tick();
  timer.Tick();
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(view.Count(Property::Interval), 1);
  EXPECT_EQ(view.Count(Property::Enabled), 1);
}

}  // namespace
}  // namespace zt::ui
