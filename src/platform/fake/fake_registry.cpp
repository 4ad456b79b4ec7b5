#include "platform/fake/fake_registry.h"

#include <algorithm>
#include <cstring>

#include "base/utf16.h"

namespace zt::platform {

namespace {

constexpr std::wstring_view kWow6432Node = L"Wow6432Node";
constexpr std::wstring_view kSymbolicLinkValue = L"SymbolicLinkValue";
constexpr std::size_t kMaxValueNameLength = 16383;  // UTF-16 units
// Wine follows chains of 20 links and more, and stops a loop with
// ERROR_INVALID_PARAMETER.
constexpr int kMaxLinkDepth = 32;

// Keys under HKLM\SOFTWARE that Windows 7 does not redirect in the 32-bit
// view (Microsoft's "Registry Keys Affected by WOW64" for Windows 7 and
// Server 2008 R2). A key is shared with everything below it.
constexpr std::wstring_view kSharedKeys[] = {
    L"Classes",
    L"Clients",
    L"Microsoft\\COM3",
    L"Microsoft\\Cryptography\\Calais\\Current",
    L"Microsoft\\Cryptography\\Calais\\Readers",
    L"Microsoft\\Cryptography\\Services",
    L"Microsoft\\CTF\\SystemShared",
    L"Microsoft\\CTF\\TIP",
    L"Microsoft\\DFS",
    L"Microsoft\\Driver Signing",
    L"Microsoft\\EnterpriseCertificates",
    L"Microsoft\\MSMQ",
    L"Microsoft\\Non-Driver Signing",
    L"Microsoft\\RAS",
    L"Microsoft\\Shared Tools\\MSInfo",
    L"Microsoft\\SystemCertificates",
    L"Microsoft\\TermServLicensing",
    L"Microsoft\\Transaction Server",
    L"Microsoft\\Windows\\CurrentVersion\\App Paths",
    L"Microsoft\\Windows\\CurrentVersion\\Control Panel\\Cursors\\Schemes",
    L"Microsoft\\Windows\\CurrentVersion\\Explorer\\AutoplayHandlers",
    L"Microsoft\\Windows\\CurrentVersion\\Explorer\\DriveIcons",
    L"Microsoft\\Windows\\CurrentVersion\\Explorer\\KindMap",
    L"Microsoft\\Windows\\CurrentVersion\\Group Policy",
    L"Microsoft\\Windows\\CurrentVersion\\Policies",
    L"Microsoft\\Windows\\CurrentVersion\\PreviewHandlers",
    L"Microsoft\\Windows\\CurrentVersion\\Setup",
    L"Microsoft\\Windows\\CurrentVersion\\Telephony\\Locations",
    L"Microsoft\\Windows NT\\CurrentVersion\\Console",
    L"Microsoft\\Windows NT\\CurrentVersion\\FontDpi",
    L"Microsoft\\Windows NT\\CurrentVersion\\FontLink",
    L"Microsoft\\Windows NT\\CurrentVersion\\FontMapper",
    L"Microsoft\\Windows NT\\CurrentVersion\\Fonts",
    L"Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes",
    L"Microsoft\\Windows NT\\CurrentVersion\\Gre_Initialize",
    L"Microsoft\\Windows NT\\CurrentVersion\\LanguagePack",
    L"Microsoft\\Windows NT\\CurrentVersion\\NetworkCards",
    L"Microsoft\\Windows NT\\CurrentVersion\\Perflib",
    L"Microsoft\\Windows NT\\CurrentVersion\\Ports",
    L"Microsoft\\Windows NT\\CurrentVersion\\Print",
    L"Microsoft\\Windows NT\\CurrentVersion\\ProfileList",
    L"Microsoft\\Windows NT\\CurrentVersion\\Time Zones",
    L"Policies",
    L"RegisteredApplications",
};

// Subkeys of the shared SOFTWARE\Classes that the 32-bit view still finds
// under SOFTWARE\Classes\Wow6432Node: the COM registration.
constexpr std::wstring_view kRedirectedClasses[] = {
    L"AppID", L"CLSID", L"DirectShow", L"HCP", L"Interface", L"Media Type", L"MediaFoundation",
};

// Case folding as the registry compares names: ASCII, Latin-1 and Cyrillic
// capitals (the scripts this program's key names use).
wchar_t Fold(wchar_t c) {
  if (c >= L'A' && c <= L'Z') return static_cast<wchar_t>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<wchar_t>(c + 32);
  if (c >= 0x410 && c <= 0x42F) return static_cast<wchar_t>(c + 32);
  if (c >= 0x400 && c <= 0x40F) return static_cast<wchar_t>(c + 80);
  return c;
}

std::wstring Folded(std::wstring_view text) {
  std::wstring out(text);
  for (wchar_t& c : out) c = Fold(c);
  return out;
}

// Wine keeps subkeys and values sorted by the lower-cased name.
int Compare(std::wstring_view a, std::wstring_view b) {
  std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    wchar_t x = Fold(a[i]), y = Fold(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool Same(std::wstring_view a, std::wstring_view b) { return Compare(a, b) == 0; }

// Path components; empty ones (doubled or trailing backslashes) are skipped
// as Wine does.
std::vector<std::wstring> Split(std::wstring_view path) {
  std::vector<std::wstring> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find(L'\\', start);
    if (end == std::wstring_view::npos) end = path.size();
    if (end > start) parts.emplace_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

std::vector<std::vector<std::wstring>> SplitAll(const auto& table) {
  std::vector<std::vector<std::wstring>> out;
  for (std::wstring_view entry : table) out.push_back(Split(entry));
  return out;
}

const std::vector<std::vector<std::wstring>>& SharedKeys() {
  static const auto keys = SplitAll(kSharedKeys);
  return keys;
}

bool IsRedirectedClass(std::wstring_view name) {
  return std::any_of(std::begin(kRedirectedClasses), std::end(kRedirectedClasses),
                     [&](std::wstring_view entry) { return Same(entry, name); });
}

bool IsString(std::uint32_t type) { return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz; }

bool IsPredefined(RegKey key) { return key >= kHKeyClassesRoot && key <= kHKeyUsers; }

}  // namespace

struct FakeRegistry::Node : std::enable_shared_from_this<FakeRegistry::Node> {
  struct Value {
    std::wstring name;
    std::uint32_t type = kRegNone;
    std::vector<std::uint8_t> data;
  };

  std::wstring name;
  Node* parent = nullptr;
  bool link = false;
  bool deleted = false;
  std::vector<std::shared_ptr<Node>> subkeys;  // sorted by Compare
  std::vector<Value> values;                   // sorted by Compare

  auto SubkeySlot(std::wstring_view key) {
    return std::lower_bound(subkeys.begin(), subkeys.end(), key,
                            [](const auto& node, std::wstring_view n) { return Compare(node->name, n) < 0; });
  }
  auto ValueSlot(std::wstring_view key) {
    return std::lower_bound(values.begin(), values.end(), key,
                            [](const Value& v, std::wstring_view n) { return Compare(v.name, n) < 0; });
  }

  Node* Find(std::wstring_view key) {
    auto it = SubkeySlot(key);
    return it != subkeys.end() && Same((*it)->name, key) ? it->get() : nullptr;
  }
  Node* Add(std::wstring_view key, bool asLink) {
    auto node = std::make_shared<Node>();
    node->name = key;
    node->parent = this;
    node->link = asLink;
    return subkeys.insert(SubkeySlot(key), std::move(node))->get();
  }
  Value* FindValue(std::wstring_view key) {
    auto it = ValueSlot(key);
    return it != values.end() && Same(it->name, key) ? &*it : nullptr;
  }
  // The value named `key`, added when missing; an existing one keeps the
  // case it was first written with.
  Value& PutValue(std::wstring_view key) {
    if (Value* found = FindValue(key)) return *found;
    return *values.insert(ValueSlot(key), Value{std::wstring(key), kRegNone, {}});
  }
};

FakeRegistry::FakeRegistry(FakeWindows windows)
    : windows_(windows), machine_(std::make_shared<Node>()), users_(std::make_shared<Node>()) {
  machine_->name = L"Machine";
  users_->name = L"User";
  machine_->Add(L"SOFTWARE", false)->Add(L"Classes", false);
  machine_->Add(L"SYSTEM", false);
  users_->Add(kCurrentUserSid, false)->Add(L"Software", false);
  if (windows_ == FakeWindows::Bits64) {
    Software()->Add(kWow6432Node, false);
    Classes()->Add(kWow6432Node, false);
  }
}

FakeRegistry::~FakeRegistry() = default;

FakeRegistry::Node* FakeRegistry::RootNode(RegKey root) const {
  switch (root) {
    case kHKeyLocalMachine:
      return machine_.get();
    case kHKeyUsers:
      return users_.get();
    case kHKeyCurrentUser:
      return users_->Find(kCurrentUserSid);
    case kHKeyClassesRoot:
      return Classes();
    default:
      return nullptr;
  }
}

FakeRegistry::Node* FakeRegistry::Software() const { return machine_->Find(L"SOFTWARE"); }

FakeRegistry::Node* FakeRegistry::Classes() const {
  Node* software = Software();
  return software ? software->Find(L"Classes") : nullptr;
}

// The node behind a handle, checking the handle's rights. A deleted key
// gives kErrorKeyDeleted but still names its node.
std::int32_t FakeRegistry::Lookup(RegKey key, std::uint32_t needed, Node*& node) const {
  if (IsPredefined(key)) {
    node = RootNode(key);
    return node ? kErrorSuccess : kErrorInvalidHandle;
  }
  auto it = handles_.find(key);
  if (it == handles_.end()) return kErrorInvalidHandle;
  if ((it->second.access & needed) != needed) return kErrorAccessDenied;
  node = it->second.node.get();
  return node->deleted ? kErrorKeyDeleted : kErrorSuccess;
}

std::int32_t FakeRegistry::Resolve(RegKey start, std::wstring_view subKey, std::uint32_t options,
                                   std::uint32_t access, bool create, Node*& out) {
  Node* from = nullptr;
  if (std::int32_t status = Lookup(start, 0, from)) return status;
  if (!subKey.empty() && subKey.front() == L'\\') return kErrorBadPathname;
  WalkMode mode;
  mode.view32 = windows_ == FakeWindows::Bits64 && !(access & kKeyWow64_64Key);
  mode.redirect = true;
  mode.create = create;
  mode.createLink = create && (options & kRegOptionCreateLink);
  mode.openLink = options & kRegOptionOpenLink;
  if (std::int32_t status = Walk(from, Split(subKey), mode, 0, out)) return status;
  return deniedOpens_.count(FaultKey(out)) ? kErrorAccessDenied : kErrorSuccess;
}

std::int32_t FakeRegistry::StepInto(Node*& cur, std::wstring_view name, bool create) {
  Node* next = cur->Find(name);
  if (!next) {
    if (!create) return kErrorFileNotFound;
    next = cur->Add(name, false);
  }
  cur = next;
  return kErrorSuccess;
}

std::int32_t FakeRegistry::Walk(Node* start, const std::vector<std::wstring>& parts, const WalkMode& mode,
                                int depth, Node*& out) {
  const bool bits64 = windows_ == FakeWindows::Bits64;
  const bool view32 = bits64 && mode.redirect && mode.view32;
  Node* cur = start;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const std::wstring& part = parts[i];
    const bool last = i + 1 == parts.size();
    if (view32 && cur == Software() && !Same(part, kWow6432Node)) {
      if (std::int32_t status = StepInto(cur, kWow6432Node, mode.create)) return status;
    }
    std::vector<std::wstring> logical;
    if (bits64 && Wow64Logical(cur, logical) && ReachesSharedKey(logical, parts, i)) {
      // Back to the 64-bit tree, where the shared key lives.
      cur = Software();
      for (const std::wstring& name : logical) {
        if (std::int32_t status = StepInto(cur, name, mode.create)) return status;
      }
    }
    if (view32 && cur == Classes() && IsRedirectedClass(part)) {
      if (std::int32_t status = StepInto(cur, kWow6432Node, mode.create)) return status;
    }

    Node* child = cur->Find(part);
    bool created = false;
    if (!child) {
      if (!mode.create) return kErrorFileNotFound;
      std::wstring parentKey = FaultKey(cur);
      if (deniedOpens_.count(parentKey) || deniedOpens_.count(parentKey + L"\\" + Folded(part)))
        return kErrorAccessDenied;
      child = cur->Add(part, last && mode.createLink);
      created = true;
    } else if (last && mode.createLink) {
      return kErrorAlreadyExists;
    }
    if (child->link && !created && !(last && mode.openLink)) {
      if (std::int32_t status = FollowLink(child, mode.create, depth + 1, child)) return status;
    }
    cur = child;
  }
  // HKLM\SOFTWARE itself, seen from the 32-bit side.
  if (view32 && !parts.empty() && cur == Software()) {
    if (std::int32_t status = StepInto(cur, kWow6432Node, mode.create)) return status;
  }
  out = cur;
  return kErrorSuccess;
}

std::int32_t FakeRegistry::FollowLink(Node* link, bool create, int depth, Node*& out) {
  if (depth > kMaxLinkDepth) return kErrorInvalidParameter;
  const Node::Value* target = link->FindValue(kSymbolicLinkValue);
  if (!target || target->type != kRegLink) return kErrorFileNotFound;
  std::wstring path = FromUtf16LeBytes(target->data.data(), target->data.size());
  // Only absolute kernel names lead anywhere: \REGISTRY\Machine\... or \REGISTRY\User\...
  if (path.empty() || path.front() != L'\\') return kErrorFileNotFound;
  std::vector<std::wstring> parts = Split(path);
  if (parts.size() < 2 || !Same(parts[0], L"REGISTRY")) return kErrorFileNotFound;
  Node* hive = Same(parts[1], machine_->name) ? machine_.get()
               : Same(parts[1], users_->name) ? users_.get()
                                              : nullptr;
  if (!hive) return kErrorFileNotFound;
  parts.erase(parts.begin(), parts.begin() + 2);
  WalkMode mode;
  mode.create = create;
  return Walk(hive, parts, mode, depth, out);
}

// Whether `node` lies in HKLM\SOFTWARE\Wow6432Node (or is it); `logical`
// receives its path below Wow6432Node.
bool FakeRegistry::Wow64Logical(const Node* node, std::vector<std::wstring>& logical) const {
  std::vector<const Node*> chain;
  for (const Node* n = node; n; n = n->parent) chain.push_back(n);
  std::reverse(chain.begin(), chain.end());
  if (chain.size() < 3 || chain[0] != machine_.get() || chain[1] != Software() ||
      !Same(chain[2]->name, kWow6432Node))
    return false;
  logical.clear();
  for (std::size_t i = 3; i < chain.size(); ++i) logical.push_back(chain[i]->name);
  return true;
}

// Whether logical + parts[from..] runs through a shared key that lies below
// `logical`.
bool FakeRegistry::ReachesSharedKey(const std::vector<std::wstring>& logical,
                                    const std::vector<std::wstring>& parts, std::size_t from) const {
  const std::size_t available = logical.size() + (parts.size() - from);
  for (const auto& shared : SharedKeys()) {
    if (shared.size() <= logical.size() || shared.size() > available) continue;
    bool match = true;
    for (std::size_t j = 0; j < shared.size() && match; ++j) {
      const std::wstring& part = j < logical.size() ? logical[j] : parts[from + j - logical.size()];
      match = Same(part, shared[j]);
    }
    if (match) return true;
  }
  return false;
}

// Subkey names as EnumKey lists them: a key of the 32-bit tree also shows
// the shared keys that live in the 64-bit one.
std::vector<std::wstring> FakeRegistry::ListedSubKeys(const Node* node) const {
  std::vector<std::wstring> names;
  for (const auto& child : node->subkeys) names.push_back(child->name);
  std::vector<std::wstring> logical;
  if (windows_ != FakeWindows::Bits64 || !Wow64Logical(node, logical)) return names;
  for (const auto& shared : SharedKeys()) {
    if (shared.size() != logical.size() + 1) continue;
    Node* found = Software();
    for (std::size_t j = 0; j < shared.size() && found; ++j) {
      if (j < logical.size() && !Same(logical[j], shared[j])) found = nullptr;
      if (found) found = found->Find(shared[j]);
    }
    if (!found) continue;
    bool listed =
        std::any_of(names.begin(), names.end(), [&](const auto& n) { return Same(n, found->name); });
    if (!listed) names.push_back(found->name);
  }
  std::sort(names.begin(), names.end(), [](const auto& a, const auto& b) { return Compare(a, b) < 0; });
  return names;
}

RegKey FakeRegistry::NewHandle(Node* node, std::uint32_t access) {
  RegKey handle = nextHandle_;
  nextHandle_ += 4;
  handles_[handle] = Handle{node->shared_from_this(), access & ~(kKeyWow64_32Key | kKeyWow64_64Key)};
  return handle;
}

std::int32_t FakeRegistry::OpenKey(RegKey root, std::wstring_view subKey, std::uint32_t options,
                                   std::uint32_t access, RegKey& result) {
  Node* node = nullptr;
  if (std::int32_t status = Resolve(root, subKey, options, access, false, node)) return status;
  result = NewHandle(node, access);
  return kErrorSuccess;
}

std::int32_t FakeRegistry::CreateKey(RegKey root, std::wstring_view subKey, std::uint32_t options,
                                     std::uint32_t access, RegKey& result) {
  Node* node = nullptr;
  if (std::int32_t status = Resolve(root, subKey, options, access, true, node)) return status;
  result = NewHandle(node, access);
  return kErrorSuccess;
}

std::int32_t FakeRegistry::QueryValue(RegKey key, std::wstring_view name, std::uint32_t* type,
                                      std::uint8_t* data, std::uint32_t* size) {
  if (data && !size) return kErrorInvalidParameter;
  // Wine clears the size of a failed size-only query.
  auto fail = [&](std::int32_t status) {
    if (!data && size) *size = 0;
    return status;
  };
  Node* node = nullptr;
  if (std::int32_t status = Lookup(key, kKeyQueryValue, node)) return fail(status);
  const Node::Value* value = node->FindValue(name);
  if (!value) return fail(kErrorFileNotFound);
  if (failingReads_.count(FaultKey(node))) return fail(kErrorAccessDenied);

  if (type) *type = value->type;
  const auto length = static_cast<std::uint32_t>(value->data.size());
  if (data) {
    const std::uint32_t room = *size;
    *size = length;
    if (room < length) return kErrorMoreData;
    if (length) std::memcpy(data, value->data.data(), length);
    // Like Wine, terminate a string stored without its NUL when there is
    // room for one.
    if (IsString(value->type) && length >= 2 && length + 2 <= room &&
        (value->data[length - 2] || value->data[length - 1])) {
      data[length] = 0;
      data[length + 1] = 0;
    }
  } else if (size) {
    *size = length;
  }
  return kErrorSuccess;
}

std::int32_t FakeRegistry::SetValue(RegKey key, std::wstring_view name, std::uint32_t type,
                                    const std::uint8_t* data, std::uint32_t size) {
  Node* node = nullptr;
  if (std::int32_t status = Lookup(key, kKeySetValue, node)) return status;
  if (Utf16Length(name) > kMaxValueNameLength) return kErrorInvalidParameter;
  if (!data && size) return kErrorNoAccess;
  // A link holds its target and nothing else.
  if (node->link && (!Same(name, kSymbolicLinkValue) || type != kRegLink)) return kErrorAccessDenied;
  if (failingWrites_.count(FaultKey(node))) return kErrorAccessDenied;
  Node::Value& value = node->PutValue(name);
  value.type = type;
  value.data.assign(data, data + size);
  return kErrorSuccess;
}

std::int32_t FakeRegistry::EnumKey(RegKey key, std::uint32_t index, std::wstring& name) {
  Node* node = nullptr;
  if (std::int32_t status = Lookup(key, kKeyEnumerateSubKeys, node)) return status;
  std::vector<std::wstring> names = ListedSubKeys(node);
  if (index >= names.size()) return kErrorNoMoreItems;
  name = names[index];
  return kErrorSuccess;
}

std::int32_t FakeRegistry::EnumValue(RegKey key, std::uint32_t index, std::wstring& name) {
  Node* node = nullptr;
  if (std::int32_t status = Lookup(key, kKeyQueryValue, node)) return status;
  if (index >= node->values.size()) return kErrorNoMoreItems;
  name = node->values[index].name;
  return kErrorSuccess;
}

std::int32_t FakeRegistry::DeleteValue(RegKey key, std::wstring_view name) {
  Node* node = nullptr;
  if (std::int32_t status = Lookup(key, kKeySetValue, node)) return status;
  if (failingWrites_.count(FaultKey(node))) return kErrorAccessDenied;
  auto it = node->ValueSlot(name);
  if (it == node->values.end() || !Same(it->name, name)) return kErrorFileNotFound;
  node->values.erase(it);
  return kErrorSuccess;
}

std::int32_t FakeRegistry::DeleteKeyEx(RegKey key, std::wstring_view subKey, std::uint32_t access) {
  if (!hasDeleteKeyEx_) return kErrorProcNotFound;
  // As advapi32 does: open the key (following links) for DELETE in the
  // view asked for, then delete what was opened.
  Node* node = nullptr;
  const std::uint32_t view = access & (kKeyWow64_32Key | kKeyWow64_64Key);
  if (std::int32_t status = Resolve(key, subKey, 0, view | kDelete, false, node)) return status;
  return DeleteNode(node);
}

std::int32_t FakeRegistry::DeleteOpenedKey(RegKey key) {
  if (IsPredefined(key)) return kErrorInvalidHandle;
  Node* node = nullptr;
  std::int32_t status = Lookup(key, kDelete, node);
  if (status == kErrorKeyDeleted) return kErrorSuccess;
  if (status) return status;
  return DeleteNode(node);
}

std::int32_t FakeRegistry::DeleteNode(Node* node) {
  if (!node->parent || node == RootNode(kHKeyCurrentUser)) return kErrorAccessDenied;
  if (failingWrites_.count(FaultKey(node))) return kErrorAccessDenied;
  if (!node->subkeys.empty()) return kErrorAccessDenied;
  auto keep = node->shared_from_this();  // open handles may still hold it
  Node* parent = node->parent;
  node->deleted = true;
  node->parent = nullptr;
  parent->subkeys.erase(std::find(parent->subkeys.begin(), parent->subkeys.end(), keep));
  return kErrorSuccess;
}

std::int32_t FakeRegistry::CloseKey(RegKey key) {
  if (IsPredefined(key)) return kErrorSuccess;
  return handles_.erase(key) ? kErrorSuccess : kErrorInvalidHandle;
}

FakeRegistry::Node* FakeRegistry::FindPhysical(RegKey root, std::wstring_view path) const {
  Node* node = RootNode(root);
  for (const std::wstring& part : Split(path)) {
    if (!node) break;
    node = node->Find(part);
  }
  return node;
}

FakeRegistry::Node* FakeRegistry::MakePhysical(RegKey root, std::wstring_view path) {
  Node* node = RootNode(root);
  if (!node) return nullptr;
  for (const std::wstring& part : Split(path)) {
    Node* next = node->Find(part);
    node = next ? next : node->Add(part, false);
  }
  return node;
}

void FakeRegistry::Seed(RegKey root, std::wstring_view path, std::wstring_view name, std::uint32_t type,
                        std::vector<std::uint8_t> data) {
  Node* node = MakePhysical(root, path);
  if (!node) return;
  Node::Value& value = node->PutValue(name);
  value.type = type;
  value.data = std::move(data);
}

void FakeRegistry::SeedDword(RegKey root, std::wstring_view path, std::wstring_view name,
                             std::uint32_t value) {
  Seed(root, path, name, kRegDword,
       {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
        static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)});
}

void FakeRegistry::SeedString(RegKey root, std::wstring_view path, std::wstring_view name,
                              std::wstring_view text, std::uint32_t type) {
  std::vector<std::uint8_t> bytes = ToUtf16LeBytes(text);
  bytes.push_back(0);
  bytes.push_back(0);
  Seed(root, path, name, type, std::move(bytes));
}

void FakeRegistry::SeedKey(RegKey root, std::wstring_view path) { MakePhysical(root, path); }

void FakeRegistry::SeedLink(RegKey root, std::wstring_view path, std::wstring_view target) {
  Node* node = MakePhysical(root, path);
  if (!node) return;
  node->link = true;
  Node::Value& value = node->PutValue(kSymbolicLinkValue);
  value.type = kRegLink;
  value.data = ToUtf16LeBytes(target);
}

std::optional<FakeRegistry::StoredValue> FakeRegistry::Stored(RegKey root, std::wstring_view path,
                                                              std::wstring_view name) const {
  Node* node = FindPhysical(root, path);
  const Node::Value* value = node ? node->FindValue(name) : nullptr;
  if (!value) return std::nullopt;
  return StoredValue{value->type, value->data};
}

bool FakeRegistry::HasKey(RegKey root, std::wstring_view path) const {
  return FindPhysical(root, path) != nullptr;
}

bool FakeRegistry::IsLink(RegKey root, std::wstring_view path) const {
  Node* node = FindPhysical(root, path);
  return node && node->link;
}

std::vector<std::wstring> FakeRegistry::SubKeyNames(RegKey root, std::wstring_view path) const {
  std::vector<std::wstring> names;
  if (Node* node = FindPhysical(root, path)) {
    for (const auto& child : node->subkeys) names.push_back(child->name);
  }
  return names;
}

std::wstring FakeRegistry::KernelName(RegKey root, std::wstring_view path) {
  std::wstring name;
  switch (root) {
    case kHKeyLocalMachine:
      name = L"\\REGISTRY\\Machine";
      break;
    case kHKeyUsers:
      name = L"\\REGISTRY\\User";
      break;
    case kHKeyCurrentUser:
      name = std::wstring(L"\\REGISTRY\\User\\") + std::wstring(kCurrentUserSid);
      break;
    case kHKeyClassesRoot:
      name = L"\\REGISTRY\\Machine\\SOFTWARE\\Classes";
      break;
    default:
      return {};
  }
  for (const std::wstring& part : Split(path)) name += L"\\" + part;
  return name;
}

// Faults are keyed by the folded physical path from the hive.
std::wstring FakeRegistry::FaultKey(RegKey root, std::wstring_view path) {
  std::wstring name = KernelName(root, path);
  return name.empty() ? name : Folded(name.substr(std::wstring_view(L"\\REGISTRY\\").size()));
}

std::wstring FakeRegistry::FaultKey(const Node* node) {
  std::wstring key;
  for (const Node* n = node; n; n = n->parent)
    key = n->parent ? L"\\" + Folded(n->name) + key : Folded(n->name) + key;
  return key;
}

void FakeRegistry::DenyOpen(RegKey root, std::wstring_view path) {
  deniedOpens_.insert(FaultKey(root, path));
}

void FakeRegistry::FailReads(RegKey root, std::wstring_view path) {
  failingReads_.insert(FaultKey(root, path));
}

void FakeRegistry::FailWrites(RegKey root, std::wstring_view path) {
  failingWrites_.insert(FaultKey(root, path));
}

void FakeRegistry::RemoveDeleteKeyEx() { hasDeleteKeyEx_ = false; }

std::size_t FakeRegistry::OpenHandleCount() const { return handles_.size(); }

}  // namespace zt::platform
