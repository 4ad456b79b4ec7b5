#include "platform/win32/win32_files.h"

#include <windows.h>

namespace zt::platform {

bool Win32Files::FileExists(std::wstring_view path) {
  DWORD attributes = ::GetFileAttributesW(std::wstring(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring Win32Files::ModuleFileName() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::optional<std::vector<std::uint8_t>> Win32Files::ModuleRcData(std::wstring_view name) {
  HMODULE module = ::GetModuleHandleW(nullptr);
  HRSRC info = ::FindResourceW(module, std::wstring(name).c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (!info) return std::nullopt;
  HGLOBAL handle = ::LoadResource(module, info);
  const void* data = handle ? ::LockResource(handle) : nullptr;
  if (!data) return std::nullopt;
  auto bytes = static_cast<const std::uint8_t*>(data);
  return std::vector<std::uint8_t>(bytes, bytes + ::SizeofResource(module, info));
}

}  // namespace zt::platform
