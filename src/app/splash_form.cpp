#include "app/splash_form.h"

#include "ui/kinds.h"

namespace zt {

namespace L = ui::layout;

ui::layout::Form SplashFormLayout() {
  return L::Form{
      .name = L"SplashForm",
      .clientWidth = 436,
      .clientHeight = 197,
      .borderStyle = ui::BorderStyle::bsNone,
      .position = ui::Position::poDesktopCenter,
      .formStyle = ui::FormStyle::fsStayOnTop,
      .scaled = false,
      .font = ui::Font{},
      .children =
          {
              L::Image{.name = L"SplashLogo",
                       .at = {0, 0, 436, 197},
                       .picture = {.resourceName = L"SPLASH"},
                       .autoSize = true},
              L::Panel{.name = L"Indicator",
                       .at = {164, 153, 0, 1},
                       .bevelOuter = ui::PanelBevel::bvNone,
                       .parentBackground = false,
                       .color = ui::clWhite},
          },
  };
}

void BuildSplashForm(ui::Form& form) {
  ui::layout::Build(form, SplashFormLayout());
  form.SetScreenBackdrop(true, kSplashBackdropOffset);
}

void RunSplashProgressLine(ui::Form& splash, platform::Clock& clock) {
  auto& indicator = splash.Find<ui::Panel>(L"Indicator");
  clock.Sleep(500);
  while (indicator.Width() <= 170) {
    indicator.SetWidth(indicator.Width() + 8);
    clock.Sleep(1);
    splash.Repaint();
  }
  clock.Sleep(500);
  indicator.SetWidth(215);
  splash.Repaint();
  clock.Sleep(400);
}

}  // namespace zt
