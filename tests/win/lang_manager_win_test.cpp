#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/utf16.h"
#include "l10n/language_manager.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_session.h"

namespace zt {
namespace {

// A folder of the test's own under %TEMP%, removed with its files afterwards.
class LangManagerWin : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    ASSERT_GT(::GetTempPathW(MAX_PATH, temp), 0u);
    dir_ = std::wstring(temp) + L"zt_lang_" + std::to_wstring(::GetCurrentProcessId());
    ASSERT_TRUE(::CreateDirectoryW(dir_.c_str(), nullptr) || ::GetLastError() == ERROR_ALREADY_EXISTS);
  }
  void TearDown() override {
    for (const auto& name : written_) ::DeleteFileW((dir_ + L"\\" + name).c_str());
    ::RemoveDirectoryW(dir_.c_str());
  }

  void Write(const std::wstring& name, std::wstring_view text) {
    std::vector<std::uint8_t> bytes{0xFF, 0xFE};
    auto units = ToUtf16LeBytes(text);
    bytes.insert(bytes.end(), units.begin(), units.end());
    HANDLE file = ::CreateFileW((dir_ + L"\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
    ASSERT_EQ(written, bytes.size());
    written_.push_back(name);
  }

  std::wstring dir_;
  std::vector<std::wstring> written_;
  platform::Win32Files files;
  platform::Win32Session session;
};

TEST_F(LangManagerWin, ScansRealFilesAndNamesLanguagesFromTheLocaleData) {
  Write(L"russian.lng", L"LANGID=1049\r\n[$CONSTANTS]\r\nLangTTL=\u042f\u0437\u044b\u043a\r\n");
  Write(L"german.lng", L"LANGID=1031\r\n[$CONSTANTS]\r\nLangTTL=Sprache\r\n");
  Write(L"notes.txt", L"LANGID=1036");

  TDKLanguageManager manager(files, session);
  ASSERT_EQ(manager.ScanForLangFiles(dir_, L"*.lng", false), 2);
  ASSERT_EQ(manager.LanguageCount(), 3);
  EXPECT_EQ(manager.LanguageIDAt(0), 1033);
  // The listing order is the file system's own.
  std::vector<std::uint16_t> ids{manager.LanguageIDAt(1), manager.LanguageIDAt(2)};
  std::sort(ids.begin(), ids.end());
  EXPECT_EQ(ids, (std::vector<std::uint16_t>{1031, 1049}));
  for (int i = 0; i < manager.LanguageCount(); ++i) {
    std::wstring name = manager.LanguageNameAt(i);
    SCOPED_TRACE(manager.LanguageIDAt(i));
    EXPECT_FALSE(name.empty());
    EXPECT_NE(name, std::to_wstring(manager.LanguageIDAt(i))) << "Windows should know this language";
  }

  manager.SetLanguageID(1049);
  EXPECT_EQ(manager.LangConst(L"LangTTL"), L"\u042f\u0437\u044b\u043a");
  EXPECT_EQ(manager.CodePage(), 1251u);
  manager.SetLanguageID(1033);
  EXPECT_EQ(manager.LangConst(L"LangTTL"), L"Language");
}

TEST_F(LangManagerWin, AFileOpenForWritingElsewhereCannotBeRead) {
  Write(L"busy.lng", L"LANGID=1049");
  HANDLE writer =
      ::CreateFileW((dir_ + L"\\busy.lng").c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  TDKLanguageManager manager(files, session);
  try {
    manager.ScanForLangFiles(dir_, L"*.lng", false);
    ADD_FAILURE() << "no error";
  } catch (const platform::FileError& e) {
    EXPECT_EQ(e.Code(), static_cast<std::uint32_t>(ERROR_SHARING_VIOLATION));
  }
  ::CloseHandle(writer);
  EXPECT_EQ(manager.ScanForLangFiles(dir_, L"*.lng", false), 1);
}

TEST_F(LangManagerWin, UnknownLanguagesAreNamedByTheirNumber) {
  EXPECT_EQ(session.LanguageName(0x1234), L"");
  Write(L"unknown.lng", L"LANGID=4660");  // 0x1234
  TDKLanguageManager manager(files, session);
  ASSERT_EQ(manager.ScanForLangFiles(dir_ + L"\\", L"*.lng", false), 1);
  EXPECT_EQ(manager.LanguageNameAt(1), L"4660");
}

}  // namespace
}  // namespace zt
