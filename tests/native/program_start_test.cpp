#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "app/command_line.h"
#include "app/program_start.h"
#include "app/windows_version.h"
#include "l10n/builtin_constants.h"
#include "l10n/dklang_constants.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_dialogs.h"
#include "platform/fake/fake_files.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_session.h"
#include "services/console_lines.h"
#include "ui/kinds.h"

namespace zt {
namespace {

using platform::Wow64Answer;

TEST(DetectWindowsVersion, MapsMajorMinorToCodes) {
  struct Row {
    std::uint32_t major, minor;
    std::uint8_t code;
  } rows[] = {{4, 0, 1}, {4, 10, 2}, {4, 90, 3}, {5, 0, 4},  {5, 1, 5}, {5, 2, 6}, {6, 0, 7},
              {6, 1, 8}, {6, 2, 0},  {6, 3, 0},  {10, 0, 0}, {5, 3, 0}, {3, 51, 0}};
  platform::FakeSession session;
  for (const Row& row : rows) {
    SCOPED_TRACE(std::to_string(row.major) + "." + std::to_string(row.minor));
    session.version.majorVersion = row.major;
    session.version.minorVersion = row.minor;
    EXPECT_EQ(DetectWindowsVersion(session), row.code);
  }
  session.versionQueryFails = true;
  EXPECT_EQ(DetectWindowsVersion(session), 0);
}

TEST(IsWow64, AnswersFromTheSystemOrFails) {
  platform::FakeSession session;
  session.wow64 = Wow64Answer::Yes;
  EXPECT_TRUE(IsWow64(session));
  session.wow64 = Wow64Answer::No;
  EXPECT_FALSE(IsWow64(session));
  session.wow64 = Wow64Answer::FunctionMissing;
  EXPECT_FALSE(IsWow64(session));
  session.wow64 = Wow64Answer::CallFailed;
  try {
    IsWow64(session);
    FAIL() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "IsWow64: bad process handle");
  }
}

TEST(ParseCommandLine, ReadsArgumentsInOrder) {
  struct Row {
    const char* name;
    std::vector<std::wstring> arguments;
    bool help;
    std::int32_t startPage;
  } rows[] = {
      {"none", {}, false, 0},
      {"startup", {L"/startup"}, false, 10},
      {"letter case", {L"/StartUP"}, false, 10},
      {"uninst", {L"/UNINST"}, false, 20},
      {"dash instead of slash", {L"-startup"}, false, 0},
      {"no slash", {L"startup"}, false, 0},
      {"prefix only", {L"/start"}, false, 0},
      {"later wins (startup)", {L"/uninst", L"/startup"}, false, 10},
      {"later wins (uninst)", {L"/startup", L"/uninst"}, false, 20},
      {"unknown ignored", {L"/x", L"/uninst", L"foo"}, false, 20},
      {"help stops the reading", {L"/startup", L"/?", L"/uninst"}, true, 10},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CommandLine line = ParseCommandLine(row.arguments);
    EXPECT_EQ(line.showHelp, row.help);
    if (!row.help) {
      EXPECT_EQ(line.startPage, row.startPage);
    }
  }
}

class ProgramStartTest : public ::testing::Test {
 protected:
  ProgramStartTest() { texts.LoadFromStream(BuiltinConstantsStream()); }

  StartOutcome Start(std::vector<std::wstring> arguments) {
    return StartProgram(platform, context, texts, console, arguments);
  }
  void SetVersion(std::uint32_t major, std::uint32_t minor) {
    session.version.majorVersion = major;
    session.version.minorVersion = minor;
  }

  platform::FakeRegistry registry;
  platform::FakeSession session;
  platform::FakeFiles files;
  platform::FakeDialogs dialogs;
  platform::FakeClock clock;
  platform::Platform platform{registry, session, files, dialogs, clock};
  TDKLang_Constants texts;
  ConsoleLines console;
  ProgramContext context;
};

TEST_F(ProgramStartTest, HelpIsShownBeforeTheVersionGate) {
  SetVersion(5, 1);  // Windows XP
  EXPECT_EQ(Start({L"/startup", L"/?"}), StartOutcome::HelpShown);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(
      dialogs.shown[0].text,
      L"/startup - Startup Manager load first\n\n/uninst - Uninstall Manager load first\n\n/? - This Help");
  EXPECT_EQ(dialogs.shown[0].caption, L"Zentory");
  EXPECT_EQ(dialogs.shown[0].style, platform::kMbOk);
  EXPECT_EQ(context.StartPage, 0);
  EXPECT_TRUE(clock.sleeps.empty());
}

TEST_F(ProgramStartTest, RefusesEveryWindowsButVistaAnd7) {
  for (auto [major, minor] : {std::pair{5u, 1u}, {6u, 2u}, {10u, 0u}}) {
    SCOPED_TRACE(std::to_string(major) + "." + std::to_string(minor));
    dialogs.shown.clear();
    SetVersion(major, minor);
    EXPECT_EQ(Start({}), StartOutcome::Refused);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, L"Current Windows version is not supported");
    EXPECT_EQ(dialogs.shown[0].text,
              L"The program is intended only for Windows Vista and Windows 7.\r\n"
              L"Unable to start the program on the current operating system.");
    EXPECT_EQ(dialogs.shown[0].style, platform::kMbOk | platform::kMbIconError);
  }
  EXPECT_TRUE(clock.sleeps.empty());
  EXPECT_FALSE(registry.HasKey(platform::kHKeyCurrentUser, L"Software\\Morrowlab"));
}

TEST_F(ProgramStartTest, StartsOnVistaAnd7WithTheSplashUnlessNoSplashIsOne) {
  struct Row {
    const char* name;
    std::uint32_t minor;
    std::optional<std::uint32_t> noSplash;
    StartOutcome outcome;
  } rows[] = {
      {"Vista, value missing", 0, std::nullopt, StartOutcome::ShowSplash},
      {"7, value 0", 1, 0u, StartOutcome::ShowSplash},
      {"7, value 1", 1, 1u, StartOutcome::NoSplash},
      {"7, value 2", 1, 2u, StartOutcome::ShowSplash},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    platform::FakeRegistry fresh;
    platform::Platform p{fresh, session, files, dialogs, clock};
    if (row.noSplash) fresh.SeedDword(platform::kHKeyCurrentUser, kSettingsKey, L"NoSplash", *row.noSplash);
    clock.sleeps.clear();
    SetVersion(6, row.minor);
    ProgramContext fresh_context;
    EXPECT_EQ(StartProgram(p, fresh_context, texts, console, {L"/uninst"}), row.outcome);
    EXPECT_EQ(fresh_context.WindowsVersion, row.minor == 0 ? kWindowsVista : kWindows7);
    EXPECT_TRUE(fresh_context.Is64BitWindows);
    EXPECT_EQ(fresh_context.StartPage, kStartPageUninstall);
    EXPECT_EQ(clock.sleeps, row.outcome == StartOutcome::ShowSplash ? std::vector<std::uint32_t>{500}
                                                                    : std::vector<std::uint32_t>{});
  }
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_TRUE(console.Lines().empty());
}

TEST_F(ProgramStartTest, AFailingWow64QueryStopsTheStart) {
  session.wow64 = Wow64Answer::CallFailed;
  EXPECT_THROW(Start({L"/?"}), std::runtime_error);
  EXPECT_TRUE(dialogs.shown.empty());
}

// The window system of the start-up: what it was asked, what the model
// pushed to the forms it realised (shown, repainted, destroyed) and the
// clock's waits, in one log.
class RecordingWindows : public ProgramWindows, public ui::ComponentView, public platform::Clock {
 public:
  std::vector<std::string> log;

  void SetMainForm(ui::Form& form) override { log.push_back("main form " + Name(form)); }
  void Realise(ui::Form& form) override {
    names_[&form] = Name(form);
    log.push_back("realise " + Name(form));
    form.SetView(this);
  }
  void RunMessageLoop() override { log.push_back("message loop"); }

  void Changed(ui::Component& component, const ui::Change& change) override {
    const std::string& name = names_[&component];
    if (change.property == ui::Property::Visible) {
      log.push_back((static_cast<ui::Control&>(component).Visible() ? "show " : "hide ") + name);
    } else if (change.property == ui::Property::Repaint) {
      auto& indicator = component.Find<ui::Panel>(L"Indicator");
      log.push_back("repaint " + name + " " + std::to_string(indicator.Width()));
    }
  }
  void Destroying(ui::Component& component) override { log.push_back("destroy " + names_[&component]); }

  void Sleep(std::uint32_t milliseconds) override { log.push_back("sleep " + std::to_string(milliseconds)); }

 private:
  static std::string Name(const ui::Form& form) {
    return std::string(form.Name().begin(), form.Name().end());
  }
  std::map<const ui::Component*, std::string> names_;
};

class ProgramRunTest : public ::testing::Test {
 protected:
  ProgramRunTest() {
    texts.LoadFromStream(BuiltinConstantsStream());
    session.version.majorVersion = 6;
    session.version.minorVersion = 1;
  }
  int Run(std::vector<std::wstring> arguments = {}) {
    return RunProgram(platform, context, texts, console, arguments, windows);
  }

  platform::FakeRegistry registry;
  platform::FakeSession session;
  platform::FakeFiles files;
  platform::FakeDialogs dialogs;
  RecordingWindows windows;
  platform::Platform platform{registry, session, files, dialogs, windows};
  TDKLang_Constants texts;
  ConsoleLines console;
  ProgramContext context;
};

// The splash's progress line from width 0, as the log shows it.
std::vector<std::string> ProgressLine() {
  std::vector<std::string> entries{"sleep 500"};
  for (int width = 8; width <= 176; width += 8) {
    entries.push_back("sleep 1");
    entries.push_back("repaint SplashForm " + std::to_string(width));
  }
  for (const char* tail : {"sleep 500", "repaint SplashForm 215", "sleep 400"}) entries.push_back(tail);
  return entries;
}

TEST_F(ProgramRunTest, NoSplashDecidesTheSplashAndItsProgressLine) {
  std::vector<std::string> splashShown = {"sleep 500",          "realise SplashForm",
                                          "show SplashForm",    "repaint SplashForm 0",
                                          "main form MainForm", "realise MainForm"};
  std::vector<std::string> mainShown = {"show MainForm", "message loop", "destroy MainForm"};
  auto join = [](std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
  };
  struct Row {
    const char* name;
    std::function<void(platform::FakeRegistry&)> seed;
    bool splashEnabled;
    std::vector<std::string> log;
  } rows[] = {
      {"missing", [](auto&) {}, true, join({splashShown, ProgressLine(), {"destroy SplashForm"}, mainShown})},
      {"0", [](auto& r) { r.SeedDword(platform::kHKeyCurrentUser, kSettingsKey, L"NoSplash", 0); }, true,
       join({splashShown, ProgressLine(), {"destroy SplashForm"}, mainShown})},
      {"unreadable (text)",
       [](auto& r) { r.SeedString(platform::kHKeyCurrentUser, kSettingsKey, L"NoSplash", L"1"); }, true,
       join({splashShown, ProgressLine(), {"destroy SplashForm"}, mainShown})},
      {"1: no splash, no wait",
       [](auto& r) { r.SeedDword(platform::kHKeyCurrentUser, kSettingsKey, L"NoSplash", 1); }, false,
       join({{"main form MainForm", "realise MainForm"}, mainShown})},
      {"2: the splash without its line",
       [](auto& r) { r.SeedDword(platform::kHKeyCurrentUser, kSettingsKey, L"NoSplash", 2); }, false,
       join({splashShown, {"destroy SplashForm"}, mainShown})},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    platform::FakeRegistry fresh;
    row.seed(fresh);
    RecordingWindows recorder;
    platform::Platform p{fresh, session, files, dialogs, recorder};
    ProgramContext runContext;
    EXPECT_EQ(RunProgram(p, runContext, texts, console, {}, recorder), 0);
    EXPECT_EQ(recorder.log, row.log);
    EXPECT_EQ(runContext.SplashEnabled, row.splashEnabled);
  }
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ProgramRunTest, HelpAndRefusalEndBeforeAnyWindow) {
  EXPECT_EQ(Run({L"/?"}), 0);
  session.version.majorVersion = 5;
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(dialogs.shown.size(), 2u);
  EXPECT_TRUE(windows.log.empty());
}

TEST_F(ProgramRunTest, TheMainWindowIsTheLayoutsAndReadsOnlyItsSettings) {
  ui::Form form;
  CreateMainForm(form, platform, context, texts, console, windows, nullptr);
  EXPECT_EQ(form.Name(), L"MainForm");
  EXPECT_EQ(form.ClientWidth(), 656);
  EXPECT_NE(form.FindComponent(L"SystemPage"), nullptr);
  EXPECT_FALSE(form.Visible());
  // SplashEnabled, but no splash to run the line on.
  EXPECT_TRUE(context.SplashEnabled);
  EXPECT_EQ(windows.log, (std::vector<std::string>{"main form MainForm", "realise MainForm"}));
  EXPECT_TRUE(console.Lines().empty());
  EXPECT_FALSE(registry.HasKey(platform::kHKeyCurrentUser, L"Software\\Morrowlab"));
}

}  // namespace
}  // namespace zt
