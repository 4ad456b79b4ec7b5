#pragma once
#include <map>

#include "platform/session.h"

namespace zt::platform {

// A scripted Windows: version, WOW64 and the locale the tests set.
class FakeSession : public Session {
 public:
  OsVersionInfo version{6, 1, 7601, 2, L"Service Pack 1"};
  bool versionQueryFails = false;
  Wow64Answer wow64 = Wow64Answer::Yes;
  std::uint32_t ansiCodePage = 1252;
  std::map<std::uint16_t, std::uint32_t> languageCodePages{{1033, 1252}, {1049, 1251}, {1031, 1252}};
  std::map<std::uint16_t, std::wstring> languageNames{
      {1033, L"English (United States)"}, {1049, L"Russian"}, {1031, L"German (Germany)"}};

  bool QueryVersion(OsVersionInfo& info) override;
  Wow64Answer IsWow64Process() override { return wow64; }
  std::uint32_t AnsiCodePage() override { return ansiCodePage; }
  std::uint32_t LanguageAnsiCodePage(std::uint16_t langId) override;
  std::wstring LanguageName(std::uint16_t langId) override;
  // Knows code pages 1252 and 1251; any other decodes as ISO 8859-1.
  std::wstring DecodeAnsi(std::uint32_t codePage, std::string_view bytes) override;
};

}  // namespace zt::platform
