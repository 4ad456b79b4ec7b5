#pragma once
// One-line edit field.
#include <functional>
#include <string>

#include "ui/control.h"

namespace zt::ui {

// A one-line edit. SetText fires OnChange when the text differs (unless
// Notify::No) and clears Modified, as setting a window's text does; a user
// edit sets Modified. MaxLength (UTF-16 units, 0 = none) and NumbersOnly are
// enforced by the window on typing, not by the model.
class Edit : public WinControl {
 public:
  Edit();
  std::wstring_view ClassName() const override { return L"TEdit"; }

  const std::wstring& Text() const { return CaptionText(); }
  void SetText(std::wstring text, Notify notify = Notify::Yes);

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);
  wchar_t PasswordChar() const { return passwordChar_; }  // 0: text shown as is
  void SetPasswordChar(wchar_t passwordChar);
  bool Modified() const { return modified_; }
  void SetModified(bool modified) { modified_ = modified; }
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int maxLength);
  bool NumbersOnly() const { return numbersOnly_; }
  void SetNumbersOnly(bool numbersOnly);

  // The user changed the text (typing, pasting, deleting).
  void UserSetText(std::wstring text);
  // A character typed; OnKeyPress may change it or swallow it (0). Returns
  // the character the window should take.
  wchar_t UserKeyPress(wchar_t key);

  std::vector<StringProperty> StringProperties() override;

  std::function<void()> OnChange;
  std::function<void(wchar_t& key)> OnKeyPress;

 private:
  bool readOnly_ = false;
  wchar_t passwordChar_ = 0;
  bool modified_ = false;
  int maxLength_ = 0;
  bool numbersOnly_ = false;
};

}  // namespace zt::ui
