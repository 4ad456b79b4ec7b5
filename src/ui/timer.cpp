#include "ui/timer.h"

namespace zt::ui {

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Changed(Property::Enabled);
}

void Timer::SetInterval(int interval) {
  if (interval == interval_) return;
  interval_ = interval;
  Changed(Property::Interval);
}

void Timer::Tick() {
  if (enabled_ && OnTimer) OnTimer();
}

}  // namespace zt::ui
