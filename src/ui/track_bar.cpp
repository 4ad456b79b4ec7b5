#include "ui/track_bar.h"

#include <algorithm>
#include <stdexcept>

namespace zt::ui {

void TrackBar::SetRange(int min, int max, Notify notify) {
  if (min > max) throw std::invalid_argument("track bar range with min above max");
  if (min != min_ || max != max_) {
    min_ = min;
    max_ = max;
    Changed(Property::Range);
  }
  SetPosition(position_, notify);
}

void TrackBar::SetPosition(int position, Notify notify) {
  position = std::clamp(position, min_, max_);
  if (position == position_) return;
  position_ = position;
  Changed(Property::Position);
  if (notify == Notify::Yes) Fire(OnChange);
}

void TrackBar::SetFrequency(int frequency) {
  if (frequency == frequency_) return;
  frequency_ = frequency;
  Changed(Property::Range);
}

void TrackBar::SetShowSelRange(bool show) {
  if (show == showSelRange_) return;
  showSelRange_ = show;
  Changed(Property::Style);
}

void TrackBar::UserSetPosition(int position) {
  if (Usable()) SetPosition(position);
}

}  // namespace zt::ui
