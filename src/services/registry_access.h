#pragma once
// Every registry read, write and deletion of the program. Each call opens its
// own key, does one thing and closes the key again; registry failures come
// back as sentinels and, for the logged operations, as console entries.
//
// `view32` selects the 32-bit registry view (KEY_WOW64_32KEY); clear means
// the 64-bit view. Key paths are relative to the root and are printed exactly
// as passed. An empty value name is the key's default value.
#include <cstdint>
#include <string>
#include <string_view>

#include "l10n/lang_const.h"
#include "platform/registry.h"
#include "services/console_sink.h"

namespace zt {

struct RegistryAccess {
  platform::Registry& registry;
  ConsoleSink& console;
  const LangConstSource& lang;
};

// Integer results of the DWORD and binary operations.
inline constexpr std::int32_t kRegNoKey = -1;    // key not opened (writes: not opened or created)
inline constexpr std::int32_t kRegNoValue = -2;  // value does not exist
inline constexpr std::int32_t kRegError = -3;    // a read or write on the opened key failed

// Text results of the string operations, same meanings.
inline constexpr std::wstring_view kRegNoKeyText = L"ERR_NO_KEY";
inline constexpr std::wstring_view kRegNoValueText = L"ERR_NO_VALUE";
inline constexpr std::wstring_view kRegErrorText = L"ERR_REG_EXCEPTION";

// Silent reads and write.
std::int32_t PeekRegDword(const RegistryAccess& access, bool view32, platform::RegKey root,
                          std::wstring_view key, std::wstring_view name);
std::wstring PeekRegString(const RegistryAccess& access, bool view32, platform::RegKey root,
                           std::wstring_view key, std::wstring_view name);
// Creates the key chain when missing. 0 written, kRegNoKey or kRegError.
std::int32_t PokeRegDword(const RegistryAccess& access, bool view32, platform::RegKey root,
                          std::wstring_view key, std::wstring_view name, std::int32_t value);

// Reads that print only when `log` is set. Strings accept REG_SZ and
// REG_EXPAND_SZ (unexpanded, cut at the first NUL); empty data of any type
// reads as the empty text. The binary read gives up to 4 bytes as a
// little-endian integer and refuses REG_SZ, REG_EXPAND_SZ and REG_DWORD.
std::int32_t ReadRegDword(const RegistryAccess& access, bool view32, bool log, platform::RegKey root,
                          std::wstring_view key, std::wstring_view name);
std::wstring ReadRegString(const RegistryAccess& access, bool view32, bool log, platform::RegKey root,
                           std::wstring_view key, std::wstring_view name);
std::int32_t ReadRegBinary(const RegistryAccess& access, bool view32, bool log, platform::RegKey root,
                           std::wstring_view key, std::wstring_view name);

// Writes always print and create the key chain when missing.
std::int32_t WriteRegDword(const RegistryAccess& access, bool view32, platform::RegKey root,
                           std::wstring_view key, std::wstring_view name, std::int32_t value);
// Empty on success, otherwise kRegNoKeyText or kRegErrorText.
std::wstring WriteRegString(const RegistryAccess& access, bool view32, platform::RegKey root,
                            std::wstring_view key, std::wstring_view name, std::wstring_view data);
std::wstring WriteRegExpandString(const RegistryAccess& access, bool view32, platform::RegKey root,
                                  std::wstring_view key, std::wstring_view name, std::wstring_view data);
// REG_BINARY holding the first `size` bytes of `value`, little-endian. A size
// above 4 would reach past the value: it is refused as a write error.
std::int32_t WriteRegBinary(const RegistryAccess& access, bool view32, platform::RegKey root,
                            std::wstring_view key, std::wstring_view name, std::int32_t value,
                            std::uint32_t size);

// Deletions always print. 1 deleted, 0 not deleted.
std::int32_t DeleteRegValue(const RegistryAccess& access, bool view32, platform::RegKey root,
                            std::wstring_view key, std::wstring_view name);
// Deletes the key with its whole subtree, deepest keys first, one console
// entry per key. A subkey that is a symbolic link is removed as a link; its
// target is never entered.
std::int32_t DeleteRegKey(const RegistryAccess& access, bool view32, platform::RegKey root,
                          std::wstring_view key);

// Silent checks.
bool RegValueExists(const RegistryAccess& access, bool view32, platform::RegKey root, std::wstring_view key,
                    std::wstring_view name);
bool RegKeyExists(const RegistryAccess& access, bool view32, platform::RegKey root, std::wstring_view key);

}  // namespace zt
