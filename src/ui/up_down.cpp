#include "ui/up_down.h"

#include <algorithm>
#include <stdexcept>

#include "ui/edit.h"

namespace zt::ui {

void UpDown::SetAssociate(Edit* edit) {
  if (edit == associate_) return;
  if (associate_) RemoveFreeNotification(*associate_);
  associate_ = edit;
  if (associate_) {
    FreeNotification(*associate_);
    UpdateAssociate();
  }
  Changed(Property::Style);
}

void UpDown::Notification(Component& component, Operation operation) {
  if (operation == Operation::opRemove && static_cast<Component*>(associate_) == &component)
    associate_ = nullptr;
  WinControl::Notification(component, operation);
}

void UpDown::SetRange(int min, int max) {
  if (min > max) throw std::invalid_argument("up-down range with min above max");
  if (min != min_ || max != max_) {
    min_ = min;
    max_ = max;
    Changed(Property::Range);
  }
  SetPosition(position_);
}

void UpDown::SetPosition(int position) {
  position = std::clamp(position, min_, max_);
  if (position == position_) return;
  position_ = position;
  Changed(Property::Position);
  UpdateAssociate();
}

bool UpDown::ChangePosition(int position) {
  position = std::clamp(position, min_, max_);
  if (position != position_) {
    bool allowChange = true;
    if (OnChanging) OnChanging(allowChange);
    if (allowChange) SetPosition(position);
  }
  return position_ == position;
}

void UpDown::SetIncrement(int increment) {
  if (increment == increment_) return;
  increment_ = increment;
  Changed(Property::Range);
}

void UpDown::SetThousands(bool thousands) {
  if (thousands == thousands_) return;
  thousands_ = thousands;
  Changed(Property::Style);
  UpdateAssociate();
}

void UpDown::SetWrap(bool wrap) {
  if (wrap == wrap_) return;
  wrap_ = wrap;
  Changed(Property::Style);
}

void UpDown::SetThousandSeparator(std::wstring separator) {
  if (separator == thousandSeparator_) return;
  thousandSeparator_ = std::move(separator);
  UpdateAssociate();
}

std::wstring UpDown::FormatPosition(int position) const {
  std::wstring digits = std::to_wstring(position < 0 ? -static_cast<long long>(position) : position);
  if (thousands_) {
    for (std::size_t i = digits.size(); i > 3; i -= 3) digits.insert(i - 3, thousandSeparator_);
  }
  return position < 0 ? L"-" + digits : digits;
}

void UpDown::UpdateAssociate() {
  if (associate_) associate_->SetText(FormatPosition(position_));
}

void UpDown::SyncFromAssociate() {
  if (!associate_) return;
  std::wstring text = associate_->Text();
  if (!thousandSeparator_.empty()) {
    for (auto pos = text.find(thousandSeparator_); pos != std::wstring::npos;
         pos = text.find(thousandSeparator_, pos))
      text.erase(pos, thousandSeparator_.size());
  }
  std::size_t digitsFrom = !text.empty() && text[0] == L'-' ? 1 : 0;
  if (text.size() == digitsFrom || text.size() > digitsFrom + 10) return;
  long long value = 0;
  for (std::size_t i = digitsFrom; i < text.size(); ++i) {
    if (text[i] < L'0' || text[i] > L'9') return;
    value = value * 10 + (text[i] - L'0');
  }
  if (digitsFrom) value = -value;
  int position = static_cast<int>(std::clamp<long long>(value, min_, max_));
  if (position != position_) {
    position_ = position;
    Changed(Property::Position);
  }
}

void UpDown::UserClick(UDBtnType button) {
  if (!Usable()) return;
  SyncFromAssociate();
  long long target =
      static_cast<long long>(position_) + (button == UDBtnType::btNext ? increment_ : -increment_);
  if (target > max_) target = wrap_ ? min_ : max_;
  if (target < min_) target = wrap_ ? max_ : min_;
  bool allowChange = true;
  if (OnChanging) OnChanging(allowChange);
  if (!allowChange || target == position_) return;
  SetPosition(static_cast<int>(target));
  if (OnClick) OnClick(button);
}

}  // namespace zt::ui
