#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <cwctype>
#include <functional>

#include "base/utf16.h"
#include "contract/registry_contract.h"

namespace zt::test {

using namespace zt::platform;

namespace {

std::wstring Hex(std::uint64_t value) {
  static const wchar_t kDigits[] = L"0123456789abcdef";
  std::wstring out;
  do {
    out.insert(out.begin(), kDigits[value & 15]);
    value >>= 4;
  } while (value);
  return out;
}

// Unique across runs that share a Wine prefix at the same time.
std::wstring UniqueName() {
  static std::atomic<unsigned> counter{0};
  auto now = std::chrono::system_clock::now().time_since_epoch().count();
  return L"Run" + Hex(static_cast<std::uint64_t>(now)) + L"_" + Hex(counter++);
}

std::string Narrow(std::wstring_view text) { return std::string(text.begin(), text.end()); }

}  // namespace

std::vector<std::uint8_t> Sz(std::wstring_view text) {
  std::vector<std::uint8_t> bytes = ToUtf16LeBytes(text);
  bytes.push_back(0);
  bytes.push_back(0);
  return bytes;
}

std::vector<std::uint8_t> Le32(std::uint32_t value) {
  return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
          static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

void RegistryContract::SetUp() {
  registry_ = GetParam().make();
  unique_ = UniqueName();
  userBase_ = L"Software\\ZentoryTests\\" + unique_;
  machineBase_ = L"SOFTWARE\\ZentoryTests\\" + unique_;
  wow64Base_ = L"SOFTWARE\\Wow6432Node\\ZentoryTests\\" + unique_;
  Track(kHKeyCurrentUser, userBase_);
  Track(kHKeyLocalMachine, machineBase_);
  Close(MustCreate(kHKeyCurrentUser, userBase_));
}

void RegistryContract::TearDown() {
  for (RegKey key : open_) registry_->CloseKey(key);
  open_.clear();
  for (const auto& [root, path] : tracked_) {
    const auto cut = path.rfind(L'\\');
    const std::wstring parentPath = cut == std::wstring::npos ? L"" : path.substr(0, cut);
    const std::wstring name = cut == std::wstring::npos ? path : path.substr(cut + 1);
    for (std::uint32_t view : {k64, k32}) {
      RegKey parent = 0;
      if (registry_->OpenKey(root, parentPath, 0, kKeyAllAccess | view, parent)) continue;
      DeleteTree(parent, name, view);
      registry_->CloseKey(parent);
    }
  }
  // The shared ZentoryTests keys go once no other run uses them.
  for (std::uint32_t view : {k64, k32}) {
    registry_->DeleteKeyEx(kHKeyCurrentUser, L"Software\\ZentoryTests", view);
    registry_->DeleteKeyEx(kHKeyLocalMachine, L"SOFTWARE\\ZentoryTests", view);
  }
}

// Opens each key as itself (kRegOptionOpenLink, relative to its parent), so
// a link is removed and its target never touched.
void RegistryContract::DeleteTree(RegKey parent, const std::wstring& name, std::uint32_t view) {
  RegKey key = 0;
  if (registry_->OpenKey(parent, name, kRegOptionOpenLink, kKeyAllAccess | view, key)) return;
  std::vector<std::wstring> children;
  std::wstring child;
  for (std::uint32_t i = 0; registry_->EnumKey(key, i, child) == kErrorSuccess; ++i)
    children.push_back(child);
  for (const std::wstring& c : children) DeleteTree(key, c, view);
  registry_->DeleteOpenedKey(key);
  registry_->CloseKey(key);
}

void RegistryContract::Track(RegKey root, const std::wstring& path) { tracked_.emplace_back(root, path); }

RegKey RegistryContract::MustCreate(RegKey root, const std::wstring& path, std::uint32_t access,
                                    std::uint32_t options) {
  RegKey key = 0;
  std::int32_t status = registry_->CreateKey(root, path, options, access, key);
  EXPECT_EQ(status, kErrorSuccess) << "creating " << Narrow(path);
  if (status) return 0;
  open_.push_back(key);
  return key;
}

RegKey RegistryContract::MustOpen(RegKey root, const std::wstring& path, std::uint32_t access,
                                  std::uint32_t options) {
  RegKey key = 0;
  std::int32_t status = registry_->OpenKey(root, path, options, access, key);
  EXPECT_EQ(status, kErrorSuccess) << "opening " << Narrow(path);
  if (status) return 0;
  open_.push_back(key);
  return key;
}

void RegistryContract::Close(RegKey key) {
  EXPECT_EQ(registry_->CloseKey(key), kErrorSuccess);
  open_.erase(std::remove(open_.begin(), open_.end(), key), open_.end());
}

bool RegistryContract::Exists(RegKey root, const std::wstring& path, std::uint32_t view) {
  RegKey key = 0;
  if (registry_->OpenKey(root, path, 0, kKeyRead | view, key)) return false;
  registry_->CloseKey(key);
  return true;
}

void RegistryContract::Put(RegKey key, const std::wstring& name, std::uint32_t type,
                           const std::vector<std::uint8_t>& data) {
  EXPECT_EQ(registry_->SetValue(key, name, type, data.data(), static_cast<std::uint32_t>(data.size())),
            kErrorSuccess)
      << "setting " << Narrow(name);
}

std::optional<RegValue> RegistryContract::Get(RegKey key, const std::wstring& name) {
  std::uint32_t type = kSentinel, size = 0;
  if (registry_->QueryValue(key, name, &type, nullptr, &size)) return std::nullopt;
  std::vector<std::uint8_t> data(size);
  std::uint8_t spare = 0;  // a valid pointer for empty data
  EXPECT_EQ(registry_->QueryValue(key, name, &type, size ? data.data() : &spare, &size), kErrorSuccess);
  data.resize(size);
  return RegValue{type, data};
}

std::vector<std::wstring> RegistryContract::SubKeys(RegKey key) {
  std::vector<std::wstring> names;
  std::wstring name;
  for (std::uint32_t i = 0; registry_->EnumKey(key, i, name) == kErrorSuccess; ++i) names.push_back(name);
  return names;
}

std::vector<std::wstring> RegistryContract::ValueNames(RegKey key) {
  std::vector<std::wstring> names;
  std::wstring name;
  for (std::uint32_t i = 0; registry_->EnumValue(key, i, name) == kErrorSuccess; ++i) names.push_back(name);
  return names;
}

void RegistryContract::MakeLink(RegKey root, const std::wstring& path, const std::wstring& target,
                                std::uint32_t view) {
  RegKey link = MustCreate(root, path, kKeyAllAccess | kKeyCreateLink | view, kRegOptionCreateLink);
  std::vector<std::uint8_t> bytes = ToUtf16LeBytes(target);  // kernel names carry no NUL
  Put(link, L"SymbolicLinkValue", kRegLink, bytes);
  Close(link);
}

std::wstring RegistryContract::UserKernelName(const std::wstring& path) const {
  return GetParam().currentUserKernelName + L"\\" + path;
}

INSTANTIATE_TEST_SUITE_P(, RegistryContract, ::testing::ValuesIn(RegistryTargets()),
                         [](const auto& info) { return info.param.name; });

// --- values ---------------------------------------------------------------

TEST_P(RegistryContract, ValuesComeBackAsTheRawBytesWritten) {
  struct Row {
    const char* label;
    std::wstring name;
    std::uint32_t type;
    std::vector<std::uint8_t> data;
  };
  const std::vector<Row> rows = {
      {"REG_SZ", L"Text", kRegSz, Sz(L"Zentory")},
      {"REG_EXPAND_SZ stays unexpanded", L"Path", kRegExpandSz, Sz(L"%SystemRoot%\\system32")},
      {"REG_MULTI_SZ", L"List", kRegMultiSz, Sz(std::wstring(L"a\0bc\0", 5))},
      {"REG_BINARY", L"Blob", kRegBinary, {0x00, 0xff, 0x10}},
      {"REG_DWORD", L"Number", kRegDword, Le32(0x12345678)},
      {"REG_DWORD of 2 bytes", L"Short", kRegDword, {0x34, 0x12}},
      {"REG_DWORD of 8 bytes", L"Long", kRegDword, {1, 2, 3, 4, 5, 6, 7, 8}},
      {"REG_QWORD", L"Big", kRegQword, {8, 7, 6, 5, 4, 3, 2, 1}},
      {"REG_DWORD_BIG_ENDIAN", L"Motorola", kRegDwordBigEndian, {0x12, 0x34, 0x56, 0x78}},
      {"empty REG_NONE", L"Nothing", kRegNone, {}},
      {"empty REG_SZ", L"EmptyText", kRegSz, {}},
      {"empty REG_DWORD", L"EmptyNumber", kRegDword, {}},
      {"default value", L"", kRegSz, Sz(L"default")},
      {"unknown type", L"Odd", 0x12345, {1, 2, 3}},
      {"non-ASCII name", L"Wert\u00e4\u0416", kRegSz, Sz(L"\u0416\u00e4")},
  };
  RegKey key = MustOpen(kHKeyCurrentUser, userBase_);
  for (const Row& row : rows) Put(key, row.name, row.type, row.data);

  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    const auto size = static_cast<std::uint32_t>(row.data.size());
    std::uint32_t type = kSentinel, got = kSentinel;
    ASSERT_EQ(Reg().QueryValue(key, row.name, &type, nullptr, &got), kErrorSuccess);
    EXPECT_EQ(type, row.type);
    EXPECT_EQ(got, size);

    // A buffer of exactly the data's size, with sentinel bytes behind it.
    std::vector<std::uint8_t> buffer(size + 4, 0xEE);
    type = kSentinel;
    got = size;
    ASSERT_EQ(Reg().QueryValue(key, row.name, &type, buffer.data(), &got), kErrorSuccess);
    EXPECT_EQ(type, row.type);
    EXPECT_EQ(got, size);
    EXPECT_EQ(std::vector<std::uint8_t>(buffer.begin(), buffer.begin() + size), row.data);
    EXPECT_EQ(std::vector<std::uint8_t>(buffer.begin() + size, buffer.end()),
              std::vector<std::uint8_t>(4, 0xEE));

    if (size > 0) {
      got = size - 1;
      type = kSentinel;
      EXPECT_EQ(Reg().QueryValue(key, row.name, &type, buffer.data(), &got), kErrorMoreData);
      EXPECT_EQ(type, row.type);
      EXPECT_EQ(got, size);
    }
  }
}

TEST_P(RegistryContract, QueryValueSizeRules) {
  RegKey key = MustOpen(kHKeyCurrentUser, userBase_);
  Put(key, L"Dword8", kRegDword, {1, 2, 3, 4, 5, 6, 7, 8});
  Put(key, L"Dword2", kRegDword, {0x34, 0x12});
  Put(key, L"Unterminated", kRegSz, {'a', 0, 'b', 0});  // as a careless program stores "ab"

  const std::vector<std::uint8_t> sentinel = Le32(kSentinel);
  struct Row {
    const char* label;
    std::wstring name;
    int buffer;  // bytes; -1: no data pointer
    bool passSize;
    std::int32_t status;
    std::uint32_t type;                              // kSentinel: left alone
    std::uint32_t size;                              // expected in *size when passed
    std::optional<std::vector<std::uint8_t>> bytes;  // the buffer afterwards
  };
  const std::vector<Row> rows = {
      {"4-byte buffer meets 8 bytes", L"Dword8", 4, true, kErrorMoreData, kRegDword, 8, std::nullopt},
      {"2-byte DWORD fills half the buffer", L"Dword2", 4, true, kErrorSuccess, kRegDword, 2,
       std::vector<std::uint8_t>{0x34, 0x12, 0xad, 0xde}},
      {"size only", L"Dword8", -1, true, kErrorSuccess, kRegDword, 8, std::nullopt},
      {"type only", L"Dword8", -1, false, kErrorSuccess, kRegDword, 0, std::nullopt},
      {"buffer without size", L"Dword8", 4, false, kErrorInvalidParameter, kSentinel, 0, sentinel},
      {"missing value, size only", L"Missing", -1, true, kErrorFileNotFound, kSentinel, 0, std::nullopt},
      {"missing value, with buffer", L"Missing", 4, true, kErrorFileNotFound, kSentinel, 4, sentinel},
      {"unterminated string gets a NUL when there is room", L"Unterminated", 8, true, kErrorSuccess, kRegSz,
       4, std::vector<std::uint8_t>{'a', 0, 'b', 0, 0, 0, 0xad, 0xde}},
      {"unterminated string in an exact buffer", L"Unterminated", 4, true, kErrorSuccess, kRegSz, 4,
       std::vector<std::uint8_t>{'a', 0, 'b', 0}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    std::vector<std::uint8_t> buffer;
    for (int i = 0; i < row.buffer; ++i) buffer.push_back(sentinel[i % 4]);
    std::uint32_t type = kSentinel;
    std::uint32_t size = row.buffer >= 0 ? static_cast<std::uint32_t>(row.buffer) : kSentinel;
    EXPECT_EQ(Reg().QueryValue(key, row.name, &type, row.buffer >= 0 ? buffer.data() : nullptr,
                               row.passSize ? &size : nullptr),
              row.status);
    EXPECT_EQ(type, row.type);
    if (row.passSize) {
      EXPECT_EQ(size, row.size);
    }
    if (row.bytes) {
      EXPECT_EQ(buffer, *row.bytes);
    }
  }
}

TEST_P(RegistryContract, ValueNamesIgnoreCaseAndKeepTheFirstSpelling) {
  RegKey key = MustOpen(kHKeyCurrentUser, userBase_);
  Put(key, L"Val", kRegDword, Le32(1));
  Put(key, L"VAL", kRegDword, Le32(2));
  EXPECT_EQ(Get(key, L"vAl"), (RegValue{kRegDword, Le32(2)}));
  EXPECT_EQ(ValueNames(key), std::vector<std::wstring>{L"Val"});

  EXPECT_EQ(Reg().DeleteValue(key, L"VAL"), kErrorSuccess);
  EXPECT_EQ(Reg().DeleteValue(key, L"Val"), kErrorFileNotFound);
  EXPECT_FALSE(Get(key, L"Val"));
}

TEST_P(RegistryContract, SetValueRefusesMissingDataAndOverlongNames) {
  RegKey key = MustOpen(kHKeyCurrentUser, userBase_);
  const std::uint8_t data[4] = {1, 2, 3, 4};
  struct Row {
    const char* label;
    std::wstring name;
    const std::uint8_t* data;
    std::int32_t status;
  };
  const std::vector<Row> rows = {
      {"no data for 4 bytes", L"NoData", nullptr, kErrorNoAccess},
      {"name of 16384 characters", std::wstring(16384, L'n'), data, kErrorInvalidParameter},
      {"name of 16383 characters", std::wstring(16383, L'm'), data, kErrorSuccess},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    EXPECT_EQ(Reg().SetValue(key, row.name, kRegBinary, row.data, 4), row.status);
    EXPECT_EQ(Get(key, row.name).has_value(), row.status == kErrorSuccess);
  }
}

// --- keys -----------------------------------------------------------------

TEST_P(RegistryContract, OpeningMissingKeysAndOddPaths) {
  Close(MustCreate(kHKeyCurrentUser, userBase_ + L"\\Child"));
  struct Row {
    const char* label;
    std::wstring path;
    std::int32_t status;
  };
  const std::vector<Row> rows = {
      {"missing key", userBase_ + L"\\Absent", kErrorFileNotFound},
      {"missing parent", userBase_ + L"\\Absent\\Child", kErrorFileNotFound},
      {"other case", userBase_ + L"\\CHILD", kErrorSuccess},
      {"trailing backslash", userBase_ + L"\\Child\\", kErrorSuccess},
      {"doubled backslash", userBase_ + L"\\\\Child", kErrorSuccess},
      {"leading backslash", L"\\" + userBase_ + L"\\Child", kErrorBadPathname},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    RegKey key = kSentinelKey;
    EXPECT_EQ(Reg().OpenKey(kHKeyCurrentUser, row.path, 0, kKeyRead, key), row.status);
    if (row.status == kErrorSuccess) {
      EXPECT_NE(key, kSentinelKey);
      Reg().CloseKey(key);
    } else {
      EXPECT_EQ(key, kSentinelKey);
    }
  }
}

TEST_P(RegistryContract, CreateKeyMakesTheWholeChainAndReopensExistingKeys) {
  RegKey deep = MustCreate(kHKeyCurrentUser, userBase_ + L"\\One\\Two\\Three");
  Put(deep, L"Mark", kRegDword, Le32(3));
  EXPECT_TRUE(Exists(kHKeyCurrentUser, userBase_ + L"\\One"));
  EXPECT_TRUE(Exists(kHKeyCurrentUser, userBase_ + L"\\One\\Two"));

  // Created again under another spelling: the same key, which keeps its name.
  RegKey again = MustCreate(kHKeyCurrentUser, userBase_ + L"\\ONE\\two\\THREE");
  EXPECT_EQ(Get(again, L"Mark"), (RegValue{kRegDword, Le32(3)}));
  EXPECT_EQ(SubKeys(MustOpen(kHKeyCurrentUser, userBase_)), std::vector<std::wstring>{L"One"});

  // An empty sub key names the key itself.
  RegKey self = MustCreate(again, L"");
  EXPECT_EQ(Get(self, L"Mark"), (RegValue{kRegDword, Le32(3)}));
  RegKey opened = MustOpen(again, L"", kKeyRead);
  EXPECT_EQ(Get(opened, L"Mark"), (RegValue{kRegDword, Le32(3)}));
}

// Wine keeps subkeys and values sorted by their lower-cased names (Windows
// sorts subkeys by upper case and lists values as written); callers must not
// depend on either order.
TEST_P(RegistryContract, EnumerationListsNamesInWineOrder) {
  RegKey key = MustOpen(kHKeyCurrentUser, userBase_);
  for (const wchar_t* name : {L"b", L"C", L"a", L"_x", L"aa", L"B2", L"Zed"}) {
    Close(MustCreate(key, name));
    Put(key, name, kRegDword, Le32(1));
  }
  Close(MustCreate(key, L"ZED"));
  Put(key, L"", kRegSz, Sz(L"default"));

  const std::vector<std::wstring> order = {L"_x", L"a", L"aa", L"b", L"B2", L"C", L"Zed"};
  EXPECT_EQ(SubKeys(key), order);
  std::vector<std::wstring> values = {L""};
  values.insert(values.end(), order.begin(), order.end());
  EXPECT_EQ(ValueNames(key), values);

  std::wstring name = L"untouched";
  EXPECT_EQ(Reg().EnumKey(key, 7, name), kErrorNoMoreItems);
  EXPECT_EQ(Reg().EnumValue(key, 8, name), kErrorNoMoreItems);
  EXPECT_EQ(name, L"untouched");
}

TEST_P(RegistryContract, HandlesAllowOnlyTheRightsTheyWereOpenedWith) {
  Close(MustCreate(kHKeyCurrentUser, userBase_ + L"\\Sub"));
  RegKey full = MustOpen(kHKeyCurrentUser, userBase_);
  Put(full, L"v", kRegDword, Le32(5));
  const std::uint8_t data[4] = {1, 0, 0, 0};
  struct Row {
    const char* label;
    std::uint32_t access;
    std::function<std::int32_t(RegKey)> call;
    std::int32_t status;
  };
  const std::vector<Row> rows = {
      {"query without KEY_QUERY_VALUE", kKeySetValue,
       [&](RegKey k) { return Reg().QueryValue(k, L"v", nullptr, nullptr, nullptr); }, kErrorAccessDenied},
      {"list values without KEY_QUERY_VALUE", kKeySetValue,
       [&](RegKey k) {
         std::wstring n;
         return Reg().EnumValue(k, 0, n);
       },
       kErrorAccessDenied},
      {"set without KEY_SET_VALUE", kKeyRead,
       [&](RegKey k) { return Reg().SetValue(k, L"v", kRegDword, data, 4); }, kErrorAccessDenied},
      {"delete value without KEY_SET_VALUE", kKeyRead, [&](RegKey k) { return Reg().DeleteValue(k, L"v"); },
       kErrorAccessDenied},
      {"list subkeys without KEY_ENUMERATE_SUB_KEYS", kKeyQueryValue,
       [&](RegKey k) {
         std::wstring n;
         return Reg().EnumKey(k, 0, n);
       },
       kErrorAccessDenied},
      {"delete the key without DELETE", kKeyRead, [&](RegKey k) { return Reg().DeleteOpenedKey(k); },
       kErrorAccessDenied},
      {"query with KEY_READ", kKeyRead,
       [&](RegKey k) { return Reg().QueryValue(k, L"v", nullptr, nullptr, nullptr); }, kErrorSuccess},
      {"set with KEY_SET_VALUE alone", kKeySetValue,
       [&](RegKey k) { return Reg().SetValue(k, L"w", kRegDword, data, 4); }, kErrorSuccess},
      // Wine checks no rights on the parent handle when opening or creating below it.
      {"open a subkey through a handle without rights", 0,
       [&](RegKey k) {
         RegKey sub = 0;
         std::int32_t status = Reg().OpenKey(k, L"Sub", 0, kKeyRead, sub);
         if (!status) Reg().CloseKey(sub);
         return status;
       },
       kErrorSuccess},
      {"create a subkey through a read-only handle", kKeyQueryValue,
       [&](RegKey k) {
         RegKey sub = 0;
         std::int32_t status = Reg().CreateKey(k, L"Sub2", 0, kKeyRead, sub);
         if (!status) Reg().CloseKey(sub);
         return status;
       },
       kErrorSuccess},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    RegKey key = MustOpen(kHKeyCurrentUser, userBase_, row.access);
    EXPECT_EQ(row.call(key), row.status);
    Close(key);
  }
  EXPECT_EQ(Get(full, L"v"), (RegValue{kRegDword, Le32(5)}));
  EXPECT_TRUE(Exists(kHKeyCurrentUser, userBase_));
}

TEST_P(RegistryContract, ClosedHandlesAreInvalidAndRootsNeedNoClosing) {
  RegKey key = kSentinelKey;
  ASSERT_EQ(Reg().OpenKey(kHKeyCurrentUser, userBase_, 0, kKeyRead, key), kErrorSuccess);
  EXPECT_EQ(Reg().CloseKey(key), kErrorSuccess);
  EXPECT_EQ(Reg().CloseKey(key), kErrorInvalidHandle);
  std::uint32_t type = kSentinel;
  EXPECT_EQ(Reg().QueryValue(key, L"v", &type, nullptr, nullptr), kErrorInvalidHandle);
  EXPECT_EQ(type, kSentinel);

  EXPECT_EQ(Reg().QueryValue(kHKeyCurrentUser, L"ZentoryTestsNoSuchValue", nullptr, nullptr, nullptr),
            kErrorFileNotFound);
  EXPECT_EQ(Reg().CloseKey(kHKeyCurrentUser), kErrorSuccess);
  EXPECT_TRUE(Exists(kHKeyCurrentUser, userBase_));
}

TEST_P(RegistryContract, DeletedKeyRefusesEverythingButAnotherDelete) {
  RegKey parent = MustOpen(kHKeyCurrentUser, userBase_);
  RegKey doomed = MustCreate(parent, L"Doomed");
  Put(doomed, L"v", kRegDword, Le32(1));
  RegKey second = MustOpen(parent, L"Doomed");
  ASSERT_EQ(Reg().DeleteKeyEx(parent, L"Doomed", 0), kErrorSuccess);

  const std::uint8_t data[4] = {};
  std::wstring name;
  RegKey sub = kSentinelKey;
  struct Row {
    const char* label;
    std::int32_t status;
  };
  const std::vector<Row> rows = {
      {"query", Reg().QueryValue(doomed, L"v", nullptr, nullptr, nullptr)},
      {"set", Reg().SetValue(doomed, L"v", kRegDword, data, 4)},
      {"list subkeys", Reg().EnumKey(doomed, 0, name)},
      {"list values", Reg().EnumValue(doomed, 0, name)},
      {"delete value", Reg().DeleteValue(doomed, L"v")},
      {"open below", Reg().OpenKey(doomed, L"", 0, kKeyRead, sub)},
      {"create below", Reg().CreateKey(doomed, L"New", 0, kKeyAllAccess, sub)},
      {"delete below", Reg().DeleteKeyEx(doomed, L"New", 0)},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    EXPECT_EQ(row.status, kErrorKeyDeleted);
  }
  EXPECT_EQ(sub, kSentinelKey);
  EXPECT_EQ(Reg().DeleteOpenedKey(second), kErrorSuccess);
  EXPECT_FALSE(Exists(kHKeyCurrentUser, userBase_ + L"\\Doomed"));
  EXPECT_TRUE(SubKeys(parent).empty());
}

TEST_P(RegistryContract, DeletingRefusesKeysWithSubkeysAndMissingKeys) {
  RegKey parent = MustCreate(kHKeyCurrentUser, userBase_ + L"\\Parent");
  Close(MustCreate(parent, L"Child"));
  Put(parent, L"v", kRegDword, Le32(1));

  EXPECT_EQ(Reg().DeleteKeyEx(kHKeyCurrentUser, userBase_ + L"\\Parent", 0), kErrorAccessDenied);
  EXPECT_EQ(Reg().DeleteOpenedKey(parent), kErrorAccessDenied);
  EXPECT_EQ(Get(parent, L"v"), (RegValue{kRegDword, Le32(1)}));
  EXPECT_EQ(Reg().DeleteKeyEx(kHKeyCurrentUser, userBase_ + L"\\Absent", 0), kErrorFileNotFound);
  EXPECT_EQ(Reg().DeleteOpenedKey(kHKeyCurrentUser), kErrorInvalidHandle);
  EXPECT_EQ(Reg().DeleteValue(parent, L"Absent"), kErrorFileNotFound);

  // Values do not hold a key back; an empty sub key names the key itself.
  RegKey child = MustOpen(parent, L"Child");
  Put(child, L"w", kRegSz, Sz(L"x"));
  EXPECT_EQ(Reg().DeleteKeyEx(child, L"", 0), kErrorSuccess);
  EXPECT_EQ(Reg().DeleteKeyEx(kHKeyCurrentUser, userBase_ + L"\\Parent", 0), kErrorSuccess);
  EXPECT_FALSE(Exists(kHKeyCurrentUser, userBase_ + L"\\Parent"));
}

// --- views ----------------------------------------------------------------

TEST_P(RegistryContract, ThirtyTwoBitViewOfSoftwareIsItsOwnTreeOn64BitWindows) {
  RegKey v32 = MustCreate(kHKeyLocalMachine, machineBase_, kKeyAllAccess | k32);
  Put(v32, L"Bits", kRegDword, Le32(32));

  if (Windows64()) {
    EXPECT_FALSE(Exists(kHKeyLocalMachine, machineBase_, k64));
    RegKey physical = MustOpen(kHKeyLocalMachine, wow64Base_, kKeyRead | k64);
    EXPECT_EQ(Get(physical, L"Bits"), (RegValue{kRegDword, Le32(32)}));

    RegKey v64 = MustCreate(kHKeyLocalMachine, machineBase_, kKeyAllAccess | k64);
    Put(v64, L"Bits", kRegDword, Le32(64));
    // A 32-bit process that names no view gets the 32-bit one.
    EXPECT_EQ(Get(MustOpen(kHKeyLocalMachine, machineBase_, kKeyRead), L"Bits"),
              (RegValue{kRegDword, Le32(32)}));
    EXPECT_EQ(Get(MustOpen(kHKeyLocalMachine, machineBase_, kKeyRead | k64), L"Bits"),
              (RegValue{kRegDword, Le32(64)}));

    // Deleting in one view leaves the other alone.
    EXPECT_EQ(Reg().DeleteKeyEx(kHKeyLocalMachine, machineBase_, k32), kErrorSuccess);
    EXPECT_FALSE(Exists(kHKeyLocalMachine, machineBase_, k32));
    EXPECT_TRUE(Exists(kHKeyLocalMachine, machineBase_, k64));
  } else {
    // One registry: both views see the value, and there is no Wow6432Node.
    EXPECT_EQ(Get(MustOpen(kHKeyLocalMachine, machineBase_, kKeyRead | k64), L"Bits"),
              (RegValue{kRegDword, Le32(32)}));
    EXPECT_FALSE(Exists(kHKeyLocalMachine, L"SOFTWARE\\Wow6432Node", k64));
  }
}

TEST_P(RegistryContract, ViewAppliesBelowAHandleOnSoftware) {
  RegKey software = MustOpen(kHKeyLocalMachine, L"SOFTWARE", kKeyRead | k64);
  Close(MustCreate(software, L"ZentoryTests\\" + unique_ + L"\\Relative", kKeyAllAccess | k32));
  EXPECT_TRUE(Exists(kHKeyLocalMachine, machineBase_ + L"\\Relative", k32));
  EXPECT_EQ(Exists(kHKeyLocalMachine, machineBase_ + L"\\Relative", k64), !Windows64());
  if (Windows64()) {
    EXPECT_TRUE(Exists(kHKeyLocalMachine, wow64Base_ + L"\\Relative", k64));
  }
}

TEST_P(RegistryContract, ListingSoftwareInEachView) {
  Close(MustCreate(kHKeyLocalMachine, L"SOFTWARE\\Policies", kKeyRead | k64));
  auto contains = [](const std::vector<std::wstring>& names, std::wstring_view wanted) {
    return std::any_of(names.begin(), names.end(), [&](const std::wstring& n) {
      return n.size() == wanted.size() &&
             std::equal(n.begin(), n.end(), wanted.begin(),
                        [](wchar_t a, wchar_t b) { return std::towlower(a) == std::towlower(b); });
    });
  };
  std::vector<std::wstring> names32 = SubKeys(MustOpen(kHKeyLocalMachine, L"SOFTWARE", kKeyRead | k32));
  std::vector<std::wstring> names64 = SubKeys(MustOpen(kHKeyLocalMachine, L"SOFTWARE", kKeyRead | k64));
  // Shared keys show in the 32-bit view too.
  EXPECT_TRUE(contains(names32, L"Classes"));
  EXPECT_TRUE(contains(names32, L"Policies"));
  EXPECT_FALSE(contains(names32, L"Wow6432Node"));
  EXPECT_EQ(contains(names64, L"Wow6432Node"), Windows64());
}

TEST_P(RegistryContract, CurrentUserIsSharedByBothViews) {
  RegKey v32 = MustCreate(kHKeyCurrentUser, userBase_ + L"\\Viewed", kKeyAllAccess | k32);
  Put(v32, L"v", kRegDword, Le32(7));
  EXPECT_EQ(Get(MustOpen(kHKeyCurrentUser, userBase_ + L"\\Viewed", kKeyRead | k64), L"v"),
            (RegValue{kRegDword, Le32(7)}));
}

// The shared keys and classes that Wine models as Windows 7 does; the rest of
// the Windows 7 list is covered by the fake's own tests.
TEST_P(RegistryContract, SharedAndRedirectedKeysOfTheThirtyTwoBitView) {
  const std::wstring name = L"ZentoryTests_" + unique_;
  struct Row {
    const char* label;
    RegKey root;
    std::wstring parent;
    std::wstring redirectedTo;  // physical HKLM parent of the 32-bit key; empty: shared
  };
  const std::vector<Row> rows = {
      {"policies", kHKeyLocalMachine, L"SOFTWARE\\Policies", L""},
      {"app paths", kHKeyLocalMachine, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths", L""},
      {"time zones", kHKeyLocalMachine, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones", L""},
      {"file extension", kHKeyClassesRoot, L"", L""},
      {"verbs of a class", kHKeyClassesRoot, L"Directory\\shell", L""},
      {"classes through HKLM", kHKeyLocalMachine, L"SOFTWARE\\Classes", L""},
      {"CLSID", kHKeyClassesRoot, L"CLSID", L"SOFTWARE\\Classes\\Wow6432Node\\CLSID"},
      {"Interface", kHKeyLocalMachine, L"SOFTWARE\\Classes\\Interface",
       L"SOFTWARE\\Classes\\Wow6432Node\\Interface"},
      {"plain key", kHKeyLocalMachine, L"SOFTWARE\\ZentoryTests", L"SOFTWARE\\Wow6432Node\\ZentoryTests"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    const std::wstring path = row.parent.empty() ? L"." + name : row.parent + L"\\" + name;
    Track(row.root, path);
    RegKey key = MustCreate(row.root, path, kKeyAllAccess | k32);
    Put(key, L"v", kRegDword, Le32(32));
    Close(key);
    const bool shared = row.redirectedTo.empty() || !Windows64();
    EXPECT_EQ(Exists(row.root, path, k64), shared);
    if (!shared) {
      EXPECT_TRUE(Exists(kHKeyLocalMachine, row.redirectedTo + L"\\" + name, k64));
    }
    EXPECT_EQ(Reg().DeleteKeyEx(row.root, path, k32), kErrorSuccess);
  }
}

// --- links ----------------------------------------------------------------

TEST_P(RegistryContract, LinkIsFollowedUnlessOpenedAsTheLink) {
  RegKey target = MustCreate(kHKeyCurrentUser, userBase_ + L"\\Target");
  Put(target, L"v", kRegDword, Le32(7));
  Close(MustCreate(target, L"Child"));
  const std::wstring targetName = UserKernelName(userBase_ + L"\\Target");
  MakeLink(kHKeyCurrentUser, userBase_ + L"\\Link", targetName);

  EXPECT_EQ(SubKeys(MustOpen(kHKeyCurrentUser, userBase_)), (std::vector<std::wstring>{L"Link", L"Target"}));

  // Followed: the handle is the target.
  RegKey followed = MustOpen(kHKeyCurrentUser, userBase_ + L"\\Link", kKeyRead);
  EXPECT_EQ(Get(followed, L"v"), (RegValue{kRegDword, Le32(7)}));
  EXPECT_EQ(SubKeys(followed), std::vector<std::wstring>{L"Child"});
  EXPECT_FALSE(Get(followed, L"SymbolicLinkValue"));

  // Opened as the link: only its target value, no subkeys.
  RegKey link = MustOpen(kHKeyCurrentUser, userBase_ + L"\\Link", kKeyRead, kRegOptionOpenLink);
  EXPECT_EQ(Get(link, L"SymbolicLinkValue"), (RegValue{kRegLink, ToUtf16LeBytes(targetName)}));
  EXPECT_FALSE(Get(link, L"v"));
  EXPECT_TRUE(SubKeys(link).empty());

  // kRegOptionOpenLink concerns the last component only.
  Close(MustOpen(kHKeyCurrentUser, userBase_ + L"\\Link\\Child", kKeyRead, kRegOptionOpenLink));
  // Creating through the link creates in the target.
  Close(MustCreate(kHKeyCurrentUser, userBase_ + L"\\Link\\Made"));
  EXPECT_TRUE(Exists(kHKeyCurrentUser, userBase_ + L"\\Target\\Made"));
}

TEST_P(RegistryContract, DeletingALinkOpenedAsTheLinkLeavesTheTarget) {
  RegKey target = MustCreate(kHKeyCurrentUser, userBase_ + L"\\Target");
  Put(target, L"v", kRegDword, Le32(7));
  Close(MustCreate(target, L"Child"));
  MakeLink(kHKeyCurrentUser, userBase_ + L"\\Link", UserKernelName(userBase_ + L"\\Target"));

  RegKey readOnly = MustOpen(kHKeyCurrentUser, userBase_ + L"\\Link", kKeyRead, kRegOptionOpenLink);
  EXPECT_EQ(Reg().DeleteOpenedKey(readOnly), kErrorAccessDenied);

  RegKey link = MustOpen(kHKeyCurrentUser, userBase_ + L"\\Link", kKeyAllAccess, kRegOptionOpenLink);
  EXPECT_EQ(Reg().DeleteOpenedKey(link), kErrorSuccess);
  EXPECT_EQ(SubKeys(MustOpen(kHKeyCurrentUser, userBase_)), std::vector<std::wstring>{L"Target"});
  EXPECT_EQ(Get(target, L"v"), (RegValue{kRegDword, Le32(7)}));
  EXPECT_EQ(SubKeys(target), std::vector<std::wstring>{L"Child"});
}

TEST_P(RegistryContract, DeleteKeyExAndFollowedHandlesDeleteTheTarget) {
  const std::wstring base = userBase_;
  Close(MustCreate(kHKeyCurrentUser, base + L"\\Full\\Child"));
  Close(MustCreate(kHKeyCurrentUser, base + L"\\Empty"));
  Close(MustCreate(kHKeyCurrentUser, base + L"\\Empty2"));
  MakeLink(kHKeyCurrentUser, base + L"\\ToFull", UserKernelName(base + L"\\Full"));
  MakeLink(kHKeyCurrentUser, base + L"\\ToEmpty", UserKernelName(base + L"\\Empty"));
  MakeLink(kHKeyCurrentUser, base + L"\\ToEmpty2", UserKernelName(base + L"\\Empty2"));

  // The target has a subkey, so deleting "the link" is refused.
  EXPECT_EQ(Reg().DeleteKeyEx(kHKeyCurrentUser, base + L"\\ToFull", 0), kErrorAccessDenied);
  EXPECT_TRUE(Exists(kHKeyCurrentUser, base + L"\\Full\\Child"));

  // The target goes; the link stays, dangling.
  EXPECT_EQ(Reg().DeleteKeyEx(kHKeyCurrentUser, base + L"\\ToEmpty", 0), kErrorSuccess);
  EXPECT_FALSE(Exists(kHKeyCurrentUser, base + L"\\Empty"));
  EXPECT_FALSE(Exists(kHKeyCurrentUser, base + L"\\ToEmpty"));
  Close(MustOpen(kHKeyCurrentUser, base + L"\\ToEmpty", kKeyRead, kRegOptionOpenLink));

  RegKey followed = MustOpen(kHKeyCurrentUser, base + L"\\ToEmpty2");
  EXPECT_EQ(Reg().DeleteOpenedKey(followed), kErrorSuccess);
  EXPECT_FALSE(Exists(kHKeyCurrentUser, base + L"\\Empty2"));
  Close(MustOpen(kHKeyCurrentUser, base + L"\\ToEmpty2", kKeyRead, kRegOptionOpenLink));
}

TEST_P(RegistryContract, LinkKeysHoldOnlyTheirTarget) {
  const std::wstring base = userBase_;
  Close(MustCreate(kHKeyCurrentUser, base + L"\\Plain"));
  MakeLink(kHKeyCurrentUser, base + L"\\Link", UserKernelName(base + L"\\Plain"));
  RegKey link = MustOpen(kHKeyCurrentUser, base + L"\\Link", kKeyAllAccess, kRegOptionOpenLink);
  const std::vector<std::uint8_t> one = Le32(1);
  EXPECT_EQ(Reg().SetValue(link, L"Other", kRegDword, one.data(), 4), kErrorAccessDenied);
  const std::vector<std::uint8_t> text = Sz(L"x");
  EXPECT_EQ(Reg().SetValue(link, L"SymbolicLinkValue", kRegSz, text.data(), 4), kErrorAccessDenied);

  for (const wchar_t* existing : {L"\\Plain", L"\\Link"}) {
    SCOPED_TRACE(Narrow(existing));
    RegKey key = kSentinelKey;
    EXPECT_EQ(Reg().CreateKey(kHKeyCurrentUser, base + existing, kRegOptionCreateLink,
                              kKeyAllAccess | kKeyCreateLink, key),
              kErrorAlreadyExists);
    EXPECT_EQ(key, kSentinelKey);
  }
}

TEST_P(RegistryContract, BrokenLinks) {
  const std::wstring base = userBase_;
  Close(
      MustCreate(kHKeyCurrentUser, base + L"\\Unset", kKeyAllAccess | kKeyCreateLink, kRegOptionCreateLink));
  MakeLink(kHKeyCurrentUser, base + L"\\Dangling", UserKernelName(base + L"\\Nowhere"));
  MakeLink(kHKeyCurrentUser, base + L"\\Relative", L"Plain");
  MakeLink(kHKeyCurrentUser, base + L"\\LoopA", UserKernelName(base + L"\\LoopB"));
  MakeLink(kHKeyCurrentUser, base + L"\\LoopB", UserKernelName(base + L"\\LoopA"));
  Close(MustCreate(kHKeyCurrentUser, base + L"\\Plain"));
  struct Row {
    const char* label;
    std::wstring name;
    std::int32_t status;
  };
  const std::vector<Row> rows = {
      {"no target yet", L"Unset", kErrorFileNotFound},
      {"target missing", L"Dangling", kErrorFileNotFound},
      {"relative target", L"Relative", kErrorFileNotFound},
      {"loop", L"LoopA", kErrorInvalidParameter},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    RegKey key = kSentinelKey;
    EXPECT_EQ(Reg().OpenKey(kHKeyCurrentUser, base + L"\\" + row.name, 0, kKeyRead, key), row.status);
    EXPECT_EQ(key, kSentinelKey);
    Close(MustOpen(kHKeyCurrentUser, base + L"\\" + row.name, kKeyRead, kRegOptionOpenLink));
  }
  // Creating through a dangling link creates its target.
  Close(MustCreate(kHKeyCurrentUser, base + L"\\Dangling"));
  EXPECT_TRUE(Exists(kHKeyCurrentUser, base + L"\\Nowhere"));
}

TEST_P(RegistryContract, LinkTargetsAreNeverRedirected) {
  RegKey target = MustCreate(kHKeyCurrentUser, userBase_ + L"\\Target");
  Put(target, L"v", kRegDword, Le32(7));
  RegKey machine64 = MustCreate(kHKeyLocalMachine, machineBase_ + L"\\Native", kKeyAllAccess | k64);
  Put(machine64, L"v", kRegDword, Le32(64));

  // A link in the 32-bit view of HKLM, to a key of the user.
  MakeLink(kHKeyLocalMachine, machineBase_ + L"\\ToUser", UserKernelName(userBase_ + L"\\Target"), k32);
  EXPECT_EQ(Get(MustOpen(kHKeyLocalMachine, machineBase_ + L"\\ToUser", kKeyRead | k32), L"v"),
            (RegValue{kRegDword, Le32(7)}));
  // A link to HKLM\SOFTWARE\..., opened in the 32-bit view, reaches the 64-bit key.
  MakeLink(kHKeyCurrentUser, userBase_ + L"\\ToMachine",
           L"\\REGISTRY\\MACHINE\\" + machineBase_ + L"\\Native");
  EXPECT_EQ(Get(MustOpen(kHKeyCurrentUser, userBase_ + L"\\ToMachine", kKeyRead | k32), L"v"),
            (RegValue{kRegDword, Le32(64)}));
}

}  // namespace zt::test
