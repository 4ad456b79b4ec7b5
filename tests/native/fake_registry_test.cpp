#include "platform/fake/fake_registry.h"

#include <gtest/gtest.h>

#include <optional>

using namespace zt::platform;

namespace {

constexpr std::uint32_t k32 = kKeyWow64_32Key;
constexpr std::uint32_t k64 = kKeyWow64_64Key;
constexpr RegKey kSentinelKey = 0xdeadbeef;

std::vector<std::uint8_t> Le32(std::uint32_t value) {
  return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
          static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

// The DWORD under root\path as a handle opened with `access` sees it.
std::optional<std::uint32_t> ReadDword(FakeRegistry& reg, RegKey root, std::wstring_view path,
                                       std::wstring_view name, std::uint32_t access) {
  RegKey key = 0;
  if (reg.OpenKey(root, path, 0, access, key)) return std::nullopt;
  std::uint32_t value = 0, size = 4, type = 0;
  std::int32_t status = reg.QueryValue(key, name, &type, reinterpret_cast<std::uint8_t*>(&value), &size);
  reg.CloseKey(key);
  if (status || type != kRegDword) return std::nullopt;
  return value;
}

std::int32_t WriteDword(FakeRegistry& reg, RegKey root, std::wstring_view path, std::wstring_view name,
                        std::uint32_t value, std::uint32_t access) {
  RegKey key = 0;
  if (std::int32_t status = reg.CreateKey(root, path, 0, access, key)) return status;
  std::vector<std::uint8_t> data = Le32(value);
  std::int32_t status = reg.SetValue(key, name, kRegDword, data.data(), 4);
  reg.CloseKey(key);
  return status;
}

}  // namespace

// Windows 7 shares these keys between the views, or redirects these COM
// classes; Wine redirects SOFTWARE\Clients and SOFTWARE\RegisteredApplications
// and does not have all of the others, so these cases cannot run against it.
TEST(FakeRegistryWow64, ThirtyTwoBitWritesLandWhereWindows7PutsThem) {
  struct Row {
    const char* label;
    std::wstring path;      // as the 32-bit program names it
    std::wstring physical;  // where the value lands
  };
  const std::vector<Row> rows = {
      {"clients", L"SOFTWARE\\Clients\\Mail\\Zentory", L"SOFTWARE\\Clients\\Mail\\Zentory"},
      {"registered applications", L"SOFTWARE\\RegisteredApplications", L"SOFTWARE\\RegisteredApplications"},
      {"smart-card readers", L"SOFTWARE\\Microsoft\\Cryptography\\Calais\\Readers\\R1",
       L"SOFTWARE\\Microsoft\\Cryptography\\Calais\\Readers\\R1"},
      {"explorer policies, deep", L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer",
       L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer"},
      {"profile list", L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList\\S-1-5-18",
       L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList\\S-1-5-18"},
      {"a ProgID of the shared classes", L"SOFTWARE\\Classes\\lnkfile", L"SOFTWARE\\Classes\\lnkfile"},
      {"name spelled in other case", L"software\\POLICIES\\Zentory", L"SOFTWARE\\Policies\\Zentory"},
      {"run key", L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
       L"SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Run"},
      {"uninstall entry", L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\App",
       L"SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\App"},
      {"winlogon", L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon",
       L"SOFTWARE\\Wow6432Node\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon"},
      {"a key merely named like a shared one", L"SOFTWARE\\Zentory\\Policies",
       L"SOFTWARE\\Wow6432Node\\Zentory\\Policies"},
      {"AppID", L"SOFTWARE\\Classes\\AppID\\{1}", L"SOFTWARE\\Classes\\Wow6432Node\\AppID\\{1}"},
      {"Media Type", L"SOFTWARE\\Classes\\Media Type\\x", L"SOFTWARE\\Classes\\Wow6432Node\\Media Type\\x"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    FakeRegistry reg;
    ASSERT_EQ(WriteDword(reg, kHKeyLocalMachine, row.path, L"v", 32, kKeyAllAccess | k32), kErrorSuccess);
    auto stored = reg.Stored(kHKeyLocalMachine, row.physical, L"v");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->data, Le32(32));
    const bool shared = row.physical.find(L"Wow6432Node") == std::wstring::npos;
    EXPECT_EQ(ReadDword(reg, kHKeyLocalMachine, row.path, L"v", kKeyRead | k64).has_value(), shared);
    EXPECT_EQ(ReadDword(reg, kHKeyLocalMachine, row.path, L"v", kKeyRead), 32u);
  }
}

TEST(FakeRegistryWow64, SharedKeysNeedNoThirtyTwoBitParents) {
  FakeRegistry reg;
  reg.SeedDword(kHKeyLocalMachine, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\z.exe", L"v",
                7);
  EXPECT_EQ(
      ReadDword(reg, kHKeyLocalMachine, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\z.exe",
                L"v", kKeyRead | k32),
      7u);
  // Below a handle on the 32-bit parent, too.
  reg.SeedKey(kHKeyLocalMachine, L"SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion");
  RegKey parent = 0;
  ASSERT_EQ(reg.OpenKey(kHKeyLocalMachine, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion", 0, kKeyRead | k32,
                        parent),
            kErrorSuccess);
  EXPECT_EQ(ReadDword(reg, parent, L"App Paths\\z.exe", L"v", kKeyRead | k32), 7u);
  std::wstring name;
  EXPECT_EQ(reg.EnumKey(parent, 0, name), kErrorSuccess);
  EXPECT_EQ(name, L"App Paths");
  reg.CloseKey(parent);
}

TEST(FakeRegistryWow64, BothViewBitsMeanThe64BitViewAsUnderWine) {
  FakeRegistry reg;
  ASSERT_EQ(WriteDword(reg, kHKeyLocalMachine, L"SOFTWARE\\Both", L"v", 1, kKeyAllAccess | k32 | k64),
            kErrorSuccess);
  EXPECT_TRUE(reg.Stored(kHKeyLocalMachine, L"SOFTWARE\\Both", L"v"));
}

TEST(FakeRegistryWow64, ThirtyTwoBitWindowsHasOneRegistry) {
  FakeRegistry reg(FakeWindows::Bits32);
  reg.SeedDword(kHKeyLocalMachine, L"SOFTWARE\\Zentory", L"v", 5);
  for (std::uint32_t view : {0u, k32, k64}) {
    SCOPED_TRACE(view);
    EXPECT_EQ(ReadDword(reg, kHKeyLocalMachine, L"SOFTWARE\\Zentory", L"v", kKeyRead | view), 5u);
  }
  ASSERT_EQ(WriteDword(reg, kHKeyClassesRoot, L"CLSID\\{1}", L"v", 1, kKeyAllAccess | k32), kErrorSuccess);
  EXPECT_TRUE(reg.Stored(kHKeyLocalMachine, L"SOFTWARE\\Classes\\CLSID\\{1}", L"v"));
  EXPECT_FALSE(reg.HasKey(kHKeyLocalMachine, L"SOFTWARE\\Wow6432Node"));
}

TEST(FakeRegistryScripting, SeedsAreStoredAsWindowsStoresThem) {
  FakeRegistry reg;
  reg.SeedString(kHKeyCurrentUser, L"Software\\Zentory", L"Name", L"ab");
  reg.SeedString(kHKeyCurrentUser, L"Software\\Zentory", L"Path", L"%TEMP%", kRegExpandSz);
  reg.SeedDword(kHKeyCurrentUser, L"Software\\Zentory", L"Count", 0x01020304);
  reg.Seed(kHKeyCurrentUser, L"Software\\Zentory", L"", kRegBinary, {9});
  reg.SeedKey(kHKeyCurrentUser, L"Software\\Zentory\\b");
  reg.SeedKey(kHKeyCurrentUser, L"Software\\Zentory\\A");

  auto name = reg.Stored(kHKeyCurrentUser, L"software\\zentory", L"NAME");
  ASSERT_TRUE(name);
  EXPECT_EQ(name->type, kRegSz);
  EXPECT_EQ(name->data, (std::vector<std::uint8_t>{'a', 0, 'b', 0, 0, 0}));
  EXPECT_EQ(reg.Stored(kHKeyCurrentUser, L"Software\\Zentory", L"Path")->type, kRegExpandSz);
  EXPECT_EQ(reg.Stored(kHKeyCurrentUser, L"Software\\Zentory", L"Count")->data, Le32(0x01020304));
  EXPECT_EQ(reg.Stored(kHKeyCurrentUser, L"Software\\Zentory", L"")->data, std::vector<std::uint8_t>{9});
  EXPECT_FALSE(reg.Stored(kHKeyCurrentUser, L"Software\\Zentory", L"Absent"));
  EXPECT_EQ(reg.SubKeyNames(kHKeyCurrentUser, L"Software\\Zentory"), (std::vector<std::wstring>{L"A", L"b"}));
  EXPECT_TRUE(reg.HasKey(kHKeyCurrentUser, L"Software\\Zentory\\B"));
  EXPECT_FALSE(reg.HasKey(kHKeyCurrentUser, L"Software\\Zentory\\C"));

  // HKCU is the user's key under HKU; HKCR is HKLM\SOFTWARE\Classes.
  EXPECT_TRUE(reg.HasKey(kHKeyUsers, L"S-1-5-21-0-0-0-1000\\Software\\Zentory"));
  reg.SeedKey(kHKeyClassesRoot, L".zt");
  EXPECT_TRUE(reg.HasKey(kHKeyLocalMachine, L"SOFTWARE\\Classes\\.zt"));
}

TEST(FakeRegistryScripting, PhysicalSeedsAndViews) {
  FakeRegistry reg;
  reg.SeedDword(kHKeyLocalMachine, L"SOFTWARE\\Wow6432Node\\Zentory", L"v", 32);
  reg.SeedDword(kHKeyLocalMachine, L"SOFTWARE\\Zentory", L"v", 64);
  EXPECT_EQ(ReadDword(reg, kHKeyLocalMachine, L"SOFTWARE\\Zentory", L"v", kKeyRead | k32), 32u);
  EXPECT_EQ(ReadDword(reg, kHKeyLocalMachine, L"SOFTWARE\\Zentory", L"v", kKeyRead | k64), 64u);
}

TEST(FakeRegistryScripting, SeededLinksAreFollowed) {
  FakeRegistry reg;
  EXPECT_EQ(FakeRegistry::KernelName(kHKeyCurrentUser, L"Software\\T"),
            L"\\REGISTRY\\User\\S-1-5-21-0-0-0-1000\\Software\\T");
  EXPECT_EQ(FakeRegistry::KernelName(kHKeyClassesRoot, L".txt"),
            L"\\REGISTRY\\Machine\\SOFTWARE\\Classes\\.txt");
  reg.SeedDword(kHKeyLocalMachine, L"SOFTWARE\\Target", L"v", 3);
  reg.SeedLink(kHKeyCurrentUser, L"Software\\Link",
               FakeRegistry::KernelName(kHKeyLocalMachine, L"SOFTWARE\\Target"));
  EXPECT_TRUE(reg.IsLink(kHKeyCurrentUser, L"Software\\Link"));
  EXPECT_FALSE(reg.IsLink(kHKeyLocalMachine, L"SOFTWARE\\Target"));
  EXPECT_EQ(ReadDword(reg, kHKeyCurrentUser, L"Software\\Link", L"v", kKeyRead), 3u);
}

TEST(FakeRegistryFaults, DenyOpenRefusesOpeningAndCreating) {
  FakeRegistry reg;
  reg.SeedKey(kHKeyLocalMachine, L"SOFTWARE\\Locked");
  reg.DenyOpen(kHKeyLocalMachine, L"software\\LOCKED");
  reg.DenyOpen(kHKeyLocalMachine, L"SOFTWARE\\NotYet");
  struct Row {
    const char* label;
    bool create;
    std::wstring path;
  };
  const std::vector<Row> rows = {
      {"open", false, L"SOFTWARE\\Locked"},
      {"create existing", true, L"SOFTWARE\\Locked"},
      {"create a new key below", true, L"SOFTWARE\\Locked\\Child"},
      {"create the denied key itself", true, L"SOFTWARE\\NotYet"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    RegKey key = kSentinelKey;
    std::int32_t status = row.create ? reg.CreateKey(kHKeyLocalMachine, row.path, 0, kKeyAllAccess | k64, key)
                                     : reg.OpenKey(kHKeyLocalMachine, row.path, 0, kKeyRead | k64, key);
    EXPECT_EQ(status, kErrorAccessDenied);
    EXPECT_EQ(key, kSentinelKey);
  }
  EXPECT_FALSE(reg.HasKey(kHKeyLocalMachine, L"SOFTWARE\\Locked\\Child"));
  EXPECT_FALSE(reg.HasKey(kHKeyLocalMachine, L"SOFTWARE\\NotYet"));
  EXPECT_EQ(reg.OpenHandleCount(), 0u);
  EXPECT_EQ(WriteDword(reg, kHKeyLocalMachine, L"SOFTWARE\\Open", L"v", 1, kKeyAllAccess | k64),
            kErrorSuccess);
}

TEST(FakeRegistryFaults, FailReadsHitsOnlyExistingValues) {
  FakeRegistry reg;
  reg.SeedDword(kHKeyCurrentUser, L"Software\\Z", L"v", 1);
  reg.SeedDword(kHKeyCurrentUser, L"Software\\Other", L"v", 1);
  reg.FailReads(kHKeyCurrentUser, L"Software\\Z");
  RegKey key = 0;
  ASSERT_EQ(reg.OpenKey(kHKeyCurrentUser, L"Software\\Z", 0, kKeyRead, key), kErrorSuccess);
  std::uint32_t type = 0xdeadbeef, size = 4, data = 0;
  EXPECT_EQ(reg.QueryValue(key, L"v", &type, reinterpret_cast<std::uint8_t*>(&data), &size),
            kErrorAccessDenied);
  EXPECT_EQ(type, 0xdeadbeefu);
  EXPECT_EQ(reg.QueryValue(key, L"v", &type, nullptr, &size), kErrorAccessDenied);
  EXPECT_EQ(reg.QueryValue(key, L"absent", &type, nullptr, &size), kErrorFileNotFound);
  reg.CloseKey(key);
  EXPECT_EQ(ReadDword(reg, kHKeyCurrentUser, L"Software\\Other", L"v", kKeyRead), 1u);
}

TEST(FakeRegistryFaults, FailWritesRefusesEveryChange) {
  FakeRegistry reg;
  reg.SeedDword(kHKeyCurrentUser, L"Software\\Z", L"v", 1);
  reg.FailWrites(kHKeyCurrentUser, L"Software\\Z");
  RegKey key = 0;
  ASSERT_EQ(reg.OpenKey(kHKeyCurrentUser, L"Software\\Z", 0, kKeyAllAccess, key), kErrorSuccess);
  std::vector<std::uint8_t> two = Le32(2);
  EXPECT_EQ(reg.SetValue(key, L"v", kRegDword, two.data(), 4), kErrorAccessDenied);
  EXPECT_EQ(reg.SetValue(key, L"new", kRegDword, two.data(), 4), kErrorAccessDenied);
  EXPECT_EQ(reg.DeleteValue(key, L"v"), kErrorAccessDenied);
  EXPECT_EQ(reg.DeleteOpenedKey(key), kErrorAccessDenied);
  EXPECT_EQ(reg.DeleteKeyEx(kHKeyCurrentUser, L"Software\\Z", 0), kErrorAccessDenied);
  reg.CloseKey(key);
  EXPECT_EQ(reg.Stored(kHKeyCurrentUser, L"Software\\Z", L"v")->data, Le32(1));
  EXPECT_FALSE(reg.Stored(kHKeyCurrentUser, L"Software\\Z", L"new"));
  // Reading and creating below are not writes to the key.
  EXPECT_EQ(ReadDword(reg, kHKeyCurrentUser, L"Software\\Z", L"v", kKeyRead), 1u);
  EXPECT_EQ(WriteDword(reg, kHKeyCurrentUser, L"Software\\Z\\Child", L"v", 1, kKeyAllAccess), kErrorSuccess);
}

TEST(FakeRegistryFaults, MissingDeleteKeyExLeavesOtherDeletesWorking) {
  FakeRegistry reg;
  reg.SeedKey(kHKeyCurrentUser, L"Software\\A");
  reg.SeedKey(kHKeyCurrentUser, L"Software\\B");
  reg.RemoveDeleteKeyEx();
  EXPECT_EQ(reg.DeleteKeyEx(kHKeyCurrentUser, L"Software\\A", 0), kErrorProcNotFound);
  EXPECT_TRUE(reg.HasKey(kHKeyCurrentUser, L"Software\\A"));
  RegKey key = 0;
  ASSERT_EQ(reg.OpenKey(kHKeyCurrentUser, L"Software\\B", 0, kKeyAllAccess, key), kErrorSuccess);
  EXPECT_EQ(reg.DeleteOpenedKey(key), kErrorSuccess);
  reg.CloseKey(key);
  EXPECT_FALSE(reg.HasKey(kHKeyCurrentUser, L"Software\\B"));
}

TEST(FakeRegistry, OpenHandleCountSeesLeaks) {
  FakeRegistry reg;
  RegKey a = 0, b = 0, c = kSentinelKey;
  ASSERT_EQ(reg.CreateKey(kHKeyCurrentUser, L"Software\\A", 0, kKeyAllAccess, a), kErrorSuccess);
  ASSERT_EQ(reg.OpenKey(kHKeyCurrentUser, L"Software\\A", 0, kKeyRead, b), kErrorSuccess);
  EXPECT_NE(a, b);
  EXPECT_EQ(reg.OpenKey(kHKeyCurrentUser, L"Software\\Absent", 0, kKeyRead, c), kErrorFileNotFound);
  EXPECT_EQ(reg.OpenHandleCount(), 2u);
  reg.CloseKey(a);
  reg.CloseKey(kHKeyCurrentUser);
  EXPECT_EQ(reg.OpenHandleCount(), 1u);
  reg.CloseKey(b);
  EXPECT_EQ(reg.OpenHandleCount(), 0u);
}

// A handle keeps its deleted key alive on its own: using it after the
// parent is gone too must neither crash nor reach the parent.
TEST(FakeRegistry, HandleOnADeletedKeyOutlivesItsParent) {
  FakeRegistry reg;
  reg.SeedKey(kHKeyCurrentUser, L"Software\\P\\C");
  RegKey child = 0;
  ASSERT_EQ(reg.OpenKey(kHKeyCurrentUser, L"Software\\P\\C", 0, kKeyAllAccess, child), kErrorSuccess);
  ASSERT_EQ(reg.DeleteKeyEx(kHKeyCurrentUser, L"Software\\P\\C", 0), kErrorSuccess);
  ASSERT_EQ(reg.DeleteKeyEx(kHKeyCurrentUser, L"Software\\P", 0), kErrorSuccess);
  RegKey below = kSentinelKey;
  EXPECT_EQ(reg.CreateKey(child, L"X", 0, kKeyAllAccess, below), kErrorKeyDeleted);
  EXPECT_EQ(reg.DeleteOpenedKey(child), kErrorSuccess);
  EXPECT_EQ(below, kSentinelKey);
  EXPECT_EQ(reg.CloseKey(child), kErrorSuccess);
  EXPECT_FALSE(reg.HasKey(kHKeyCurrentUser, L"Software\\P"));
}
