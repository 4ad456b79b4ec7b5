#pragma once
#include <string>

#include "platform/registry.h"

namespace zt::platform {

// The registry port over advapi32. Handles are HKEYs; the predefined roots
// are the same numbers as HKEY_*.
class Win32Registry : public Registry {
 public:
  std::int32_t OpenKey(RegKey root, std::wstring_view subKey, std::uint32_t options, std::uint32_t access,
                       RegKey& result) override;
  std::int32_t CreateKey(RegKey root, std::wstring_view subKey, std::uint32_t options, std::uint32_t access,
                         RegKey& result) override;
  std::int32_t QueryValue(RegKey key, std::wstring_view name, std::uint32_t* type, std::uint8_t* data,
                          std::uint32_t* size) override;
  std::int32_t SetValue(RegKey key, std::wstring_view name, std::uint32_t type, const std::uint8_t* data,
                        std::uint32_t size) override;
  std::int32_t EnumKey(RegKey key, std::uint32_t index, std::wstring& name) override;
  std::int32_t EnumValue(RegKey key, std::uint32_t index, std::wstring& name) override;
  std::int32_t DeleteValue(RegKey key, std::wstring_view name) override;
  std::int32_t DeleteKeyEx(RegKey key, std::wstring_view subKey, std::uint32_t access) override;
  std::int32_t DeleteOpenedKey(RegKey key) override;
  std::int32_t CloseKey(RegKey key) override;
};

// The kernel name of HKEY_CURRENT_USER (\REGISTRY\USER\<sid>), by which
// registry link targets reach the user's keys; empty when the user's SID
// cannot be read.
std::wstring CurrentUserKernelName();

}  // namespace zt::platform
