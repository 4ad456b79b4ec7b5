#pragma once
// The session port: what the running Windows is, and its locale.
#include <cstdint>
#include <string>
#include <string_view>

namespace zt::platform {

// The fields of OSVERSIONINFOW that the program reads.
struct OsVersionInfo {
  std::uint32_t majorVersion = 0;
  std::uint32_t minorVersion = 0;
  std::uint32_t buildNumber = 0;
  std::uint32_t platformId = 0;
  std::wstring csdVersion;  // at most 128 characters
};

// IsWow64Process, looked up in kernel32 at run time.
enum class Wow64Answer { FunctionMissing, CallFailed, No, Yes };

class Session {
 public:
  virtual ~Session() = default;

  // GetVersionExW with an OSVERSIONINFOW of size 276; false when it fails.
  virtual bool QueryVersion(OsVersionInfo& info) = 0;
  virtual Wow64Answer IsWow64Process() = 0;

  // GetACP.
  virtual std::uint32_t AnsiCodePage() = 0;
  // The default ANSI code page of a language (LOCALE_IDEFAULTANSICODEPAGE);
  // the system's when the language is unknown.
  virtual std::uint32_t LanguageAnsiCodePage(std::uint16_t langId) = 0;
  // The language's name in the user's language (LOCALE_SLANGUAGE); empty
  // when Windows knows no such language.
  virtual std::wstring LanguageName(std::uint16_t langId) = 0;
  // MultiByteToWideChar.
  virtual std::wstring DecodeAnsi(std::uint32_t codePage, std::string_view bytes) = 0;
};

}  // namespace zt::platform
