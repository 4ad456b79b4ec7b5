#pragma once
// Shared pieces of the registry operations: access masks, the key handle
// that always gets closed, and the console entries.
//
// What counts as what: any failure to open (or create) the key is "key not
// opened". On an opened key, a query answering kErrorFileNotFound means the
// value is absent; every other failed query, set or delete is a registry
// error. C++ exceptions (out of memory, an unknown message constant) are not
// caught here: they pass through, after the key has been closed.
#include <cstdint>
#include <string>
#include <string_view>

#include "services/registry_access.h"

namespace zt::registry_detail {

inline std::uint32_t ViewBit(bool view32) {
  return view32 ? platform::kKeyWow64_32Key : platform::kKeyWow64_64Key;
}
// 0x20119 / 0x20219
inline std::uint32_t ReadMask(bool view32) { return platform::kKeyRead | ViewBit(view32); }
// 0xF013F / 0xF023F
inline std::uint32_t FullMask(bool view32) { return platform::kKeyAllAccess | ViewBit(view32); }
// 0x20109 / 0x20209
inline std::uint32_t ExistsMask(bool view32) {
  return platform::kStandardRightsRead | platform::kKeyQueryValue | platform::kKeyEnumerateSubKeys |
         ViewBit(view32);
}

// A key opened or created for the length of one operation.
class ScopedKey {
 public:
  explicit ScopedKey(platform::Registry& registry) : registry_(registry) {}
  ScopedKey(const ScopedKey&) = delete;
  ScopedKey& operator=(const ScopedKey&) = delete;
  ~ScopedKey() { Close(); }

  bool Open(platform::RegKey root, std::wstring_view key, std::uint32_t options, std::uint32_t access);
  bool Create(platform::RegKey root, std::wstring_view key, std::uint32_t access);
  void Close();
  platform::RegKey Handle() const { return handle_; }

 private:
  platform::Registry& registry_;
  platform::RegKey handle_ = 0;
  bool open_ = false;
};

// The error texts E of failed reads and writes.
std::wstring InvalidTypeText(std::wstring_view name);
std::wstring GetFailedText(std::wstring_view name);
std::wstring SetFailedText(std::wstring_view name);

// The console entries of one operation on one location; prints nothing when
// built disabled (reads without their log flag, silent operations).
class EntryPrinter {
 public:
  EntryPrinter(const RegistryAccess& access, bool enabled, platform::RegKey root, std::wstring_view key,
               std::wstring_view name = {})
      : access_(access), enabled_(enabled), root_(root), key_(key), name_(name) {}

  // {C} / R\K
  void KeyEvent(std::wstring_view constant) const;
  // {C} Q(N) {IN_KEY} / R\K
  void ValueEvent(std::wstring_view constant) const;
  // {C} Q(E) {IN_KEY} / R\K
  void ErrorEvent(std::wstring_view constant, std::wstring_view errorText) const;
  // R\K / Q(N) = V
  void ReadEvent(std::wstring_view valueText) const;
  // R\K / {C} Q(N) = V
  void WrittenEvent(std::wstring_view constant, std::wstring_view valueText) const;
  // R\K / {DELETE_VALUE} Q(N)
  void ValueDeletedEvent() const;

 private:
  std::wstring RootAndKey() const;
  void Print(const std::wstring& first, const std::wstring& second) const;

  const RegistryAccess& access_;
  bool enabled_;
  platform::RegKey root_;
  std::wstring_view key_;
  std::wstring_view name_;
};

}  // namespace zt::registry_detail
