#include "platform/fake/fake_files.h"

#include <cwctype>

namespace zt::platform {

namespace {

std::wstring Upper(std::wstring_view s) {
  std::wstring out(s);
  for (auto& c : out) c = static_cast<wchar_t>(std::towupper(c));
  return out;
}

}  // namespace

bool FakeFiles::FileExists(std::wstring_view path) {
  auto wanted = Upper(path);
  for (const auto& f : files)
    if (Upper(f) == wanted) return true;
  return false;
}

std::optional<std::vector<std::uint8_t>> FakeFiles::ModuleRcData(std::wstring_view name) {
  auto it = rcData.find(Upper(name));
  if (it == rcData.end()) return std::nullopt;
  return it->second;
}

}  // namespace zt::platform
