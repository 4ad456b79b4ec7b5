// The real program's windows: the splash, the main window's frame, and the
// pictures they name, which must be in the program file.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/main_form_layout.h"
#include "app/splash_form.h"
#include "e2e/program_runner.h"
#include "ui/kinds.h"
#include "ui/win32/png_picture.h"

namespace zt::e2e {
namespace {

constexpr wchar_t kSettingsKey[] = L"Software\\Morrowlab\\Zentory\\3.1";

bool KeyExists(const wchar_t* path) {
  HKEY key = nullptr;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  ::RegCloseKey(key);
  return true;
}

// "NoSplash" for the time of a test: set to a value or taken out; afterwards
// the value is put back as it was, and the keys made for it go again when
// nothing else came into them.
class NoSplashValue {
 public:
  explicit NoSplashValue(std::optional<DWORD> value) {
    for (const wchar_t* path : kChain) existed_.push_back(KeyExists(path));
    EXPECT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                                &key_, nullptr),
              ERROR_SUCCESS);
    DWORD size = sizeof(saved_);
    hadValue_ = ::RegQueryValueExW(key_, L"NoSplash", nullptr, &savedType_, saved_, &size) == ERROR_SUCCESS;
    savedSize_ = size;
    if (value) {
      ::RegSetValueExW(key_, L"NoSplash", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*value),
                       sizeof(DWORD));
    } else {
      ::RegDeleteValueW(key_, L"NoSplash");
    }
  }
  ~NoSplashValue() {
    if (hadValue_) {
      ::RegSetValueExW(key_, L"NoSplash", 0, savedType_, saved_, savedSize_);
    } else {
      ::RegDeleteValueW(key_, L"NoSplash");
    }
    ::RegCloseKey(key_);
    for (std::size_t i = kChain.size(); i-- > 0;) {
      if (!existed_[i] && IsEmpty(kChain[i])) ::RegDeleteKeyW(HKEY_CURRENT_USER, kChain[i]);
    }
  }

 private:
  static constexpr std::array<const wchar_t*, 3> kChain = {L"Software\\Morrowlab",
                                                           L"Software\\Morrowlab\\Zentory", kSettingsKey};
  static bool IsEmpty(const wchar_t* path) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    DWORD subkeys = 1, values = 1;
    ::RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr, nullptr,
                       nullptr, nullptr);
    ::RegCloseKey(key);
    return subkeys == 0 && values == 0;
  }

  HKEY key_ = nullptr;
  std::vector<bool> existed_;
  bool hadValue_ = false;
  DWORD savedType_ = 0;
  DWORD savedSize_ = 0;
  BYTE saved_[256] = {};
};

SIZE ClientSize(HWND window) {
  RECT client{};
  ::GetClientRect(window, &client);
  return {client.right, client.bottom};
}

// The splash: a captionless window on top of the others, the size of its picture.
bool IsSplash(HWND window) {
  SIZE size = ClientSize(window);
  return size.cx == 436 && size.cy == 197 && !(::GetWindowLongW(window, GWL_STYLE) & WS_CAPTION) &&
         (::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST(MainWindowE2E, ShowsTheFrameOnceTheSplashIsGoneAndClosesWithZero) {
  if (!RunsOnVistaOr7()) GTEST_SKIP() << "the program refuses to start here";
  struct Row {
    const char* name;
    std::optional<DWORD> noSplash;
    bool splash;
  } rows[] = {{"NoSplash 1", 1, false}, {"NoSplash missing", std::nullopt, true}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    NoSplashValue setting(row.noSplash);
    Running program;
    Launch(program, L"");
    DWORD id = program.info.dwProcessId;
    std::optional<RECT> splash;  // where it was seen last
    HWND main = WaitForWindow(
        program, [&] { return FindWindowOf(id, IsMainWindow); }, 60,
        [&] {
          if (HWND window = FindWindowOf(id, IsSplash)) {
            RECT rect;
            ::GetWindowRect(window, &rect);
            splash = rect;
          }
        });
    ASSERT_NE(main, nullptr) << "no main window";
    EXPECT_EQ(FindWindowOf(id, IsSplash), nullptr) << "the splash outlives the start";
    EXPECT_EQ(splash.has_value(), row.splash);
    if (splash) {
      // Centred on the screen, then moved up onto its copy of the screen.
      EXPECT_EQ(splash->left, (::GetSystemMetrics(SM_CXSCREEN) - 436) / 2);
      EXPECT_EQ(splash->top, (::GetSystemMetrics(SM_CYSCREEN) - 197) / 2 - 40);
    }

    SIZE client = ClientSize(main);
    EXPECT_EQ(client.cx, 656);
    EXPECT_EQ(client.cy, 499);
    LONG style = ::GetWindowLongW(main, GWL_STYLE);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(::GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_APPWINDOW) << "no task-bar button";
    ::PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForExit(program), 0u);
  }
}

void CollectPictures(const ui::Component& owner, std::vector<std::wstring>& names) {
  for (ui::Component* component : owner.Components()) {
    if (auto* image = dynamic_cast<ui::Image*>(component); image && !image->Picture().resourceName.empty())
      names.push_back(image->Picture().resourceName);
    CollectPictures(*component, names);
  }
}

TEST(ProgramResourcesE2E, EveryPictureTheWindowsNameIsInTheProgram) {
  HMODULE program = ::LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(program, nullptr);
  ui::Form mainForm;
  ui::layout::Build(mainForm, MainFormLayout());
  ui::Form splash;
  BuildSplashForm(splash);
  std::vector<std::wstring> names;
  CollectPictures(mainForm, names);
  CollectPictures(splash, names);
  ASSERT_GE(names.size(), 3u);
  for (const std::wstring& name : names) {
    SCOPED_TRACE(std::string(name.begin(), name.end()));
    HRSRC info = ::FindResourceW(program, name.c_str(), reinterpret_cast<LPCWSTR>(RT_RCDATA));
    ASSERT_NE(info, nullptr) << "missing";
    const void* data = ::LockResource(::LoadResource(program, info));
    auto picture = ui::win32::Picture::FromBytes(
        {static_cast<const std::uint8_t*>(data), ::SizeofResource(program, info)});
    ASSERT_NE(picture, nullptr) << "not a picture";
    if (name == L"SPLASH") {
      EXPECT_EQ(picture->Width(), 436);
      EXPECT_EQ(picture->Height(), 197);
    }
  }
  // The windows' and the tray's icon, in both sizes they ask for.
  for (int size : {0, 16}) {
    HANDLE icon = ::LoadImageW(program, L"MAINICON", IMAGE_ICON, size, size, size ? 0 : LR_DEFAULTSIZE);
    EXPECT_NE(icon, nullptr) << "no program icon of size " << size;
    if (icon) ::DestroyIcon(static_cast<HICON>(icon));
  }
  ::FreeLibrary(program);
}

}  // namespace
}  // namespace zt::e2e
