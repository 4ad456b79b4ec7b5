#include "platform/win32/win32_session.h"

#include <windows.h>

#include <cwchar>

namespace zt::platform {

bool Win32Session::QueryVersion(OsVersionInfo& info) {
  OSVERSIONINFOW os{};
  os.dwOSVersionInfoSize = sizeof(os);  // 276
  static_assert(sizeof(OSVERSIONINFOW) == 276);
  if (!::GetVersionExW(&os)) return false;
  info.majorVersion = os.dwMajorVersion;
  info.minorVersion = os.dwMinorVersion;
  info.buildNumber = os.dwBuildNumber;
  info.platformId = os.dwPlatformId;
  info.csdVersion.assign(os.szCSDVersion, wcsnlen(os.szCSDVersion, 128));
  return true;
}

Wow64Answer Win32Session::IsWow64Process() {
  using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
  HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
  auto fn = kernel ? reinterpret_cast<IsWow64ProcessFn>(
                         reinterpret_cast<void*>(::GetProcAddress(kernel, "IsWow64Process")))
                   : nullptr;
  if (!fn) return Wow64Answer::FunctionMissing;
  BOOL flag = FALSE;
  if (!fn(::GetCurrentProcess(), &flag)) return Wow64Answer::CallFailed;
  return flag ? Wow64Answer::Yes : Wow64Answer::No;
}

std::uint32_t Win32Session::AnsiCodePage() { return ::GetACP(); }

std::uint32_t Win32Session::LanguageAnsiCodePage(std::uint16_t langId) {
  wchar_t buffer[6];
  if (!::GetLocaleInfoW(MAKELCID(langId, SORT_DEFAULT), LOCALE_IDEFAULTANSICODEPAGE, buffer, 6))
    return ::GetACP();
  return static_cast<std::uint32_t>(std::wcstoul(buffer, nullptr, 10));
}

std::wstring Win32Session::LanguageName(std::uint16_t langId) {
  LCID locale = MAKELCID(langId, SORT_DEFAULT);
  int n = ::GetLocaleInfoW(locale, LOCALE_SLANGUAGE, nullptr, 0);
  if (n <= 0) return {};
  std::wstring name(static_cast<std::size_t>(n), L'\0');
  n = ::GetLocaleInfoW(locale, LOCALE_SLANGUAGE, name.data(), n);
  if (n <= 0) return {};
  name.resize(static_cast<std::size_t>(n - 1));  // the count includes the terminator
  return name;
}

std::wstring Win32Session::DecodeAnsi(std::uint32_t codePage, std::string_view bytes) {
  if (bytes.empty()) return {};
  int n = ::MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) ::MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), n);
  return out;
}

}  // namespace zt::platform
