#pragma once
// The registry port, in advapi32's own terms: handles, access masks with the
// WOW64 view bits, and LONG error codes. String data travels as raw
// UTF-16LE bytes, exactly as the registry stores it.
#include <cstdint>
#include <string>
#include <string_view>

namespace zt::platform {

using RegKey = std::uintptr_t;

// Predefined roots, as Windows numbers them.
inline constexpr RegKey kHKeyClassesRoot = 0x80000000u;
inline constexpr RegKey kHKeyCurrentUser = 0x80000001u;
inline constexpr RegKey kHKeyLocalMachine = 0x80000002u;
inline constexpr RegKey kHKeyUsers = 0x80000003u;

// Access rights.
inline constexpr std::uint32_t kKeyQueryValue = 0x0001;
inline constexpr std::uint32_t kKeySetValue = 0x0002;
inline constexpr std::uint32_t kKeyCreateSubKey = 0x0004;
inline constexpr std::uint32_t kKeyEnumerateSubKeys = 0x0008;
inline constexpr std::uint32_t kKeyNotify = 0x0010;
inline constexpr std::uint32_t kKeyCreateLink = 0x0020;
inline constexpr std::uint32_t kKeyWow64_64Key = 0x0100;
inline constexpr std::uint32_t kKeyWow64_32Key = 0x0200;
inline constexpr std::uint32_t kDelete = 0x00010000;
inline constexpr std::uint32_t kStandardRightsRead = 0x00020000;
inline constexpr std::uint32_t kKeyRead = 0x00020019;
inline constexpr std::uint32_t kKeyAllAccess = 0x000F003F;

// Options of open and create.
inline constexpr std::uint32_t kRegOptionNonVolatile = 0x0;
inline constexpr std::uint32_t kRegOptionVolatile = 0x1;
inline constexpr std::uint32_t kRegOptionCreateLink = 0x2;
inline constexpr std::uint32_t kRegOptionOpenLink = 0x8;

// Value types.
inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegDwordBigEndian = 5;
inline constexpr std::uint32_t kRegLink = 6;
inline constexpr std::uint32_t kRegMultiSz = 7;
inline constexpr std::uint32_t kRegQword = 11;

// Error codes (winerror.h).
inline constexpr std::int32_t kErrorSuccess = 0;
inline constexpr std::int32_t kErrorFileNotFound = 2;
inline constexpr std::int32_t kErrorAccessDenied = 5;
inline constexpr std::int32_t kErrorInvalidHandle = 6;
inline constexpr std::int32_t kErrorOutOfMemory = 14;
inline constexpr std::int32_t kErrorInvalidParameter = 87;
inline constexpr std::int32_t kErrorCallNotImplemented = 120;
inline constexpr std::int32_t kErrorProcNotFound = 127;
inline constexpr std::int32_t kErrorBadPathname = 161;
inline constexpr std::int32_t kErrorAlreadyExists = 183;
inline constexpr std::int32_t kErrorMoreData = 234;
inline constexpr std::int32_t kErrorNoMoreItems = 259;
inline constexpr std::int32_t kErrorNoAccess = 998;
inline constexpr std::int32_t kErrorKeyDeleted = 1018;

class Registry {
 public:
  virtual ~Registry() = default;

  // RegOpenKeyExW. A link met on the way is followed; with
  // kRegOptionOpenLink the last component, if a link, is opened itself.
  virtual std::int32_t OpenKey(RegKey root, std::wstring_view subKey, std::uint32_t options,
                               std::uint32_t access, RegKey& result) = 0;
  // RegCreateKeyExW; creates missing intermediate keys.
  virtual std::int32_t CreateKey(RegKey root, std::wstring_view subKey, std::uint32_t options,
                                 std::uint32_t access, RegKey& result) = 0;
  // RegQueryValueExW: `data` may be null to ask for type and size only;
  // `size` is the buffer size in bytes on entry and the data size on return
  // (also on kErrorMoreData). A string read into a buffer with room to spare
  // may get a NUL written after its data, not counted in `size`.
  virtual std::int32_t QueryValue(RegKey key, std::wstring_view name, std::uint32_t* type, std::uint8_t* data,
                                  std::uint32_t* size) = 0;
  // RegSetValueExW. String data should include its NUL terminator:
  // advapi32 peeks at the character after `size` to decide whether to add one.
  virtual std::int32_t SetValue(RegKey key, std::wstring_view name, std::uint32_t type,
                                const std::uint8_t* data, std::uint32_t size) = 0;
  // RegEnumKeyExW / RegEnumValueW: kErrorNoMoreItems past the end.
  virtual std::int32_t EnumKey(RegKey key, std::uint32_t index, std::wstring& name) = 0;
  virtual std::int32_t EnumValue(RegKey key, std::uint32_t index, std::wstring& name) = 0;
  // RegDeleteValueW.
  virtual std::int32_t DeleteValue(RegKey key, std::wstring_view name) = 0;
  // RegDeleteKeyExW, looked up in advapi32 at run time: kErrorProcNotFound
  // when the system does not have it. It opens the key following links, so
  // naming a link deletes the link's target.
  virtual std::int32_t DeleteKeyEx(RegKey key, std::wstring_view subKey, std::uint32_t access) = 0;
  // NtDeleteKey on an open handle (opened with DELETE access, as
  // kKeyAllAccess has): deletes the very key the handle names, which for a
  // key opened with kRegOptionOpenLink is the link itself, not its target.
  virtual std::int32_t DeleteOpenedKey(RegKey key) = 0;
  // RegCloseKey. Closing a predefined root is a no-op.
  virtual std::int32_t CloseKey(RegKey key) = 0;
};

}  // namespace zt::platform
