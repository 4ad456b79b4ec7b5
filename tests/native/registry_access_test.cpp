// The fourteen registry operations over the fake registry: result, exact
// console lines, registry state afterwards, and no handle left open.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "base/utf16.h"
#include "platform/fake/fake_registry.h"
#include "services/console_lines.h"
#include "services/registry_access.h"
#include "support/english_registry_texts.h"

namespace zt {
namespace {

using platform::FakeRegistry;
using platform::FakeWindows;
using platform::RegKey;

constexpr RegKey kCu = platform::kHKeyCurrentUser;
constexpr RegKey kLm = platform::kHKeyLocalMachine;
const std::wstring kKey = L"Software\\A";
const std::wstring kCuKey = L"HKEY_CURRENT_USER\\Software\\A";

using Outcome = std::variant<std::int32_t, std::wstring, bool>;
using Lines = std::vector<std::wstring>;

struct Case {
  std::string name;
  std::function<void(FakeRegistry&)> seed = {};
  std::function<Outcome(const RegistryAccess&)> run = {};
  Outcome result = {};
  Lines lines = {};
  std::function<void(const FakeRegistry&)> after = {};
  FakeWindows windows = FakeWindows::Bits64;
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

// One console entry: its two lines and the separator.
Lines Entry(const std::wstring& first, const std::wstring& second) { return {first, second, L"--"}; }
Lines Entries(std::initializer_list<Lines> entries) {
  Lines all;
  for (const Lines& e : entries) all.insert(all.end(), e.begin(), e.end());
  return all;
}

std::vector<std::uint8_t> TextBytes(std::wstring_view text) {
  auto bytes = ToUtf16LeBytes(text);
  bytes.insert(bytes.end(), {0, 0});
  return bytes;
}

auto SeedDword(std::uint32_t value, RegKey root = kCu, std::wstring key = kKey, std::wstring name = L"V") {
  return [=](FakeRegistry& r) { r.SeedDword(root, key, name, value); };
}
auto SeedBytes(std::uint32_t type, std::vector<std::uint8_t> data, std::wstring name = L"V") {
  return [=](FakeRegistry& r) { r.Seed(kCu, kKey, name, type, data); };
}
auto SeedText(std::wstring text, std::uint32_t type = platform::kRegSz, std::wstring name = L"V") {
  return [=](FakeRegistry& r) { r.SeedString(kCu, kKey, name, text, type); };
}
auto SeedKeyOnly(std::wstring key = kKey) {
  return [=](FakeRegistry& r) { r.SeedKey(kCu, key); };
}

auto ReadDword(bool log = true, std::wstring name = L"V", std::wstring key = kKey, RegKey root = kCu,
               bool view32 = false) {
  return [=](const RegistryAccess& a) -> Outcome { return ReadRegDword(a, view32, log, root, key, name); };
}
auto ReadString(bool log = true, std::wstring name = L"V", std::wstring key = kKey, RegKey root = kCu) {
  return [=](const RegistryAccess& a) -> Outcome { return ReadRegString(a, false, log, root, key, name); };
}
auto ReadBinary(bool log = true, std::wstring name = L"V") {
  return [=](const RegistryAccess& a) -> Outcome { return ReadRegBinary(a, false, log, kCu, kKey, name); };
}

auto ExpectStored(RegKey root, std::wstring key, std::wstring name, std::uint32_t type,
                  std::vector<std::uint8_t> data) {
  return [=](const FakeRegistry& r) {
    auto stored = r.Stored(root, key, name);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->type, type);
    EXPECT_EQ(stored->data, data);
  };
}
auto ExpectNoValue(RegKey root, std::wstring key, std::wstring name) {
  return [=](const FakeRegistry& r) { EXPECT_FALSE(r.Stored(root, key, name).has_value()); };
}

class RegistryAccessCase : public ::testing::TestWithParam<Case> {};

TEST_P(RegistryAccessCase, ResultLinesAndRegistry) {
  const Case& c = GetParam();
  FakeRegistry registry(c.windows);
  if (c.seed) c.seed(registry);
  ConsoleLines console;
  testing::EnglishRegistryTexts texts;
  RegistryAccess access{registry, console, texts};

  EXPECT_EQ(c.run(access), c.result);
  EXPECT_EQ(console.Lines(), c.lines);
  if (c.after) c.after(registry);
  EXPECT_EQ(registry.OpenHandleCount(), 0u);
}

std::string CaseName(const ::testing::TestParamInfo<Case>& info) { return info.param.name; }

std::wstring ReadError(const std::wstring& error) { return L"read error \"" + error + L"\" in key"; }

std::vector<Case> DwordReads() {
  std::vector<Case> cases = {
      {.name = "Logged",
       .seed = SeedDword(5),
       .run = ReadDword(),
       .result = 5,
       .lines = Entry(kCuKey, L"\"V\" = 5")},
      {.name = "AbsentValue",
       .seed = SeedKeyOnly(L"Software\\Policies\\Microsoft\\Windows\\Control Panel\\Desktop"),
       .run = ReadDword(true, L"ScreenSaverIsSecure",
                        L"Software\\Policies\\Microsoft\\Windows\\Control Panel\\Desktop"),
       .result = kRegNoValue,
       .lines = Entry(L"no REG_DWORD value \"ScreenSaverIsSecure\" in key",
                      L"HKEY_CURRENT_USER\\Software\\Policies\\Microsoft\\Windows\\Control Panel\\Desktop")},
      {.name = "MissingKey", .run = ReadDword(), .result = kRegNoKey, .lines = Entry(L"no key:", kCuKey)},
      // With a 4-byte buffer a longer text fails to read before its type counts.
      {.name = "ShortText",
       .seed = SeedText(L"a"),
       .run = ReadDword(),
       .result = kRegError,
       .lines = Entry(ReadError(L"Invalid data type for 'V'"), kCuKey)},
      {.name = "LongerText",
       .seed = SeedText(L"ab"),
       .run = ReadDword(),
       .result = kRegError,
       .lines = Entry(ReadError(L"Failed to get data for 'V'"), kCuKey)},
      {.name = "FourBinaryBytes",
       .seed = SeedBytes(platform::kRegBinary, {1, 0, 0, 0}),
       .run = ReadDword(),
       .result = kRegError,
       .lines = Entry(ReadError(L"Invalid data type for 'V'"), kCuKey)},
      {.name = "DwordOfTwoBytes",
       .seed = SeedBytes(platform::kRegDword, {1, 2}),
       .run = ReadDword(),
       .result = kRegError,
       .lines = Entry(ReadError(L"Failed to get data for 'V'"), kCuKey)},
      {.name = "DwordOfEightBytes",
       .seed = SeedBytes(platform::kRegDword, {1, 2, 3, 4, 5, 6, 7, 8}),
       .run = ReadDword(),
       .result = kRegError,
       .lines = Entry(ReadError(L"Failed to get data for 'V'"), kCuKey)},
      {.name = "ReadFails",
       .seed =
           [](FakeRegistry& r) {
             r.SeedDword(kCu, kKey, L"V", 1);
             r.FailReads(kCu, kKey);
           },
       .run = ReadDword(),
       .result = kRegError,
       .lines = Entry(ReadError(L"Failed to get data for 'V'"), kCuKey)},
      {.name = "LogClearSuccess", .seed = SeedDword(5), .run = ReadDword(false), .result = 5},
      {.name = "LogClearMissingKey", .run = ReadDword(false), .result = kRegNoKey},
      {.name = "LogClearShortText", .seed = SeedText(L"a"), .run = ReadDword(false), .result = kRegError},
      {.name = "PeekNeverPrints",
       .seed = SeedKeyOnly(),
       .run = [](const RegistryAccess& a) -> Outcome { return PeekRegDword(a, false, kCu, kKey, L"V"); },
       .result = kRegNoValue},
      {.name = "DefaultValue",
       .seed = SeedDword(7, kCu, kKey, L""),
       .run = ReadDword(true, L""),
       .result = 7,
       .lines = Entry(kCuKey, L"\"\" = 7")},
      {.name = "KeyPrintedAsPassed",
       .seed = SeedDword(3),
       .run = ReadDword(true, L"v", L"software\\a"),
       .result = 3,
       .lines = Entry(L"HKEY_CURRENT_USER\\software\\a", L"\"v\" = 3")},
      {.name = "UnknownRootHasNoName",
       .run = ReadDword(true, L"V", kKey, 0x80000005u),
       .result = kRegNoKey,
       .lines = Entry(L"no key:", L"\\Software\\A")},
      {.name = "UsersRootName",
       .run = ReadDword(true, L"V", L"Nobody", platform::kHKeyUsers),
       .result = kRegNoKey,
       .lines = Entry(L"no key:", L"HKEY_USERS\\Nobody")},
      {.name = "View32ReadsWow6432Node",
       .seed =
           [](FakeRegistry& r) {
             r.SeedDword(kLm, L"SOFTWARE\\X", L"V", 64);
             r.SeedDword(kLm, L"SOFTWARE\\Wow6432Node\\X", L"V", 32);
           },
       .run = ReadDword(true, L"V", L"SOFTWARE\\X", kLm, true),
       .result = 32,
       .lines = Entry(L"HKEY_LOCAL_MACHINE\\SOFTWARE\\X", L"\"V\" = 32")},
      {.name = "View64ReadsNativeKey",
       .seed =
           [](FakeRegistry& r) {
             r.SeedDword(kLm, L"SOFTWARE\\X", L"V", 64);
             r.SeedDword(kLm, L"SOFTWARE\\Wow6432Node\\X", L"V", 32);
           },
       .run = ReadDword(false, L"V", L"SOFTWARE\\X", kLm, false),
       .result = 64},
      {.name = "View32On32BitWindows",
       .seed = SeedDword(1, kLm, L"SOFTWARE\\X"),
       .run = ReadDword(false, L"V", L"SOFTWARE\\X", kLm, true),
       .result = 1,
       .windows = FakeWindows::Bits32},
  };
  // Stored values that look like the sentinels are successful reads.
  for (std::uint32_t stored : {0xFFFFFFFFu, 0xFFFFFFFEu, 0xFFFFFFFDu}) {
    auto value = static_cast<std::int32_t>(stored);
    cases.push_back({.name = "StoredMinus" + std::to_string(-value),
                     .seed = SeedDword(stored),
                     .run = ReadDword(),
                     .result = value,
                     .lines = Entry(kCuKey, L"\"V\" = " + std::to_wstring(value))});
  }
  return cases;
}
INSTANTIATE_TEST_SUITE_P(DwordReads, RegistryAccessCase, ::testing::ValuesIn(DwordReads()), CaseName);

std::vector<Case> StringReads() {
  std::wstring longText(1000, L'x');
  return {
      {.name = "Logged",
       .seed = SeedText(L"hello"),
       .run = ReadString(),
       .result = L"hello",
       .lines = Entry(kCuKey, L"\"V\" = hello")},
      {.name = "ExpandStaysUnexpanded",
       .seed = SeedText(L"%SystemRoot%\\x", platform::kRegExpandSz),
       .run = ReadString(),
       .result = L"%SystemRoot%\\x",
       .lines = Entry(kCuKey, L"\"V\" = %SystemRoot%\\x")},
      {.name = "CutAtFirstNul",
       .seed = SeedBytes(platform::kRegSz, {'a', 0, 'b', 0, 0, 0, 'c', 0, 0, 0}),
       .run = ReadString(false),
       .result = L"ab"},
      {.name = "NoTerminator",
       .seed = SeedBytes(platform::kRegSz, {'a', 0, 'b', 0}),
       .run = ReadString(false),
       .result = L"ab"},
      {.name = "EmptyDwordIsEmptyText",
       .seed = SeedBytes(platform::kRegDword, {}),
       .run = ReadString(),
       .result = L"",
       .lines = Entry(kCuKey, L"\"V\" = ")},
      {.name = "EmptyBinaryIsEmptyText",
       .seed = SeedBytes(platform::kRegBinary, {}),
       .run = ReadString(false),
       .result = L""},
      {.name = "LongerThanFirstBuffer",
       .seed = SeedText(longText),
       .run = ReadString(false),
       .result = longText},
      {.name = "BeyondBasicPlane",
       .seed = SeedText(L"\u0416\U0001F600"),
       .run = ReadString(false),
       .result = L"\u0416\U0001F600"},
      {.name = "DwordRefused",
       .seed = SeedDword(1),
       .run = ReadString(),
       .result = std::wstring(kRegErrorText),
       .lines = Entry(ReadError(L"Invalid data type for 'V'"), kCuKey)},
      {.name = "MultiStringRefused",
       .seed = SeedBytes(platform::kRegMultiSz, {'a', 0, 0, 0, 0, 0}),
       .run = ReadString(false),
       .result = std::wstring(kRegErrorText)},
      {.name = "ReadFails",
       .seed =
           [](FakeRegistry& r) {
             r.SeedString(kCu, kKey, L"V", L"x");
             r.FailReads(kCu, kKey);
           },
       .run = ReadString(),
       .result = std::wstring(kRegErrorText),
       .lines = Entry(ReadError(L"Failed to get data for 'V'"), kCuKey)},
      {.name = "AbsentValue",
       .seed = SeedKeyOnly(),
       .run = ReadString(),
       .result = std::wstring(kRegNoValueText),
       .lines = Entry(L"no REG_SZ value \"V\" in key", kCuKey)},
      {.name = "MissingKey",
       .run = ReadString(),
       .result = std::wstring(kRegNoKeyText),
       .lines = Entry(L"no key:", kCuKey)},
      {.name = "LogClearMissingKey", .run = ReadString(false), .result = std::wstring(kRegNoKeyText)},
      {.name = "LogClearAbsentValue",
       .seed = SeedKeyOnly(),
       .run = ReadString(false),
       .result = std::wstring(kRegNoValueText)},
      {.name = "PeekNeverPrints",
       .seed = SeedText(L"t"),
       .run = [](const RegistryAccess& a) -> Outcome { return PeekRegString(a, false, kCu, kKey, L"V"); },
       .result = L"t"},
      {.name = "ClassesRootName",
       .seed = [](FakeRegistry& r) { r.SeedString(kLm, L"SOFTWARE\\Classes\\.txt", L"", L"txtfile"); },
       .run = ReadString(true, L"", L".txt", platform::kHKeyClassesRoot),
       .result = L"txtfile",
       .lines = Entry(L"HKEY_CLASSES_ROOT\\.txt", L"\"\" = txtfile")},
  };
}
INSTANTIATE_TEST_SUITE_P(StringReads, RegistryAccessCase, ::testing::ValuesIn(StringReads()), CaseName);

std::vector<Case> BinaryReads() {
  return {
      {.name = "FourBytesLittleEndian",
       .seed = SeedBytes(platform::kRegBinary, {1, 2, 3, 4}),
       .run = ReadBinary(),
       .result = 0x04030201,
       .lines = Entry(kCuKey, L"\"V\" = 67305985")},
      {.name = "AllOnesIsMinusOne",
       .seed = SeedBytes(platform::kRegBinary, {0xFF, 0xFF, 0xFF, 0xFF}),
       .run = ReadBinary(),
       .result = -1,
       .lines = Entry(kCuKey, L"\"V\" = -1")},
      {.name = "TwoBytes",
       .seed = SeedBytes(platform::kRegBinary, {1, 2}),
       .run = ReadBinary(false),
       .result = 0x0201},
      {.name = "EmptyIsZero",
       .seed = SeedBytes(platform::kRegBinary, {}),
       .run = ReadBinary(false),
       .result = 0},
      {.name = "NoneTypeAccepted",
       .seed = SeedBytes(platform::kRegNone, {7, 0, 0, 0}),
       .run = ReadBinary(false),
       .result = 7},
      {.name = "TextRefused",
       .seed = SeedText(L"a"),
       .run = ReadBinary(),
       .result = kRegError,
       .lines = Entry(ReadError(L"Invalid data type for 'V'"), kCuKey)},
      {.name = "ExpandTextRefused",
       .seed = SeedText(L"a", platform::kRegExpandSz),
       .run = ReadBinary(false),
       .result = kRegError},
      {.name = "DwordRefused", .seed = SeedDword(1), .run = ReadBinary(false), .result = kRegError},
      {.name = "LongerThanFourRefused",
       .seed = SeedBytes(platform::kRegBinary, {1, 2, 3, 4, 5, 6}),
       .run = ReadBinary(),
       .result = kRegError,
       .lines = Entry(ReadError(L"Failed to get data for 'V'"), kCuKey)},
      {.name = "ReadFails",
       .seed =
           [](FakeRegistry& r) {
             r.Seed(kCu, kKey, L"V", platform::kRegBinary, {1});
             r.FailReads(kCu, kKey);
           },
       .run = ReadBinary(false),
       .result = kRegError},
      {.name = "AbsentValue",
       .seed = SeedKeyOnly(),
       .run = ReadBinary(),
       .result = kRegNoValue,
       .lines = Entry(L"no REG_BINARY value \"V\" in key", kCuKey)},
      {.name = "MissingKey", .run = ReadBinary(), .result = kRegNoKey, .lines = Entry(L"no key:", kCuKey)},
  };
}
INSTANTIATE_TEST_SUITE_P(BinaryReads, RegistryAccessCase, ::testing::ValuesIn(BinaryReads()), CaseName);

std::wstring WriteError(const std::wstring& name) {
  return L"write error \"Failed to set data for '" + name + L"'\" in key";
}
auto DenyKey(std::wstring key = kKey) {
  return [=](FakeRegistry& r) { r.DenyOpen(kCu, key); };
}
auto FailWritesTo(std::wstring key = kKey) {
  return [=](FakeRegistry& r) {
    r.SeedKey(kCu, key);
    r.FailWrites(kCu, key);
  };
}

std::vector<Case> Writes() {
  const std::wstring deep = L"Software\\New\\Deeper";
  return {
      {.name = "DwordCreatesKeyChain",
       .run = [=](const RegistryAccess& a) -> Outcome {
         return WriteRegDword(a, false, kCu, deep, L"V", -5);
       },
       .result = 0,
       .lines = Entry(L"HKEY_CURRENT_USER\\" + deep, L"set REG_DWORD value \"V\" = -5"),
       .after = ExpectStored(kCu, deep, L"V", platform::kRegDword, {0xFB, 0xFF, 0xFF, 0xFF})},
      {.name = "DwordKeyDenied",
       .seed = DenyKey(),
       .run = [](const RegistryAccess& a) -> Outcome { return WriteRegDword(a, false, kCu, kKey, L"V", 1); },
       .result = kRegNoKey,
       .lines = Entry(L"no key:", kCuKey),
       .after = ExpectNoValue(kCu, kKey, L"V")},
      {.name = "DwordSetFails",
       .seed = FailWritesTo(),
       .run = [](const RegistryAccess& a) -> Outcome { return WriteRegDword(a, false, kCu, kKey, L"V", 1); },
       .result = kRegError,
       .lines = Entry(WriteError(L"V"), kCuKey)},
      {.name = "DwordDefaultValue",
       .run = [](const RegistryAccess& a) -> Outcome { return WriteRegDword(a, false, kCu, kKey, L"", 1); },
       .result = 0,
       .lines = Entry(kCuKey, L"set REG_DWORD value \"\" = 1"),
       .after = ExpectStored(kCu, kKey, L"", platform::kRegDword, {1, 0, 0, 0})},
      {.name = "DwordView32GoesToWow6432Node",
       .run = [](const RegistryAccess& a) -> Outcome {
         return WriteRegDword(a, true, kLm, L"SOFTWARE\\X", L"V", 2);
       },
       .result = 0,
       .lines = Entry(L"HKEY_LOCAL_MACHINE\\SOFTWARE\\X", L"set REG_DWORD value \"V\" = 2"),
       .after =
           [](const FakeRegistry& r) {
             EXPECT_TRUE(r.Stored(kLm, L"SOFTWARE\\Wow6432Node\\X", L"V").has_value());
             EXPECT_FALSE(r.HasKey(kLm, L"SOFTWARE\\X"));
           }},
      {.name = "PokeIsSilent",
       .run = [](const RegistryAccess& a) -> Outcome { return PokeRegDword(a, false, kCu, kKey, L"V", 258); },
       .result = 0,
       .after = ExpectStored(kCu, kKey, L"V", platform::kRegDword, {2, 1, 0, 0})},
      {.name = "PokeDeniedIsSilent",
       .seed = DenyKey(),
       .run = [](const RegistryAccess& a) -> Outcome { return PokeRegDword(a, false, kCu, kKey, L"V", 1); },
       .result = kRegNoKey},
      {.name = "PokeSetFails",
       .seed = FailWritesTo(),
       .run = [](const RegistryAccess& a) -> Outcome { return PokeRegDword(a, false, kCu, kKey, L"V", 1); },
       .result = kRegError},
      {.name = "StringWithTerminator",
       .run = [](const RegistryAccess& a) -> Outcome {
         return WriteRegString(a, false, kCu, kKey, L"S", L"\u0416 text");
       },
       .result = L"",
       .lines = Entry(kCuKey, L"set REG_SZ value \"S\" = \u0416 text"),
       .after = ExpectStored(kCu, kKey, L"S", platform::kRegSz, TextBytes(L"\u0416 text"))},
      {.name = "ExpandStringStoredAsGiven",
       .run = [](const RegistryAccess& a) -> Outcome {
         return WriteRegExpandString(a, false, kCu, kKey, L"S", L"%TEMP%\\x");
       },
       .result = L"",
       .lines = Entry(kCuKey, L"set REG_EXPAND_ SZ value \"S\" = %TEMP%\\x"),
       .after = ExpectStored(kCu, kKey, L"S", platform::kRegExpandSz, TextBytes(L"%TEMP%\\x"))},
      {.name = "StringKeyDenied",
       .seed = DenyKey(),
       .run = [](const RegistryAccess& a) -> Outcome {
         return WriteRegString(a, false, kCu, kKey, L"S", L"t");
       },
       .result = std::wstring(kRegNoKeyText),
       .lines = Entry(L"no key:", kCuKey)},
      {.name = "ExpandStringSetFails",
       .seed = FailWritesTo(),
       .run = [](const RegistryAccess& a) -> Outcome {
         return WriteRegExpandString(a, false, kCu, kKey, L"S", L"t");
       },
       .result = std::wstring(kRegErrorText),
       .lines = Entry(WriteError(L"S"), kCuKey)},
      {.name = "BinaryFourBytesLittleEndian",
       .run = [](const RegistryAccess& a) -> Outcome {
         return WriteRegBinary(a, false, kCu, kKey, L"B", 0x01020304, 4);
       },
       .result = 0,
       .lines = Entry(kCuKey, L"set REG_BINARY value \"B\" = 16909060"),
       .after = ExpectStored(kCu, kKey, L"B", platform::kRegBinary, {4, 3, 2, 1})},
      {.name = "BinaryFirstTwoBytes",
       .run = [](const RegistryAccess& a) -> Outcome {
         return WriteRegBinary(a, false, kCu, kKey, L"B", 0x01020304, 2);
       },
       .result = 0,
       .lines = Entry(kCuKey, L"set REG_BINARY value \"B\" = 16909060"),
       .after = ExpectStored(kCu, kKey, L"B", platform::kRegBinary, {4, 3})},
      {.name = "BinaryPastTheValueRefused",
       .run = [](const RegistryAccess& a) -> Outcome {
         return WriteRegBinary(a, false, kCu, kKey, L"B", 1, 8);
       },
       .result = kRegError,
       .lines = Entry(WriteError(L"B"), kCuKey),
       .after = [](const FakeRegistry& r) { EXPECT_FALSE(r.HasKey(kCu, kKey)); }},
      {.name = "BinaryKeyDenied",
       .seed = DenyKey(),
       .run = [](const RegistryAccess& a) -> Outcome {
         return WriteRegBinary(a, false, kCu, kKey, L"B", 1, 4);
       },
       .result = kRegNoKey,
       .lines = Entry(L"no key:", kCuKey)},
  };
}
INSTANTIATE_TEST_SUITE_P(Writes, RegistryAccessCase, ::testing::ValuesIn(Writes()), CaseName);

auto DeleteValue(std::wstring name = L"V") {
  return [=](const RegistryAccess& a) -> Outcome { return DeleteRegValue(a, false, kCu, kKey, name); };
}
auto DeleteKey(std::wstring key = kKey, RegKey root = kCu, bool view32 = false) {
  return [=](const RegistryAccess& a) -> Outcome { return DeleteRegKey(a, view32, root, key); };
}
auto SeedKeys(std::vector<std::wstring> keys) {
  return [=](FakeRegistry& r) {
    for (const auto& k : keys) r.SeedKey(kCu, k);
  };
}
Lines Deleted(const std::wstring& key) { return Entry(L"delete key:", L"HKEY_CURRENT_USER\\" + key); }
Lines NotDeleted(const std::wstring& key) {
  return Entry(L"error deleting key:", L"HKEY_CURRENT_USER\\" + key);
}

std::vector<Case> Deletions() {
  const std::wstring target = L"Software\\Target";
  auto seedLinkTree = [=](FakeRegistry& r) {
    r.SeedDword(kCu, target + L"\\Inner", L"V", 7);
    r.SeedLink(kCu, L"Software\\A\\Link", FakeRegistry::KernelName(kCu, target));
    r.SeedKey(kCu, L"Software\\A\\Plain");
  };
  auto targetIntact = [=](const FakeRegistry& r) {
    EXPECT_TRUE(r.Stored(kCu, target + L"\\Inner", L"V").has_value());
    EXPECT_FALSE(r.HasKey(kCu, L"Software\\A\\Link"));
  };
  return {
      {.name = "Value",
       .seed = SeedDword(1),
       .run = DeleteValue(),
       .result = 1,
       .lines = Entry(kCuKey, L"delete value \"V\""),
       .after = ExpectNoValue(kCu, kKey, L"V")},
      {.name = "DefaultValue",
       .seed = SeedDword(1, kCu, kKey, L""),
       .run = DeleteValue(L""),
       .result = 1,
       .lines = Entry(kCuKey, L"delete value \"\"")},
      {.name = "AbsentValue",
       .seed = SeedKeyOnly(),
       .run = DeleteValue(),
       .result = 0,
       .lines = Entry(L"no value \"V\" in key", kCuKey),
       .after = [](const FakeRegistry& r) { EXPECT_TRUE(r.HasKey(kCu, kKey)); }},
      {.name = "ValueKeyMissing",
       .run = DeleteValue(),
       .result = 0,
       .lines = Entry(L"no key:", kCuKey),
       .after = [](const FakeRegistry& r) { EXPECT_FALSE(r.HasKey(kCu, kKey)); }},
      {.name = "ValueDeleteFails",
       .seed =
           [](FakeRegistry& r) {
             r.SeedDword(kCu, kKey, L"V", 1);
             r.FailWrites(kCu, kKey);
           },
       .run = DeleteValue(),
       .result = 0,
       .lines = Entry(L"error deleting value: \"V\" in key", kCuKey),
       .after = ExpectStored(kCu, kKey, L"V", platform::kRegDword, {1, 0, 0, 0})},
      {.name = "KeyTreeDeepestFirst",
       .seed = SeedKeys({L"Software\\A\\B\\C", L"Software\\A\\B\\D", L"Software\\A\\E"}),
       .run = DeleteKey(),
       .result = 1,
       .lines = Entries({Deleted(L"Software\\A\\B\\C"), Deleted(L"Software\\A\\B\\D"),
                         Deleted(L"Software\\A\\B"), Deleted(L"Software\\A\\E"), Deleted(L"Software\\A")}),
       .after =
           [](const FakeRegistry& r) {
             EXPECT_FALSE(r.HasKey(kCu, kKey));
             EXPECT_TRUE(r.HasKey(kCu, L"Software"));
           }},
      {.name = "KeyMissing", .run = DeleteKey(), .result = 0, .lines = NotDeleted(kKey)},
      {.name = "KeyWithoutDeleteKeyEx",
       .seed =
           [](FakeRegistry& r) {
             r.SeedKey(kCu, L"Software\\A\\B");
             r.RemoveDeleteKeyEx();
           },
       .run = DeleteKey(),
       .result = 0,
       .lines = Entries({NotDeleted(L"Software\\A\\B"), NotDeleted(kKey)}),
       .after = [](const FakeRegistry& r) { EXPECT_TRUE(r.HasKey(kCu, L"Software\\A\\B")); }},
      // A child that cannot go keeps its parent, and both are reported.
      {.name = "KeyChildDenied",
       .seed =
           [](FakeRegistry& r) {
             r.SeedKey(kCu, L"Software\\A\\Locked");
             r.SeedKey(kCu, L"Software\\A\\Other");
             r.DenyOpen(kCu, L"Software\\A\\Locked");
           },
       .run = DeleteKey(),
       .result = 0,
       .lines =
           Entries({NotDeleted(L"Software\\A\\Locked"), Deleted(L"Software\\A\\Other"), NotDeleted(kKey)}),
       .after =
           [](const FakeRegistry& r) {
             EXPECT_TRUE(r.HasKey(kCu, L"Software\\A\\Locked"));
             EXPECT_FALSE(r.HasKey(kCu, L"Software\\A\\Other"));
           }},
      {.name = "EmptyPathLeavesRootAlone",
       .seed = SeedKeyOnly(),
       .run = DeleteKey(L""),
       .result = 0,
       .lines = NotDeleted(L""),
       .after = [](const FakeRegistry& r) { EXPECT_TRUE(r.HasKey(kCu, kKey)); }},
      {.name = "KeyView32",
       .seed =
           [](FakeRegistry& r) {
             r.SeedKey(kLm, L"SOFTWARE\\X\\Sub");
             r.SeedKey(kLm, L"SOFTWARE\\Wow6432Node\\X\\Sub");
           },
       .run = DeleteKey(L"SOFTWARE\\X", kLm, true),
       .result = 1,
       .lines = Entries({Entry(L"delete key:", L"HKEY_LOCAL_MACHINE\\SOFTWARE\\X\\Sub"),
                         Entry(L"delete key:", L"HKEY_LOCAL_MACHINE\\SOFTWARE\\X")}),
       .after =
           [](const FakeRegistry& r) {
             EXPECT_FALSE(r.HasKey(kLm, L"SOFTWARE\\Wow6432Node\\X"));
             EXPECT_TRUE(r.HasKey(kLm, L"SOFTWARE\\X\\Sub"));
           }},
      {.name = "LinkInTreeRemovedTargetKept",
       .seed = seedLinkTree,
       .run = DeleteKey(),
       .result = 1,
       .lines = Entries({Deleted(L"Software\\A\\Link"), Deleted(L"Software\\A\\Plain"), Deleted(kKey)}),
       .after = targetIntact},
      {.name = "GivenLinkRemovedTargetKept",
       .seed = seedLinkTree,
       .run = DeleteKey(L"Software\\A\\Link"),
       .result = 1,
       .lines = Deleted(L"Software\\A\\Link"),
       .after = targetIntact},
      {.name = "LinkThatCannotGo",
       .seed =
           [=](FakeRegistry& r) {
             seedLinkTree(r);
             r.FailWrites(kCu, L"Software\\A\\Link");
           },
       .run = DeleteKey(),
       .result = 0,
       .lines = Entries({NotDeleted(L"Software\\A\\Link"), Deleted(L"Software\\A\\Plain"), NotDeleted(kKey)}),
       .after =
           [=](const FakeRegistry& r) {
             EXPECT_TRUE(r.IsLink(kCu, L"Software\\A\\Link"));
             EXPECT_TRUE(r.Stored(kCu, target + L"\\Inner", L"V").has_value());
           }},
  };
}
INSTANTIATE_TEST_SUITE_P(Deletions, RegistryAccessCase, ::testing::ValuesIn(Deletions()), CaseName);

std::vector<Case> Checks() {
  auto valueExists = [](bool view32, RegKey root, std::wstring key, std::wstring name) {
    return [=](const RegistryAccess& a) -> Outcome { return RegValueExists(a, view32, root, key, name); };
  };
  auto keyExists = [](bool view32, RegKey root, std::wstring key) {
    return [=](const RegistryAccess& a) -> Outcome { return RegKeyExists(a, view32, root, key); };
  };
  auto wow = [](FakeRegistry& r) { r.SeedDword(kLm, L"SOFTWARE\\Wow6432Node\\X", L"V", 1); };
  return {
      {.name = "ValueThere",
       .seed = SeedDword(0),
       .run = valueExists(false, kCu, kKey, L"V"),
       .result = true},
      {.name = "ValueAbsent",
       .seed = SeedKeyOnly(),
       .run = valueExists(false, kCu, kKey, L"V"),
       .result = false},
      {.name = "ValueKeyMissing", .run = valueExists(false, kCu, kKey, L"V"), .result = false},
      {.name = "ValueKeyDenied",
       .seed =
           [](FakeRegistry& r) {
             r.SeedDword(kCu, kKey, L"V", 1);
             r.DenyOpen(kCu, kKey);
           },
       .run = valueExists(false, kCu, kKey, L"V"),
       .result = false},
      {.name = "ValueIn32BitView",
       .seed = wow,
       .run = valueExists(true, kLm, L"SOFTWARE\\X", L"V"),
       .result = true},
      {.name = "ValueNotIn64BitView",
       .seed = wow,
       .run = valueExists(false, kLm, L"SOFTWARE\\X", L"V"),
       .result = false},
      {.name = "KeyThere", .seed = SeedKeyOnly(), .run = keyExists(false, kCu, kKey), .result = true},
      {.name = "KeyMissing", .run = keyExists(false, kCu, kKey), .result = false},
      {.name = "KeyIn32BitView", .seed = wow, .run = keyExists(true, kLm, L"SOFTWARE\\X"), .result = true},
      {.name = "KeyNotIn64BitView",
       .seed = wow,
       .run = keyExists(false, kLm, L"SOFTWARE\\X"),
       .result = false},
  };
}
INSTANTIATE_TEST_SUITE_P(Checks, RegistryAccessCase, ::testing::ValuesIn(Checks()), CaseName);

// Records the access mask of every open, create and RegDeleteKeyExW call.
class MaskRecorder : public platform::Registry {
 public:
  explicit MaskRecorder(FakeRegistry& inner) : inner_(inner) {}
  std::vector<std::uint32_t> masks;

  std::int32_t OpenKey(RegKey root, std::wstring_view subKey, std::uint32_t options, std::uint32_t access,
                       RegKey& result) override {
    masks.push_back(access);
    return inner_.OpenKey(root, subKey, options, access, result);
  }
  std::int32_t CreateKey(RegKey root, std::wstring_view subKey, std::uint32_t options, std::uint32_t access,
                         RegKey& result) override {
    masks.push_back(access);
    return inner_.CreateKey(root, subKey, options, access, result);
  }
  std::int32_t QueryValue(RegKey key, std::wstring_view name, std::uint32_t* type, std::uint8_t* data,
                          std::uint32_t* size) override {
    return inner_.QueryValue(key, name, type, data, size);
  }
  std::int32_t SetValue(RegKey key, std::wstring_view name, std::uint32_t type, const std::uint8_t* data,
                        std::uint32_t size) override {
    return inner_.SetValue(key, name, type, data, size);
  }
  std::int32_t EnumKey(RegKey key, std::uint32_t index, std::wstring& name) override {
    return inner_.EnumKey(key, index, name);
  }
  std::int32_t EnumValue(RegKey key, std::uint32_t index, std::wstring& name) override {
    return inner_.EnumValue(key, index, name);
  }
  std::int32_t DeleteValue(RegKey key, std::wstring_view name) override {
    return inner_.DeleteValue(key, name);
  }
  std::int32_t DeleteKeyEx(RegKey key, std::wstring_view subKey, std::uint32_t access) override {
    masks.push_back(access);
    return inner_.DeleteKeyEx(key, subKey, access);
  }
  std::int32_t DeleteOpenedKey(RegKey key) override { return inner_.DeleteOpenedKey(key); }
  std::int32_t CloseKey(RegKey key) override { return inner_.CloseKey(key); }

 private:
  FakeRegistry& inner_;
};

TEST(RegistryAccessMasks, EachKindAsksForItsRightsAndView) {
  using Operation = std::function<void(const RegistryAccess&, bool view32)>;
  struct Row {
    const char* name;
    Operation run;
    std::uint32_t view64;
    std::uint32_t view32;
  };
  const std::vector<Row> rows = {
      {"PeekRegDword", [](auto& a, bool v) { PeekRegDword(a, v, kCu, kKey, L"V"); }, 0x20119, 0x20219},
      {"PeekRegString", [](auto& a, bool v) { PeekRegString(a, v, kCu, kKey, L"V"); }, 0x20119, 0x20219},
      {"ReadRegDword", [](auto& a, bool v) { ReadRegDword(a, v, true, kCu, kKey, L"V"); }, 0x20119, 0x20219},
      {"ReadRegString", [](auto& a, bool v) { ReadRegString(a, v, true, kCu, kKey, L"V"); }, 0x20119,
       0x20219},
      {"ReadRegBinary", [](auto& a, bool v) { ReadRegBinary(a, v, true, kCu, kKey, L"V"); }, 0x20119,
       0x20219},
      {"PokeRegDword", [](auto& a, bool v) { PokeRegDword(a, v, kCu, kKey, L"V", 1); }, 0xF013F, 0xF023F},
      {"WriteRegDword", [](auto& a, bool v) { WriteRegDword(a, v, kCu, kKey, L"V", 1); }, 0xF013F, 0xF023F},
      {"WriteRegString", [](auto& a, bool v) { WriteRegString(a, v, kCu, kKey, L"V", L"t"); }, 0xF013F,
       0xF023F},
      {"WriteRegExpandString", [](auto& a, bool v) { WriteRegExpandString(a, v, kCu, kKey, L"V", L"t"); },
       0xF013F, 0xF023F},
      {"WriteRegBinary", [](auto& a, bool v) { WriteRegBinary(a, v, kCu, kKey, L"V", 1, 4); }, 0xF013F,
       0xF023F},
      {"DeleteRegValue", [](auto& a, bool v) { DeleteRegValue(a, v, kCu, kKey, L"V"); }, 0xF013F, 0xF023F},
      {"DeleteRegKey", [](auto& a, bool v) { DeleteRegKey(a, v, kCu, kKey); }, 0xF013F, 0xF023F},
      {"RegValueExists", [](auto& a, bool v) { RegValueExists(a, v, kCu, kKey, L"V"); }, 0xF013F, 0xF023F},
      {"RegKeyExists", [](auto& a, bool v) { RegKeyExists(a, v, kCu, kKey); }, 0x20109, 0x20209},
  };
  for (const Row& row : rows) {
    for (bool view32 : {false, true}) {
      SCOPED_TRACE(std::string(row.name) + (view32 ? " 32-bit view" : " 64-bit view"));
      FakeRegistry fake;
      fake.SeedDword(kCu, kKey + L"\\Sub", L"V", 1);
      fake.SeedDword(kCu, kKey, L"V", 1);
      MaskRecorder recorder(fake);
      ConsoleLines console;
      testing::EnglishRegistryTexts texts;
      row.run(RegistryAccess{recorder, console, texts}, view32);
      ASSERT_FALSE(recorder.masks.empty());
      for (std::uint32_t mask : recorder.masks) EXPECT_EQ(mask, view32 ? row.view32 : row.view64);
    }
  }
}

// A failure that is not a registry error passes through, and the keys are
// closed on its way out.
class ThrowingTexts : public LangConstSource {
 public:
  std::wstring LangConst(std::wstring_view) const override { throw std::runtime_error("no constants"); }
};

TEST(RegistryAccessFailures, OtherFailuresPropagateWithKeysClosed) {
  FakeRegistry registry;
  registry.SeedKey(kCu, L"Software\\A\\B\\C");
  ConsoleLines console;
  ThrowingTexts texts;
  RegistryAccess access{registry, console, texts};

  EXPECT_THROW(WriteRegDword(access, false, kCu, kKey, L"V", 1), std::runtime_error);
  EXPECT_THROW(ReadRegString(access, false, true, kCu, kKey, L"Absent"), std::runtime_error);
  EXPECT_THROW(DeleteRegKey(access, false, kCu, kKey), std::runtime_error);
  EXPECT_EQ(registry.OpenHandleCount(), 0u);
  EXPECT_TRUE(console.Lines().empty());
}

}  // namespace
}  // namespace zt
