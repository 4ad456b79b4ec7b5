#include "services/registry_common.h"

namespace zt::registry_detail {

namespace {

std::wstring_view RootName(platform::RegKey root) {
  switch (root) {
    case platform::kHKeyClassesRoot:
      return L"HKEY_CLASSES_ROOT";
    case platform::kHKeyCurrentUser:
      return L"HKEY_CURRENT_USER";
    case platform::kHKeyLocalMachine:
      return L"HKEY_LOCAL_MACHINE";
    case platform::kHKeyUsers:
      return L"HKEY_USERS";
    default:
      return {};
  }
}

std::wstring Quoted(std::wstring_view text) {
  std::wstring out;
  out.reserve(text.size() + 2);
  out += L'"';
  out += text;
  out += L'"';
  return out;
}

std::wstring ErrorText(std::wstring_view head, std::wstring_view name) {
  std::wstring out(head);
  out += L'\'';
  out += name;
  out += L'\'';
  return out;
}

}  // namespace

bool ScopedKey::Open(platform::RegKey root, std::wstring_view key, std::uint32_t options,
                     std::uint32_t access) {
  Close();
  open_ = registry_.OpenKey(root, key, options, access, handle_) == platform::kErrorSuccess;
  return open_;
}

bool ScopedKey::Create(platform::RegKey root, std::wstring_view key, std::uint32_t access) {
  Close();
  open_ = registry_.CreateKey(root, key, platform::kRegOptionNonVolatile, access, handle_) ==
          platform::kErrorSuccess;
  return open_;
}

void ScopedKey::Close() {
  if (open_) {
    open_ = false;
    registry_.CloseKey(handle_);
  }
}

std::wstring InvalidTypeText(std::wstring_view name) { return ErrorText(L"Invalid data type for ", name); }
std::wstring GetFailedText(std::wstring_view name) { return ErrorText(L"Failed to get data for ", name); }
std::wstring SetFailedText(std::wstring_view name) { return ErrorText(L"Failed to set data for ", name); }

std::wstring EntryPrinter::RootAndKey() const {
  std::wstring out(RootName(root_));
  out += L'\\';
  out += key_;
  return out;
}

void EntryPrinter::Print(const std::wstring& first, const std::wstring& second) const {
  access_.console.ConsolePrint(first + L"\r\n" + second);
}

void EntryPrinter::KeyEvent(std::wstring_view constant) const {
  if (enabled_) Print(access_.lang.LangConst(constant), RootAndKey());
}

void EntryPrinter::ValueEvent(std::wstring_view constant) const {
  if (!enabled_) return;
  Print(access_.lang.LangConst(constant) + L' ' + Quoted(name_) + L' ' + access_.lang.LangConst(L"IN_KEY"),
        RootAndKey());
}

void EntryPrinter::ErrorEvent(std::wstring_view constant, std::wstring_view errorText) const {
  if (!enabled_) return;
  Print(
      access_.lang.LangConst(constant) + L' ' + Quoted(errorText) + L' ' + access_.lang.LangConst(L"IN_KEY"),
      RootAndKey());
}

void EntryPrinter::ReadEvent(std::wstring_view valueText) const {
  if (!enabled_) return;
  std::wstring second = Quoted(name_);
  second += L" = ";
  second += valueText;
  Print(RootAndKey(), second);
}

void EntryPrinter::WrittenEvent(std::wstring_view constant, std::wstring_view valueText) const {
  if (!enabled_) return;
  std::wstring second = access_.lang.LangConst(constant) + L' ' + Quoted(name_);
  second += L" = ";
  second += valueText;
  Print(RootAndKey(), second);
}

void EntryPrinter::ValueDeletedEvent() const {
  if (enabled_) Print(RootAndKey(), access_.lang.LangConst(L"DELETE_VALUE") + L' ' + Quoted(name_));
}

}  // namespace zt::registry_detail
