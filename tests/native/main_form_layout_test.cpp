#include <gtest/gtest.h>

#include "app/main_form_layout.h"
#include "ui/kinds.h"

namespace zt {
namespace {

class MainFormLayoutTest : public ::testing::Test {
 protected:
  MainFormLayoutTest() { ui::layout::Build(form, MainFormLayout()); }
  ui::Form form;
};

TEST_F(MainFormLayoutTest, TheWindowFrame) {
  EXPECT_EQ(form.Name(), L"MainForm");
  EXPECT_EQ(form.Caption(), L"Zentory");
  EXPECT_EQ(form.ClientWidth(), 656);
  EXPECT_EQ(form.ClientHeight(), 499);
  EXPECT_EQ(form.BorderStyle(), ui::BorderStyle::bsSingle);
  EXPECT_TRUE(form.BorderIcons().Contains(ui::BorderIcon::biMinimize));
  EXPECT_FALSE(form.BorderIcons().Contains(ui::BorderIcon::biMaximize));
  EXPECT_EQ(form.Position(), ui::Position::poScreenCenter);
  EXPECT_TRUE(form.KeyPreview());
  EXPECT_FALSE(form.Scaled());
  EXPECT_EQ(form.Font().Name, L"Segoe UI");
  EXPECT_EQ(form.Font().Height, -11);
  EXPECT_EQ(form.ActiveControl(), &form.Find<ui::Edit>(L"ConsoleSearch"));
}

TEST_F(MainFormLayoutTest, EighteenPagesShareOneRectangleAndOnlySystemShows) {
  for (std::wstring_view name : kMainPageNames) {
    auto& page = form.Find<ui::PageControl>(std::wstring(name));
    SCOPED_TRACE(std::string(name.begin(), name.end()));
    EXPECT_EQ(page.Left(), 231);
    EXPECT_EQ(page.Top(), 56);
    EXPECT_EQ(page.Width(), 417);
    EXPECT_EQ(page.Height(), 389);
    EXPECT_EQ(page.Visible(), name == L"SystemPage");
  }
}

TEST_F(MainFormLayoutTest, ButtonsMarkersAndConsole) {
  EXPECT_FALSE(form.Find<ui::Button>(L"Apply").Enabled());
  EXPECT_FALSE(form.Find<ui::Button>(L"Cancel").Enabled());
  EXPECT_FALSE(form.Find<ui::Image>(L"RebootIcon").Visible());
  EXPECT_FALSE(form.Find<ui::Image>(L"ReloadExplorerIcon").Visible());

  auto& console = form.Find<ui::Memo>(L"Console");
  EXPECT_EQ(console.Top(), kClientHeightConsoleHidden);
  EXPECT_FALSE(console.Visible());
  EXPECT_TRUE(console.ReadOnly());
  EXPECT_EQ(console.Color(), 0xE3E3E3u);
  EXPECT_EQ(console.Font().Name, L"Calibri");
  EXPECT_EQ(form.Find<ui::Edit>(L"ConsoleSearch").Text(), L"Search");

  auto& show = form.Find<ui::SpeedButton>(L"ShowConsole");
  EXPECT_EQ(show.Caption(), L"Console");
  EXPECT_EQ(show.Hint(), L"Show/Hide Console");
  EXPECT_EQ(show.GroupIndex(), 1);
  EXPECT_TRUE(show.AllowAllUp());
}

TEST_F(MainFormLayoutTest, TrayIconWithItsMenu) {
  auto& tray = form.Find<ui::TrayIcon>(L"TrayIcon");
  EXPECT_EQ(tray.Hint(), L"Zentory Assistant");
  EXPECT_EQ(tray.BalloonTimeout(), 5000);
  auto& menu = form.Find<ui::PopupMenu>(L"PopupMenu");
  EXPECT_EQ(tray.PopupMenu(), &menu);
  std::vector<std::wstring> captions;
  for (int i = 0; i < menu.Count(); ++i) captions.push_back(menu.Items(i).Caption());
  EXPECT_EQ(captions, (std::vector<std::wstring>{L"Startup Manager", L"Uninstall Manager", L"-",
                                                 L"Restart Explorer", L"Reboot Windows", L"-", L"Exit"}));
  auto& timer = form.Find<ui::Timer>(L"serviceTimer");
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 3000);
}

}  // namespace
}  // namespace zt
