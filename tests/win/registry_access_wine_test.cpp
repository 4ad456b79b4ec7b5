// The registry operations on the real registry, under a scratch key of
// HKEY_CURRENT_USER that each test makes and removes.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "base/utf16.h"
#include "platform/win32/win32_registry.h"
#include "services/console_lines.h"
#include "services/registry_access.h"
#include "support/english_registry_texts.h"

namespace zt {
namespace {

using platform::kErrorSuccess;
using platform::kHKeyCurrentUser;
using platform::RegKey;

constexpr std::uint32_t kAll = platform::kKeyAllAccess | platform::kKeyWow64_64Key;

class RegistryAccessWine : public ::testing::Test {
 protected:
  void SetUp() override {
    auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    scratch_ = L"Software\\ZentoryTests\\access-" + std::to_wstring(ticks);
    RegKey key = 0;
    ASSERT_EQ(registry_.CreateKey(kHKeyCurrentUser, scratch_, 0, kAll, key), kErrorSuccess);
    registry_.CloseKey(key);
  }

  void TearDown() override {
    RemoveTree(scratch_);
    RegKey parent = 0;
    if (registry_.OpenKey(kHKeyCurrentUser, L"Software\\ZentoryTests", 0, kAll, parent) == kErrorSuccess) {
      std::wstring name;
      bool empty = registry_.EnumKey(parent, 0, name) != kErrorSuccess;
      if (empty) registry_.DeleteOpenedKey(parent);
      registry_.CloseKey(parent);
    }
  }

  // Test cleanup that cannot follow a link, whatever the code under test left.
  void RemoveTree(const std::wstring& path) {
    RegKey key = 0;
    if (registry_.OpenKey(kHKeyCurrentUser, path, platform::kRegOptionOpenLink, kAll, key) != kErrorSuccess) {
      return;
    }
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    bool link = registry_.QueryValue(key, L"SymbolicLinkValue", &type, nullptr, &size) == kErrorSuccess &&
                type == platform::kRegLink;
    if (!link) {
      std::vector<std::wstring> names;
      std::wstring name;
      while (registry_.EnumKey(key, static_cast<std::uint32_t>(names.size()), name) == kErrorSuccess) {
        names.push_back(name);
      }
      for (const auto& child : names) RemoveTree(path + L"\\" + child);
    }
    registry_.DeleteOpenedKey(key);
    registry_.CloseKey(key);
  }

  bool KeyThere(const std::wstring& path) {
    RegKey key = 0;
    if (registry_.OpenKey(kHKeyCurrentUser, path, platform::kRegOptionOpenLink, kAll, key) != kErrorSuccess) {
      return false;
    }
    registry_.CloseKey(key);
    return true;
  }

  platform::Win32Registry registry_;
  ConsoleLines console_;
  testing::EnglishRegistryTexts texts_;
  RegistryAccess access_{registry_, console_, texts_};
  std::wstring scratch_;
};

TEST_F(RegistryAccessWine, WritesAndReadsEachKindBack) {
  std::wstring key = scratch_ + L"\\New\\Chain";
  EXPECT_EQ(WriteRegDword(access_, false, kHKeyCurrentUser, key, L"Dword", -1), 0);
  EXPECT_EQ(WriteRegString(access_, false, kHKeyCurrentUser, key, L"", L"\u0416text"), L"");
  EXPECT_EQ(WriteRegExpandString(access_, false, kHKeyCurrentUser, key, L"Expand", L"%SystemRoot%\\x"), L"");
  EXPECT_EQ(WriteRegBinary(access_, false, kHKeyCurrentUser, key, L"Binary", 0x01020304, 4), 0);

  EXPECT_EQ(ReadRegDword(access_, false, false, kHKeyCurrentUser, key, L"Dword"), -1);
  EXPECT_EQ(ReadRegString(access_, false, false, kHKeyCurrentUser, key, L""), L"\u0416text");
  EXPECT_EQ(ReadRegString(access_, false, false, kHKeyCurrentUser, key, L"Expand"), L"%SystemRoot%\\x");
  EXPECT_EQ(ReadRegBinary(access_, false, false, kHKeyCurrentUser, key, L"Binary"), 0x01020304);
  EXPECT_EQ(ReadRegBinary(access_, false, false, kHKeyCurrentUser, key, L"Expand"), kRegError);
  EXPECT_TRUE(RegValueExists(access_, false, kHKeyCurrentUser, key, L"Binary"));
  EXPECT_TRUE(RegKeyExists(access_, true, kHKeyCurrentUser, key));  // HKCU is not redirected
  EXPECT_EQ(console_.Lines().size(), 4u * 3u);
}

TEST_F(RegistryAccessWine, DwordReadOfTextFailsByItsLength) {
  EXPECT_EQ(WriteRegString(access_, false, kHKeyCurrentUser, scratch_, L"Short", L"a"), L"");
  EXPECT_EQ(WriteRegString(access_, false, kHKeyCurrentUser, scratch_, L"Long", L"abc"), L"");
  console_.Clear();

  EXPECT_EQ(ReadRegDword(access_, false, true, kHKeyCurrentUser, scratch_, L"Short"), kRegError);
  EXPECT_EQ(ReadRegDword(access_, false, true, kHKeyCurrentUser, scratch_, L"Long"), kRegError);
  ASSERT_EQ(console_.Lines().size(), 6u);
  EXPECT_EQ(console_.Lines()[0], L"read error \"Invalid data type for 'Short'\" in key");
  EXPECT_EQ(console_.Lines()[3], L"read error \"Failed to get data for 'Long'\" in key");
}

TEST_F(RegistryAccessWine, ShortAndLongDwordDataAreReadErrors) {
  RegKey key = 0;
  ASSERT_EQ(registry_.OpenKey(kHKeyCurrentUser, scratch_, 0, kAll, key), kErrorSuccess);
  const std::uint8_t bytes[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  ASSERT_EQ(registry_.SetValue(key, L"Two", platform::kRegDword, bytes, 2), kErrorSuccess);
  ASSERT_EQ(registry_.SetValue(key, L"Eight", platform::kRegDword, bytes, 8), kErrorSuccess);
  registry_.CloseKey(key);

  EXPECT_EQ(ReadRegDword(access_, false, false, kHKeyCurrentUser, scratch_, L"Two"), kRegError);
  EXPECT_EQ(ReadRegDword(access_, false, false, kHKeyCurrentUser, scratch_, L"Eight"), kRegError);
}

TEST_F(RegistryAccessWine, DeleteKeyRemovesTreeDeepestFirst) {
  for (const wchar_t* path : {L"\\Tree\\A\\A1", L"\\Tree\\A\\A2", L"\\Tree\\B"}) {
    ASSERT_EQ(WriteRegDword(access_, false, kHKeyCurrentUser, scratch_ + path, L"V", 1), 0);
  }
  console_.Clear();

  EXPECT_EQ(DeleteRegKey(access_, false, kHKeyCurrentUser, scratch_ + L"\\Tree"), 1);
  std::wstring r = L"HKEY_CURRENT_USER\\" + scratch_ + L"\\Tree";
  std::vector<std::wstring> expected;
  for (const std::wstring& path : {r + L"\\A\\A1", r + L"\\A\\A2", r + L"\\A", r + L"\\B", r}) {
    expected.insert(expected.end(), {L"delete key:", path, L"--"});
  }
  EXPECT_EQ(console_.Lines(), expected);
  EXPECT_FALSE(KeyThere(scratch_ + L"\\Tree"));
  EXPECT_TRUE(KeyThere(scratch_));
}

TEST_F(RegistryAccessWine, DeleteKeyRemovesLinkButNotItsTarget) {
  ASSERT_EQ(WriteRegDword(access_, false, kHKeyCurrentUser, scratch_ + L"\\Target\\Inner", L"V", 7), 0);
  ASSERT_EQ(WriteRegDword(access_, false, kHKeyCurrentUser, scratch_ + L"\\Tree\\Plain", L"V", 1), 0);
  const std::wstring user = platform::CurrentUserKernelName();
  ASSERT_FALSE(user.empty());
  const std::wstring target = user + L"\\" + scratch_ + L"\\Target";
  RegKey link = 0;
  ASSERT_EQ(registry_.CreateKey(kHKeyCurrentUser, scratch_ + L"\\Tree\\Link", platform::kRegOptionCreateLink,
                                kAll | platform::kKeyCreateLink, link),
            kErrorSuccess);
  std::vector<std::uint8_t> targetBytes = ToUtf16LeBytes(target);
  ASSERT_EQ(registry_.SetValue(link, L"SymbolicLinkValue", platform::kRegLink, targetBytes.data(),
                               static_cast<std::uint32_t>(targetBytes.size())),
            kErrorSuccess);
  registry_.CloseKey(link);
  // The link works: the target's value is seen through it.
  ASSERT_EQ(ReadRegDword(access_, false, false, kHKeyCurrentUser, scratch_ + L"\\Tree\\Link\\Inner", L"V"),
            7);
  console_.Clear();

  EXPECT_EQ(DeleteRegKey(access_, false, kHKeyCurrentUser, scratch_ + L"\\Tree"), 1);
  EXPECT_FALSE(KeyThere(scratch_ + L"\\Tree"));
  EXPECT_EQ(ReadRegDword(access_, false, false, kHKeyCurrentUser, scratch_ + L"\\Target\\Inner", L"V"), 7);
  EXPECT_EQ(console_.Lines().size(), 3u * 3u);  // link, plain subkey, tree
}

}  // namespace
}  // namespace zt
