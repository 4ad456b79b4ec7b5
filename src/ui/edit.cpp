#include "ui/edit.h"

namespace zt::ui {

Edit::Edit() { SetColor(clWindow); }

void Edit::SetText(std::wstring text, Notify notify) {
  modified_ = false;
  if (StoreCaptionText(std::move(text)) && notify == Notify::Yes) Fire(OnChange);
}

void Edit::SetReadOnly(bool readOnly) {
  if (readOnly == readOnly_) return;
  readOnly_ = readOnly;
  Changed(Property::Style);
}

void Edit::SetPasswordChar(wchar_t passwordChar) {
  if (passwordChar == passwordChar_) return;
  passwordChar_ = passwordChar;
  Changed(Property::Style);
}

void Edit::SetMaxLength(int maxLength) {
  if (maxLength == maxLength_) return;
  maxLength_ = maxLength;
  Changed(Property::Style);
}

void Edit::SetNumbersOnly(bool numbersOnly) {
  if (numbersOnly == numbersOnly_) return;
  numbersOnly_ = numbersOnly;
  Changed(Property::Style);
}

void Edit::UserSetText(std::wstring text) {
  if (!Usable() || readOnly_ || text == Text()) return;
  StoreCaptionText(std::move(text));
  modified_ = true;
  Fire(OnChange);
}

wchar_t Edit::UserKeyPress(wchar_t key) {
  if (Usable() && OnKeyPress) OnKeyPress(key);
  return key;
}

std::vector<StringProperty> Edit::StringProperties() {
  auto list = Control::StringProperties();
  list.insert(list.begin(), StringProperty{L"Text", [this] { return Text(); },
                                           [this](const std::wstring& v) { SetText(v); }});
  return list;
}

}  // namespace zt::ui
