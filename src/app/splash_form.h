#pragma once
// The splash window shown while the main window is created, and its
// progress line.
#include "platform/clock.h"
#include "ui/form.h"
#include "ui/layout.h"

namespace zt {

// How far above its centred place the splash copies the screen, and so how
// far it moves up once it has the copy behind it.
inline constexpr int kSplashBackdropOffset = 40;

ui::layout::Form SplashFormLayout();
// Builds the splash into `form`: the layout and its see-through background.
void BuildSplashForm(ui::Form& form);

// The progress line: the `Indicator` grows in steps, the splash repainted
// after each, with the pauses that let a person see it.
void RunSplashProgressLine(ui::Form& splash, platform::Clock& clock);

}  // namespace zt
