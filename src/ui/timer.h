#pragma once
// Timer.
#include <functional>

#include "ui/component.h"

namespace zt::ui {

// A timer. Its view (the binding) runs the platform timer while Enabled and
// calls Tick() at each Interval.
class Timer : public Component {
 public:
  std::wstring_view ClassName() const override { return L"TTimer"; }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  int Interval() const { return interval_; }  // milliseconds
  void SetInterval(int interval);

  // The interval has elapsed: fires OnTimer while enabled.
  void Tick();

  std::function<void()> OnTimer;

 private:
  bool enabled_ = true;
  int interval_ = 1000;
};

}  // namespace zt::ui
