#include "platform/win32/win32_files.h"

#include <windows.h>

namespace zt::platform {

bool Win32Files::FileExists(std::wstring_view path) {
  DWORD attributes = ::GetFileAttributesW(std::wstring(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<FolderEntry> Win32Files::ListFolder(std::wstring_view pattern) {
  std::vector<FolderEntry> entries;
  WIN32_FIND_DATAW data;
  HANDLE find = ::FindFirstFileW(std::wstring(pattern).c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return entries;
  do {
    entries.push_back({data.cFileName, data.dwFileAttributes});
  } while (::FindNextFileW(find, &data));
  ::FindClose(find);
  return entries;
}

std::vector<std::uint8_t> Win32Files::ReadWholeFile(std::wstring_view path) {
  std::wstring name(path);
  HANDLE file = ::CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw FileError(name, ::GetLastError());
  struct Closer {
    HANDLE handle;
    ~Closer() { ::CloseHandle(handle); }
  } closer{file};

  // Read to the end rather than trusting the size, which is only a hint.
  constexpr DWORD kChunk = 65536;
  std::vector<std::uint8_t> bytes;
  LARGE_INTEGER size;
  if (::GetFileSizeEx(file, &size) && size.QuadPart > 0 && size.QuadPart < 0x40000000)
    bytes.reserve(static_cast<std::size_t>(size.QuadPart) + kChunk);
  for (;;) {
    std::size_t filled = bytes.size();
    bytes.resize(filled + kChunk);
    DWORD read = 0;
    if (!::ReadFile(file, bytes.data() + filled, kChunk, &read, nullptr))
      throw FileError(name, ::GetLastError());
    bytes.resize(filled + read);
    if (read == 0) return bytes;
  }
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
