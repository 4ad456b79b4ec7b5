// The writes: they create the key chain when it is missing.
#include <array>
#include <vector>

#include "base/utf16.h"
#include "services/registry_common.h"

namespace zt {

using namespace registry_detail;

namespace {

std::int32_t WriteValue(const RegistryAccess& access, bool view32, bool log, platform::RegKey root,
                        std::wstring_view key, std::wstring_view name, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t size, std::wstring_view setConstant,
                        std::wstring_view shownValue) {
  EntryPrinter printer(access, log, root, key, name);
  ScopedKey opened(access.registry);
  if (!opened.Create(root, key, FullMask(view32))) {
    printer.KeyEvent(L"NO_KEY");
    return kRegNoKey;
  }
  if (access.registry.SetValue(opened.Handle(), name, type, data, size) != platform::kErrorSuccess) {
    printer.ErrorEvent(L"ERR_WRITE", SetFailedText(name));
    return kRegError;
  }
  printer.WrittenEvent(setConstant, shownValue);
  return 0;
}

std::array<std::uint8_t, 4> LittleEndianBytes(std::int32_t value) {
  auto bits = static_cast<std::uint32_t>(value);
  return {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
          static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
}

std::wstring WriteText(const RegistryAccess& access, bool view32, platform::RegKey root,
                       std::wstring_view key, std::wstring_view name, std::wstring_view data,
                       std::uint32_t type, std::wstring_view setConstant) {
  std::vector<std::uint8_t> bytes = ToUtf16LeBytes(data);
  bytes.insert(bytes.end(), {0, 0});  // stored with its terminating NUL
  switch (WriteValue(access, view32, true, root, key, name, type, bytes.data(),
                     static_cast<std::uint32_t>(bytes.size()), setConstant, data)) {
    case 0:
      return {};
    case kRegNoKey:
      return std::wstring(kRegNoKeyText);
    default:
      return std::wstring(kRegErrorText);
  }
}

std::int32_t WriteDword(const RegistryAccess& access, bool view32, bool log, platform::RegKey root,
                        std::wstring_view key, std::wstring_view name, std::int32_t value) {
  auto bytes = LittleEndianBytes(value);
  return WriteValue(access, view32, log, root, key, name, platform::kRegDword, bytes.data(), bytes.size(),
                    L"SET_DWORD_VALUE", std::to_wstring(value));
}

}  // namespace

std::int32_t PokeRegDword(const RegistryAccess& access, bool view32, platform::RegKey root,
                          std::wstring_view key, std::wstring_view name, std::int32_t value) {
  return WriteDword(access, view32, false, root, key, name, value);
}

std::int32_t WriteRegDword(const RegistryAccess& access, bool view32, platform::RegKey root,
                           std::wstring_view key, std::wstring_view name, std::int32_t value) {
  return WriteDword(access, view32, true, root, key, name, value);
}

std::wstring WriteRegString(const RegistryAccess& access, bool view32, platform::RegKey root,
                            std::wstring_view key, std::wstring_view name, std::wstring_view data) {
  return WriteText(access, view32, root, key, name, data, platform::kRegSz, L"SET_REGSZ_VALUE");
}

std::wstring WriteRegExpandString(const RegistryAccess& access, bool view32, platform::RegKey root,
                                  std::wstring_view key, std::wstring_view name, std::wstring_view data) {
  return WriteText(access, view32, root, key, name, data, platform::kRegExpandSz, L"SET_SZEXP_VALUE");
}

std::int32_t WriteRegBinary(const RegistryAccess& access, bool view32, platform::RegKey root,
                            std::wstring_view key, std::wstring_view name, std::int32_t value,
                            std::uint32_t size) {
  auto bytes = LittleEndianBytes(value);
  if (size > bytes.size()) {
    // The bytes past the value do not exist; nothing is created or written.
    EntryPrinter(access, true, root, key, name).ErrorEvent(L"ERR_WRITE", SetFailedText(name));
    return kRegError;
  }
  return WriteValue(access, view32, true, root, key, name, platform::kRegBinary, bytes.data(), size,
                    L"SET_BIN_VALUE", std::to_wstring(value));
}

}  // namespace zt
