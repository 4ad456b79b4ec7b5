#include "platform/fake/fake_files.h"

#include <cwctype>

namespace zt::platform {

namespace {

wchar_t Fold(wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); }

std::wstring Upper(std::wstring_view s) {
  std::wstring out(s);
  for (auto& c : out) c = Fold(c);
  return out;
}

bool SameText(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Fold(a[i]) != Fold(b[i])) return false;
  return true;
}

// The name below `folder` that `path` lies in: the path's own name when it is
// a direct child, else the first folder on the way. Empty when `path` is not
// below `folder`.
std::wstring_view ChildName(std::wstring_view path, std::wstring_view folder, bool& direct) {
  if (path.size() <= folder.size() + 1 || path[folder.size()] != L'\\' ||
      !SameText(path.substr(0, folder.size()), folder))
    return {};
  std::wstring_view rest = path.substr(folder.size() + 1);
  auto slash = rest.find(L'\\');
  direct = slash == std::wstring_view::npos;
  return direct ? rest : rest.substr(0, slash);
}

bool IsDriveRoot(std::wstring_view folder) { return folder.size() == 2 && folder[1] == L':'; }

}  // namespace

bool NoCaseLess::operator()(std::wstring_view a, std::wstring_view b) const {
  std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    wchar_t ca = Fold(a[i]), cb = Fold(b[i]);
    if (ca != cb) return ca < cb;
  }
  return a.size() < b.size();
}

bool MatchesMask(std::wstring_view name, std::wstring_view mask) {
  // Greedy match that backtracks only to the last "*": linear in practice.
  std::size_t n = 0, m = 0, starMask = std::wstring_view::npos, starName = 0;
  while (n < name.size()) {
    if (m < mask.size() && (mask[m] == L'?' || (mask[m] != L'*' && Fold(mask[m]) == Fold(name[n])))) {
      ++n, ++m;
    } else if (m < mask.size() && mask[m] == L'*') {
      starMask = m++;
      starName = n;
    } else if (starMask != std::wstring_view::npos) {
      m = starMask + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == L'*') ++m;
  return m == mask.size();
}

bool FakeFiles::FileExists(std::wstring_view path) { return files.find(path) != files.end(); }

bool FakeFiles::FolderExists(std::wstring_view path) const {
  if (folders.find(path) != folders.end()) return true;
  bool direct;
  for (const auto& [file, _] : files)
    if (!ChildName(file, path, direct).empty()) return true;
  for (const auto& [folder, _] : folders)
    if (!ChildName(folder, path, direct).empty()) return true;
  return false;
}

std::vector<FolderEntry> FakeFiles::ListFolder(std::wstring_view pattern) {
  auto slash = pattern.rfind(L'\\');
  std::wstring_view folder =
      slash == std::wstring_view::npos ? std::wstring_view{} : pattern.substr(0, slash);
  std::wstring_view mask = slash == std::wstring_view::npos ? pattern : pattern.substr(slash + 1);
  while (!folder.empty() && folder.back() == L'\\') folder.remove_suffix(1);
  if (!FolderExists(folder)) return {};

  auto folderAttributes = [&](std::wstring_view name) {
    auto it = folders.find(std::wstring(folder) + L"\\" + std::wstring(name));
    return (it == folders.end() ? 0u : it->second) | kFileAttributeDirectory;
  };
  std::map<std::wstring, std::uint32_t, NoCaseLess> children;
  bool direct;
  for (const auto& [path, file] : files) {
    auto name = ChildName(path, folder, direct);
    if (!name.empty()) children.emplace(name, direct ? file.attributes : folderAttributes(name));
  }
  for (const auto& [path, attributes] : folders) {
    auto name = ChildName(path, folder, direct);
    if (!name.empty()) children.emplace(name, folderAttributes(name));
  }

  std::vector<FolderEntry> out;
  if (!IsDriveRoot(folder)) {
    for (const wchar_t* dots : {L".", L".."})
      if (MatchesMask(dots, mask)) out.push_back({dots, kFileAttributeDirectory});
  }
  for (const auto& [name, attributes] : children)
    if (MatchesMask(name, mask)) out.push_back({name, attributes});
  return out;
}

std::vector<std::uint8_t> FakeFiles::ReadWholeFile(std::wstring_view path) {
  auto it = files.find(path);
  if (it == files.end())
    throw FileError(std::wstring(path), FolderExists(path) ? kFileErrorAccessDenied : kFileErrorFileNotFound);
  if (it->second.openError != 0) throw FileError(std::wstring(path), it->second.openError);
  return it->second.contents;
}

std::optional<std::vector<std::uint8_t>> FakeFiles::ModuleRcData(std::wstring_view name) {
  auto it = rcData.find(Upper(name));
  if (it == rcData.end()) return std::nullopt;
  return it->second;
}

}  // namespace zt::platform
