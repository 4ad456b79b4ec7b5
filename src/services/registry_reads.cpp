// The reads: silent ones are the logged ones with the log flag clear.
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "base/utf16.h"
#include "services/registry_common.h"

namespace zt {

using namespace registry_detail;

namespace {

std::int32_t LittleEndian32(const std::uint8_t* bytes, std::uint32_t size) {
  std::uint32_t value = 0;
  for (std::uint32_t i = 0; i < size; ++i) value |= static_cast<std::uint32_t>(bytes[i]) << (8 * i);
  return static_cast<std::int32_t>(value);
}

enum class StringRead { kOk, kNoKey, kNoValue, kError };

StringRead ReadString(const RegistryAccess& access, bool view32, bool log, platform::RegKey root,
                      std::wstring_view key, std::wstring_view name, std::wstring& text) {
  EntryPrinter printer(access, log, root, key, name);
  ScopedKey opened(access.registry);
  if (!opened.Open(root, key, 0, ReadMask(view32))) {
    printer.KeyEvent(L"NO_KEY");
    return StringRead::kNoKey;
  }
  // Most texts fit the first buffer, so one query is usually enough.
  std::array<std::uint8_t, 512> small{};
  std::vector<std::uint8_t> large;
  std::uint8_t* data = small.data();
  std::uint32_t type = 0;
  std::uint32_t size = small.size();
  std::int32_t rc = access.registry.QueryValue(opened.Handle(), name, &type, data, &size);
  if (rc == platform::kErrorMoreData) {
    large.resize(size);
    data = large.data();
    rc = access.registry.QueryValue(opened.Handle(), name, &type, data, &size);
  }
  if (rc == platform::kErrorFileNotFound) {
    printer.ValueEvent(L"NO_REGSZ_VALUE");
    return StringRead::kNoValue;
  }
  std::wstring error;
  if (rc != platform::kErrorSuccess) {
    error = GetFailedText(name);
  } else if (size > 0 && type != platform::kRegSz && type != platform::kRegExpandSz) {
    error = InvalidTypeText(name);
  }
  if (!error.empty()) {
    printer.ErrorEvent(L"ERR_READ", error);
    return StringRead::kError;
  }
  text = FromUtf16LeBytes(data, size);
  if (auto nul = text.find(L'\0'); nul != std::wstring::npos) text.resize(nul);
  printer.ReadEvent(text);
  return StringRead::kOk;
}

}  // namespace

std::int32_t ReadRegDword(const RegistryAccess& access, bool view32, bool log, platform::RegKey root,
                          std::wstring_view key, std::wstring_view name) {
  EntryPrinter printer(access, log, root, key, name);
  ScopedKey opened(access.registry);
  if (!opened.Open(root, key, 0, ReadMask(view32))) {
    printer.KeyEvent(L"NO_KEY");
    return kRegNoKey;
  }
  // A 4-byte buffer first, the type afterwards: a text too long for the
  // buffer fails to read before its type is looked at.
  std::array<std::uint8_t, 4> bytes{};
  std::uint32_t type = 0;
  std::uint32_t size = bytes.size();
  std::int32_t rc = access.registry.QueryValue(opened.Handle(), name, &type, bytes.data(), &size);
  if (rc == platform::kErrorFileNotFound) {
    printer.ValueEvent(L"NO_DWORD_VALUE");
    return kRegNoValue;
  }
  std::wstring error;
  if (rc != platform::kErrorSuccess) {
    error = GetFailedText(name);
  } else if (type != platform::kRegDword) {
    error = InvalidTypeText(name);
  } else if (size != bytes.size()) {
    // The registry accepts a REG_DWORD of other lengths; a short one would
    // leave part of the result undefined.
    error = GetFailedText(name);
  }
  if (!error.empty()) {
    printer.ErrorEvent(L"ERR_READ", error);
    return kRegError;
  }
  std::int32_t value = LittleEndian32(bytes.data(), size);
  if (log) printer.ReadEvent(std::to_wstring(value));
  return value;
}

std::int32_t PeekRegDword(const RegistryAccess& access, bool view32, platform::RegKey root,
                          std::wstring_view key, std::wstring_view name) {
  return ReadRegDword(access, view32, false, root, key, name);
}

std::wstring ReadRegString(const RegistryAccess& access, bool view32, bool log, platform::RegKey root,
                           std::wstring_view key, std::wstring_view name) {
  std::wstring text;
  switch (ReadString(access, view32, log, root, key, name, text)) {
    case StringRead::kOk:
      return text;
    case StringRead::kNoKey:
      return std::wstring(kRegNoKeyText);
    case StringRead::kNoValue:
      return std::wstring(kRegNoValueText);
    case StringRead::kError:
      break;
  }
  return std::wstring(kRegErrorText);
}

std::wstring PeekRegString(const RegistryAccess& access, bool view32, platform::RegKey root,
                           std::wstring_view key, std::wstring_view name) {
  return ReadRegString(access, view32, false, root, key, name);
}

std::int32_t ReadRegBinary(const RegistryAccess& access, bool view32, bool log, platform::RegKey root,
                           std::wstring_view key, std::wstring_view name) {
  EntryPrinter printer(access, log, root, key, name);
  ScopedKey opened(access.registry);
  if (!opened.Open(root, key, 0, ReadMask(view32))) {
    printer.KeyEvent(L"NO_KEY");
    return kRegNoKey;
  }
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  std::int32_t rc = access.registry.QueryValue(opened.Handle(), name, &type, nullptr, &size);
  if (rc == platform::kErrorFileNotFound) {
    printer.ValueEvent(L"NO_BIN_VALUE");
    return kRegNoValue;
  }
  std::array<std::uint8_t, 4> bytes{};
  std::wstring error;
  if (rc != platform::kErrorSuccess) {
    error = GetFailedText(name);
  } else if (type == platform::kRegSz || type == platform::kRegExpandSz || type == platform::kRegDword) {
    error = InvalidTypeText(name);
  } else if (size > bytes.size()) {
    // Only 4-byte values are meant to be read here; a longer one is refused
    // rather than cut.
    error = GetFailedText(name);
  } else if (size > 0 && access.registry.QueryValue(opened.Handle(), name, &type, bytes.data(), &size) !=
                             platform::kErrorSuccess) {
    error = GetFailedText(name);
  }
  if (!error.empty()) {
    printer.ErrorEvent(L"ERR_READ", error);
    return kRegError;
  }
  std::int32_t value = LittleEndian32(bytes.data(), std::min<std::uint32_t>(size, bytes.size()));
  if (log) printer.ReadEvent(std::to_wstring(value));
  return value;
}

}  // namespace zt
