#pragma once
// An in-memory registry that behaves as advapi32 does under Wine: names
// case-insensitive, kept in the case first written and listed in Wine's
// order; values as raw bytes; access checks on handles; deleted keys;
// registry links; and the WOW64 views of 64-bit Windows 7.
//
// WOW64 model (FakeWindows::Bits64). A 32-bit process asking for no view
// gets the 32-bit one; KEY_WOW64_64KEY wins when both bits are given.
// - HKLM\SOFTWARE is redirected to HKLM\SOFTWARE\Wow6432Node in the 32-bit
//   view, except the shared keys of Windows 7 (kSharedKeys in the .cpp),
//   which both views reach at their 64-bit place. As under Wine, a path that
//   names Wow6432Node explicitly reaches the shared keys too, and listing a
//   key of the 32-bit tree shows the shared subkeys beside its own.
// - HKCR is HKLM\SOFTWARE\Classes (Wine does not merge in the user's
//   classes). Classes itself is shared, so file extensions, ProgIDs and verbs
//   are one in both views, while its COM subkeys (AppID, CLSID, Interface,
//   ...) go to SOFTWARE\Classes\Wow6432Node in the 32-bit view.
// - HKCU and HKU are shared whole, including the user's Classes\CLSID that
//   Windows 7 would redirect: Wine shares it, and Wine is the reference.
// - HKCU is HKU\<kCurrentUserSid>, so link targets reach it by that name.
// FakeWindows::Bits32: one registry, view bits ignored, no Wow6432Node.
//
// Not modelled: volatile keys (the option is accepted and ignored), security
// descriptors (see DenyOpen and friends), and advapi32's habit of reading one
// character past a string's given size when it lacks a terminator (the fake
// stores exactly `size` bytes).
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace zt::platform {

// 64-bit Windows 7 with WOW64 views / 32-bit Windows where both views are one.
enum class FakeWindows { Bits64, Bits32 };

class FakeRegistry : public Registry {
 public:
  // The current user's SID as Wine names it.
  static constexpr std::wstring_view kCurrentUserSid = L"S-1-5-21-0-0-0-1000";

  explicit FakeRegistry(FakeWindows windows = FakeWindows::Bits64);
  ~FakeRegistry() override;
  FakeRegistry(const FakeRegistry&) = delete;
  FakeRegistry& operator=(const FakeRegistry&) = delete;

  FakeWindows Windows() const { return windows_; }

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

  // Scripting. No access checks, no views, no links followed: paths are
  // physical (the 32-bit view of HKLM\SOFTWARE\X is
  // L"SOFTWARE\\Wow6432Node\\X"). Keys are created as needed.
  void Seed(RegKey root, std::wstring_view path, std::wstring_view name, std::uint32_t type,
            std::vector<std::uint8_t> data);
  void SeedDword(RegKey root, std::wstring_view path, std::wstring_view name, std::uint32_t value);
  // Stored with its UTF-16 NUL terminator, as Windows stores strings that
  // programs write.
  void SeedString(RegKey root, std::wstring_view path, std::wstring_view name, std::wstring_view text,
                  std::uint32_t type = kRegSz);
  void SeedKey(RegKey root, std::wstring_view path);
  // A link key at `path` whose target is a kernel name (see KernelName).
  void SeedLink(RegKey root, std::wstring_view path, std::wstring_view target);

  struct StoredValue {
    std::uint32_t type;
    std::vector<std::uint8_t> data;
  };
  std::optional<StoredValue> Stored(RegKey root, std::wstring_view path, std::wstring_view name) const;
  bool HasKey(RegKey root, std::wstring_view path) const;
  bool IsLink(RegKey root, std::wstring_view path) const;
  std::vector<std::wstring> SubKeyNames(RegKey root, std::wstring_view path) const;

  // The name a link target uses for a physical key: L"\\REGISTRY\\Machine\\..."
  // or L"\\REGISTRY\\User\\<sid>\\...".
  static std::wstring KernelName(RegKey root, std::wstring_view path);

  // Fault injection, on physical paths (case-insensitive).
  // Open and create of this key fail with kErrorAccessDenied, and so does
  // creating a key directly under it.
  void DenyOpen(RegKey root, std::wstring_view path);
  // QueryValue on a handle of this key fails (kErrorAccessDenied) once the
  // value exists.
  void FailReads(RegKey root, std::wstring_view path);
  // SetValue / DeleteValue / DeleteKeyEx / DeleteOpenedKey on it fail
  // (kErrorAccessDenied).
  void FailWrites(RegKey root, std::wstring_view path);
  // RegDeleteKeyExW missing: DeleteKeyEx gives kErrorProcNotFound.
  void RemoveDeleteKeyEx();
  // Handles opened and not yet closed (leak checks).
  std::size_t OpenHandleCount() const;

 private:
  struct Node;
  struct Handle {
    std::shared_ptr<Node> node;
    std::uint32_t access;
  };
  struct WalkMode {
    bool view32 = false;    // the 32-bit view was asked for (or implied)
    bool redirect = false;  // apply the views (false while following a link)
    bool create = false;
    bool createLink = false;
    bool openLink = false;
  };

  Node* RootNode(RegKey root) const;
  Node* Software() const;
  Node* Classes() const;
  std::int32_t Lookup(RegKey key, std::uint32_t needed, Node*& node) const;
  std::int32_t Resolve(RegKey start, std::wstring_view subKey, std::uint32_t options, std::uint32_t access,
                       bool create, Node*& out);
  std::int32_t Walk(Node* start, const std::vector<std::wstring>& parts, const WalkMode& mode, int depth,
                    Node*& out);
  std::int32_t FollowLink(Node* link, bool create, int depth, Node*& out);
  std::int32_t StepInto(Node*& cur, std::wstring_view name, bool create);
  bool Wow64Logical(const Node* node, std::vector<std::wstring>& logical) const;
  bool ReachesSharedKey(const std::vector<std::wstring>& logical, const std::vector<std::wstring>& parts,
                        std::size_t from) const;
  std::vector<std::wstring> ListedSubKeys(const Node* node) const;
  std::int32_t DeleteNode(Node* node);
  RegKey NewHandle(Node* node, std::uint32_t access);

  Node* FindPhysical(RegKey root, std::wstring_view path) const;
  Node* MakePhysical(RegKey root, std::wstring_view path);
  static std::wstring FaultKey(RegKey root, std::wstring_view path);
  static std::wstring FaultKey(const Node* node);

  FakeWindows windows_;
  std::shared_ptr<Node> machine_;
  std::shared_ptr<Node> users_;
  std::map<RegKey, Handle> handles_;
  RegKey nextHandle_ = 0x100;
  std::set<std::wstring> deniedOpens_;
  std::set<std::wstring> failingReads_;
  std::set<std::wstring> failingWrites_;
  bool hasDeleteKeyEx_ = true;
};

}  // namespace zt::platform
