#pragma once
// Up-down (spin) control bound to an edit.
#include <functional>
#include <string>

#include "ui/control.h"

namespace zt::ui {

class Edit;

enum class UDBtnType { btNext, btPrev };

// An up-down. Its associated edit shows the position (with a thousands
// separator when Thousands is set and the value has four digits or more);
// the edit's own OnChange fires when that text changes, as in a window.
//
// SetPosition fires nothing. A user click on an arrow (UserClick) first reads
// the edit's text back as the position (as the window does), then asks
// OnChanging - also at the end of the range, where the window asks too - and
// only if allowed moves by Increment (clamped, or wrapped with Wrap), updates
// the edit and fires OnClick with the arrow.
class UpDown : public WinControl {
 public:
  std::wstring_view ClassName() const override { return L"TUpDown"; }

  Edit* Associate() const { return associate_; }
  void SetAssociate(Edit* edit);

  int Min() const { return min_; }
  int Max() const { return max_; }
  // Throws std::invalid_argument when min > max; clamps the position silently.
  void SetRange(int min, int max);
  void SetMin(int min) { SetRange(min, max_ < min ? min : max_); }
  void SetMax(int max) { SetRange(min_ > max ? max : min_, max); }
  int Position() const { return position_; }
  // Clamped to the range; fires nothing.
  void SetPosition(int position);
  // As code setting the position in later framework versions: when the value
  // differs, asks OnChanging first and moves only if allowed. Returns whether
  // the position is now `position` (clamped).
  bool ChangePosition(int position);
  int Increment() const { return increment_; }
  void SetIncrement(int increment);
  bool Thousands() const { return thousands_; }
  void SetThousands(bool thousands);
  bool Wrap() const { return wrap_; }
  void SetWrap(bool wrap);
  // The locale's thousands separator; the binding sets it from the platform.
  const std::wstring& ThousandSeparator() const { return thousandSeparator_; }
  void SetThousandSeparator(std::wstring separator);

  // The text the edit shows for a position.
  std::wstring FormatPosition(int position) const;

  // A click on the up (btNext) or down (btPrev) arrow.
  void UserClick(UDBtnType button);
  using WinControl::UserClick;

  void Notification(Component& component, Operation operation) override;

  std::function<void(bool& allowChange)> OnChanging;
  // Hides Control::OnClick: the up-down's click names the arrow.
  std::function<void(UDBtnType button)> OnClick;

 private:
  void UpdateAssociate();
  void SyncFromAssociate();

  Edit* associate_ = nullptr;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int increment_ = 1;
  bool thousands_ = true;
  bool wrap_ = false;
  std::wstring thousandSeparator_ = L",";
};

}  // namespace zt::ui
