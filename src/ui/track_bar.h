#pragma once
// Track bar.
#include <functional>

#include "ui/control.h"

namespace zt::ui {

// A track bar. Any change of Position - set, moved by the user, or clamped
// by a new range - fires OnChange (unless Notify::No).
class TrackBar : public WinControl {
 public:
  std::wstring_view ClassName() const override { return L"TTrackBar"; }

  int Min() const { return min_; }
  int Max() const { return max_; }
  // Throws std::invalid_argument when min > max.
  void SetRange(int min, int max, Notify notify = Notify::Yes);
  void SetMin(int min, Notify notify = Notify::Yes) { SetRange(min, max_ < min ? min : max_, notify); }
  void SetMax(int max, Notify notify = Notify::Yes) { SetRange(min_ > max ? max : min_, max, notify); }
  int Position() const { return position_; }
  // Clamped to the range.
  void SetPosition(int position, Notify notify = Notify::Yes);
  int Frequency() const { return frequency_; }
  void SetFrequency(int frequency);
  // Whether the selection range (SelStart..SelEnd) is drawn; off here.
  bool ShowSelRange() const { return showSelRange_; }
  void SetShowSelRange(bool show);

  void UserSetPosition(int position);

  std::function<void()> OnChange;

 private:
  int min_ = 0;
  int max_ = 10;
  int position_ = 0;
  int frequency_ = 1;
  bool showSelRange_ = true;
};

}  // namespace zt::ui
