#include "platform/win32/win32_registry.h"

#include <windows.h>
// sddl.h needs the declarations windows.h makes.
#include <sddl.h>

#include <string>
#include <vector>

namespace zt::platform {

namespace {

HKEY ToHkey(RegKey key) { return reinterpret_cast<HKEY>(key); }

// Names reach advapi32 NUL-terminated; a view may not be.
std::wstring Terminated(std::wstring_view text) { return std::wstring(text); }

using RegDeleteKeyExWFn = LONG(WINAPI*)(HKEY, LPCWSTR, REGSAM, DWORD);
using NtDeleteKeyFn = LONG(NTAPI*)(HANDLE);
using RtlNtStatusToDosErrorFn = ULONG(NTAPI*)(LONG);

template <typename Fn>
Fn Lookup(HMODULE module, const char* name) {
  if (!module) return nullptr;
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

// advapi32 by its full path in the system folder, so that no copy planted
// beside the program or in the current folder is picked up.
HMODULE SystemAdvapi32() {
  wchar_t folder[MAX_PATH];
  UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  std::wstring path(folder, length);
  if (path.back() != L'\\') path += L'\\';
  path += L"advapi32.dll";
  return ::LoadLibraryW(path.c_str());
}

RegDeleteKeyExWFn DeleteKeyExFunction() {
  // Resolved once: the module stays loaded for the life of the process.
  static const RegDeleteKeyExWFn function = Lookup<RegDeleteKeyExWFn>(SystemAdvapi32(), "RegDeleteKeyExW");
  return function;
}

}  // namespace

std::int32_t Win32Registry::OpenKey(RegKey root, std::wstring_view subKey, std::uint32_t options,
                                    std::uint32_t access, RegKey& result) {
  HKEY opened = nullptr;
  LONG status = ::RegOpenKeyExW(ToHkey(root), Terminated(subKey).c_str(), options, access, &opened);
  if (status == ERROR_SUCCESS) result = reinterpret_cast<RegKey>(opened);
  return status;
}

std::int32_t Win32Registry::CreateKey(RegKey root, std::wstring_view subKey, std::uint32_t options,
                                      std::uint32_t access, RegKey& result) {
  HKEY created = nullptr;
  LONG status = ::RegCreateKeyExW(ToHkey(root), Terminated(subKey).c_str(), 0, nullptr, options, access,
                                  nullptr, &created, nullptr);
  if (status == ERROR_SUCCESS) result = reinterpret_cast<RegKey>(created);
  return status;
}

std::int32_t Win32Registry::QueryValue(RegKey key, std::wstring_view name, std::uint32_t* type,
                                       std::uint8_t* data, std::uint32_t* size) {
  // DWORD is unsigned long here: go through locals and copy back, which keeps
  // whatever advapi32 leaves untouched untouched.
  DWORD typeOut = type ? *type : 0;
  DWORD sizeOut = size ? *size : 0;
  LONG status = ::RegQueryValueExW(ToHkey(key), Terminated(name).c_str(), nullptr, type ? &typeOut : nullptr,
                                   data, size ? &sizeOut : nullptr);
  if (type) *type = typeOut;
  if (size) *size = sizeOut;
  return status;
}

std::int32_t Win32Registry::SetValue(RegKey key, std::wstring_view name, std::uint32_t type,
                                     const std::uint8_t* data, std::uint32_t size) {
  return ::RegSetValueExW(ToHkey(key), Terminated(name).c_str(), 0, type, data, size);
}

std::int32_t Win32Registry::EnumKey(RegKey key, std::uint32_t index, std::wstring& name) {
  wchar_t buffer[256];  // the longest key name is 255 characters
  DWORD length = 256;
  LONG status = ::RegEnumKeyExW(ToHkey(key), index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
  if (status == ERROR_SUCCESS) name.assign(buffer, length);
  return status;
}

std::int32_t Win32Registry::EnumValue(RegKey key, std::uint32_t index, std::wstring& name) {
  std::wstring buffer(16384, L'\0');  // the longest value name is 16383 characters
  DWORD length = static_cast<DWORD>(buffer.size());
  LONG status =
      ::RegEnumValueW(ToHkey(key), index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
  if (status == ERROR_SUCCESS) name.assign(buffer.data(), length);
  return status;
}

std::int32_t Win32Registry::DeleteValue(RegKey key, std::wstring_view name) {
  return ::RegDeleteValueW(ToHkey(key), Terminated(name).c_str());
}

std::int32_t Win32Registry::DeleteKeyEx(RegKey key, std::wstring_view subKey, std::uint32_t access) {
  RegDeleteKeyExWFn function = DeleteKeyExFunction();
  if (!function) return ERROR_PROC_NOT_FOUND;
  return function(ToHkey(key), Terminated(subKey).c_str(), access, 0);
}

std::int32_t Win32Registry::DeleteOpenedKey(RegKey key) {
  HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
  auto deleteKey = Lookup<NtDeleteKeyFn>(ntdll, "NtDeleteKey");
  auto toDosError = Lookup<RtlNtStatusToDosErrorFn>(ntdll, "RtlNtStatusToDosError");
  if (!deleteKey || !toDosError) return ERROR_PROC_NOT_FOUND;
  LONG status = deleteKey(reinterpret_cast<HANDLE>(key));
  return status == 0 ? ERROR_SUCCESS : static_cast<std::int32_t>(toDosError(status));
}

std::int32_t Win32Registry::CloseKey(RegKey key) { return ::RegCloseKey(ToHkey(key)); }

std::wstring CurrentUserKernelName() {
  HANDLE token = nullptr;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token)) return {};
  DWORD length = 0;
  ::GetTokenInformation(token, TokenUser, nullptr, 0, &length);
  std::vector<BYTE> buffer(length);
  std::wstring name;
  if (length && ::GetTokenInformation(token, TokenUser, buffer.data(), length, &length)) {
    wchar_t* sid = nullptr;
    if (::ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, &sid)) {
      name = std::wstring(L"\\REGISTRY\\USER\\") + sid;
      ::LocalFree(sid);
    }
  }
  ::CloseHandle(token);
  return name;
}

}  // namespace zt::platform
