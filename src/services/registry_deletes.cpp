// Deletions of values and of whole key trees, and the two silent checks.
#include <vector>

#include "services/registry_common.h"

namespace zt {

using namespace registry_detail;

namespace {

// A key opened with kRegOptionOpenLink is the link itself; what makes it a
// link is its REG_LINK value "SymbolicLinkValue".
bool IsSymbolicLink(platform::Registry& registry, platform::RegKey opened) {
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  return registry.QueryValue(opened, L"SymbolicLinkValue", &type, nullptr, &size) ==
             platform::kErrorSuccess &&
         type == platform::kRegLink;
}

std::vector<std::wstring> SubKeyNames(platform::Registry& registry, platform::RegKey opened) {
  std::vector<std::wstring> names;
  std::wstring name;
  while (registry.EnumKey(opened, static_cast<std::uint32_t>(names.size()), name) ==
         platform::kErrorSuccess) {
    names.push_back(name);
  }
  return names;
}

// Children first, each reporting itself. Links are never followed: opening
// with kRegOptionOpenLink gives the link key, which is removed on its own, so
// that a link to elsewhere cannot take its target's tree with it.
bool DeleteKeyTree(const RegistryAccess& access, bool view32, platform::RegKey root,
                   const std::wstring& key) {
  const std::uint32_t mask = FullMask(view32);
  bool deleted = false;
  {
    ScopedKey opened(access.registry);
    if (opened.Open(root, key, platform::kRegOptionOpenLink, mask)) {
      if (IsSymbolicLink(access.registry, opened.Handle())) {
        deleted = access.registry.DeleteOpenedKey(opened.Handle()) == platform::kErrorSuccess;
      } else {
        for (const std::wstring& name : SubKeyNames(access.registry, opened.Handle())) {
          DeleteKeyTree(access, view32, root, key + L'\\' + name);
        }
        opened.Close();
        ScopedKey toDelete(access.registry);
        deleted = toDelete.Open(root, key, 0, mask) &&
                  access.registry.DeleteKeyEx(root, key, mask) == platform::kErrorSuccess;
      }
    }
  }
  EntryPrinter(access, true, root, key).KeyEvent(deleted ? L"DELETE_KEY" : L"ERR_DEL_KEY");
  return deleted;
}

}  // namespace

std::int32_t DeleteRegKey(const RegistryAccess& access, bool view32, platform::RegKey root,
                          std::wstring_view key) {
  if (key.empty()) {
    // An empty path names the root itself: its subtree is never emptied.
    EntryPrinter(access, true, root, key).KeyEvent(L"ERR_DEL_KEY");
    return 0;
  }
  return DeleteKeyTree(access, view32, root, std::wstring(key)) ? 1 : 0;
}

std::int32_t DeleteRegValue(const RegistryAccess& access, bool view32, platform::RegKey root,
                            std::wstring_view key, std::wstring_view name) {
  EntryPrinter printer(access, true, root, key, name);
  ScopedKey opened(access.registry);
  if (!opened.Open(root, key, 0, FullMask(view32))) {
    printer.KeyEvent(L"NO_KEY");
    return 0;
  }
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  std::int32_t rc = access.registry.QueryValue(opened.Handle(), name, &type, nullptr, &size);
  if (rc == platform::kErrorFileNotFound) {
    printer.ValueEvent(L"NO_VALUE");
    return 0;
  }
  if (rc != platform::kErrorSuccess ||
      access.registry.DeleteValue(opened.Handle(), name) != platform::kErrorSuccess) {
    printer.ValueEvent(L"ERR_DEL_VALUE");
    return 0;
  }
  printer.ValueDeletedEvent();
  return 1;
}

bool RegValueExists(const RegistryAccess& access, bool view32, platform::RegKey root, std::wstring_view key,
                    std::wstring_view name) {
  ScopedKey opened(access.registry);
  if (!opened.Open(root, key, 0, FullMask(view32))) return false;
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  return access.registry.QueryValue(opened.Handle(), name, &type, nullptr, &size) == platform::kErrorSuccess;
}

bool RegKeyExists(const RegistryAccess& access, bool view32, platform::RegKey root, std::wstring_view key) {
  ScopedKey opened(access.registry);
  return opened.Open(root, key, 0, ExistsMask(view32));
}

}  // namespace zt
