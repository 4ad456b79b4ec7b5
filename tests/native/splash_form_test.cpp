#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/splash_form.h"
#include "platform/clock.h"
#include "ui/kinds.h"

namespace zt {
namespace {

TEST(SplashForm, ABorderlessPictureOnTopWithAnEmptyLine) {
  ui::Form form;
  BuildSplashForm(form);
  EXPECT_EQ(form.Name(), L"SplashForm");
  EXPECT_EQ(form.ClientWidth(), 436);
  EXPECT_EQ(form.ClientHeight(), 197);
  EXPECT_EQ(form.BorderStyle(), ui::BorderStyle::bsNone);
  EXPECT_EQ(form.FormStyle(), ui::FormStyle::fsStayOnTop);
  EXPECT_EQ(form.Position(), ui::Position::poDesktopCenter);
  EXPECT_FALSE(form.Scaled());
  EXPECT_EQ(form.Font().Name, L"Segoe UI");
  EXPECT_TRUE(form.ScreenBackdrop());
  EXPECT_EQ(form.ScreenBackdropOffset(), 40);

  auto& logo = form.Find<ui::Image>(L"SplashLogo");
  EXPECT_EQ(logo.BoundsRect(), (ui::Bounds{0, 0, 436, 197}));
  EXPECT_EQ(logo.Picture().resourceName, L"SPLASH");
  EXPECT_TRUE(logo.AutoSize());

  auto& indicator = form.Find<ui::Panel>(L"Indicator");
  EXPECT_EQ(indicator.BoundsRect(), (ui::Bounds{164, 153, 0, 1}));
  EXPECT_EQ(indicator.Color(), ui::clWhite);
  EXPECT_FALSE(indicator.ParentBackground());
  EXPECT_EQ(indicator.BevelOuter(), ui::PanelBevel::bvNone);
  // The line is drawn over the logo.
  EXPECT_EQ(form.Controls().back(), &indicator);
}

// The clock's waits and the splash's repaints (with the line's width then)
// in one log, so that their order shows.
class ProgressLog : public platform::Clock, public ui::ComponentView {
 public:
  explicit ProgressLog(ui::Form& splash) : indicator_(splash.Find<ui::Panel>(L"Indicator")) {
    splash.SetView(this);
  }
  std::vector<std::string> entries;

  void Sleep(std::uint32_t milliseconds) override {
    entries.push_back("sleep " + std::to_string(milliseconds));
  }
  void Changed(ui::Component&, const ui::Change& change) override {
    if (change.property == ui::Property::Repaint)
      entries.push_back("repaint " + std::to_string(indicator_.Width()));
  }
  void Destroying(ui::Component&) override {}

 private:
  ui::Panel& indicator_;
};

TEST(SplashProgressLine, GrowsInStepsOfEightWhileAtMost170ThenJumpsTo215) {
  struct Row {
    const char* name;
    int start;
    std::vector<int> steps;  // widths repainted in the loop
  } rows[] = {
      {"from 0", 0, {8,  16,  24,  32,  40,  48,  56,  64,  72,  80,  88,
                     96, 104, 112, 120, 128, 136, 144, 152, 160, 168, 176}},
      {"from 170, the last width that steps", 170, {178}},
      {"from 171, no step", 171, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ui::Form splash;
    BuildSplashForm(splash);
    splash.Find<ui::Panel>(L"Indicator").SetWidth(row.start);
    ProgressLog log(splash);
    RunSplashProgressLine(splash, log);

    std::vector<std::string> expected{"sleep 500"};
    for (int width : row.steps) {
      expected.push_back("sleep 1");
      expected.push_back("repaint " + std::to_string(width));
    }
    for (const char* tail : {"sleep 500", "repaint 215", "sleep 400"}) expected.push_back(tail);
    EXPECT_EQ(log.entries, expected);
    EXPECT_EQ(splash.Find<ui::Panel>(L"Indicator").Width(), 215);
    splash.SetView(nullptr);
  }
}

}  // namespace
}  // namespace zt
