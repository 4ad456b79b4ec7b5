#pragma once
// Port-level cases for the registry, run against the in-memory fake natively
// and against advapi32 under Wine. Each test works below scratch keys of its
// own and removes them afterwards.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace zt::test {

// One registry implementation the suite runs against.
struct RegistryTarget {
  std::string name;        // suffix of the test names
  bool windows64 = false;  // 64-bit Windows: the 32-bit view of HKLM\SOFTWARE is a tree of its own
  std::wstring currentUserKernelName;  // HKCU as link targets name it: \REGISTRY\User\<sid>
  std::function<std::unique_ptr<platform::Registry>()> make;
};

// Defined once per build: the fake natively, advapi32 under Windows.
std::vector<RegistryTarget> RegistryTargets();

inline void PrintTo(const RegistryTarget& target, std::ostream* out) { *out << target.name; }

inline constexpr std::uint32_t kSentinel = 0xdeadbeef;
inline constexpr platform::RegKey kSentinelKey = 0xdeadbeef;
inline constexpr std::uint32_t k32 = platform::kKeyWow64_32Key;
inline constexpr std::uint32_t k64 = platform::kKeyWow64_64Key;

struct RegValue {
  std::uint32_t type;
  std::vector<std::uint8_t> data;
  bool operator==(const RegValue&) const = default;
};

class RegistryContract : public ::testing::TestWithParam<RegistryTarget> {
 protected:
  void SetUp() override;
  void TearDown() override;

  platform::Registry& Reg() { return *registry_; }
  bool Windows64() const { return GetParam().windows64; }

  // Opens or creates a key, expecting success; TearDown closes what is left.
  platform::RegKey MustCreate(platform::RegKey root, const std::wstring& path,
                              std::uint32_t access = platform::kKeyAllAccess, std::uint32_t options = 0);
  platform::RegKey MustOpen(platform::RegKey root, const std::wstring& path,
                            std::uint32_t access = platform::kKeyAllAccess, std::uint32_t options = 0);
  void Close(platform::RegKey key);
  bool Exists(platform::RegKey root, const std::wstring& path, std::uint32_t view = k64);

  void Put(platform::RegKey key, const std::wstring& name, std::uint32_t type,
           const std::vector<std::uint8_t>& data);
  std::optional<RegValue> Get(platform::RegKey key, const std::wstring& name);
  std::vector<std::wstring> SubKeys(platform::RegKey key);
  std::vector<std::wstring> ValueNames(platform::RegKey key);

  // Makes `path` a link to `target` (a kernel name).
  void MakeLink(platform::RegKey root, const std::wstring& path, const std::wstring& target,
                std::uint32_t view = k64);
  // The kernel name of a key under HKCU.
  std::wstring UserKernelName(const std::wstring& path) const;

  // Removes a tree at TearDown, in both views, without following links.
  void Track(platform::RegKey root, const std::wstring& path);
  void DeleteTree(platform::RegKey parent, const std::wstring& name, std::uint32_t view);

  std::wstring unique_;       // a name no other run uses
  std::wstring userBase_;     // HKCU: Software\ZentoryTests\<unique>, created by SetUp
  std::wstring machineBase_;  // HKLM: SOFTWARE\ZentoryTests\<unique>, in either view
  std::wstring wow64Base_;    // HKLM: SOFTWARE\Wow6432Node\ZentoryTests\<unique>

 private:
  std::unique_ptr<platform::Registry> registry_;
  std::vector<platform::RegKey> open_;
  std::vector<std::pair<platform::RegKey, std::wstring>> tracked_;
};

// Little-endian UTF-16 with the terminating NUL, as programs store strings.
std::vector<std::uint8_t> Sz(std::wstring_view text);
std::vector<std::uint8_t> Le32(std::uint32_t value);

}  // namespace zt::test
