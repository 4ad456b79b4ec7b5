#pragma once
#include "platform/session.h"

namespace zt::platform {

class Win32Session : public Session {
 public:
  bool QueryVersion(OsVersionInfo& info) override;
  Wow64Answer IsWow64Process() override;
  std::uint32_t AnsiCodePage() override;
  std::uint32_t LanguageAnsiCodePage(std::uint16_t langId) override;
  std::wstring LanguageName(std::uint16_t langId) override;
  std::wstring DecodeAnsi(std::uint32_t codePage, std::string_view bytes) override;
};

}  // namespace zt::platform
