#pragma once
// The dialogs port.
#include <cstdint>
#include <string>
#include <string_view>

namespace zt::platform {

// MessageBoxW styles and answers.
inline constexpr std::uint32_t kMbOk = 0x00000000;
inline constexpr std::uint32_t kMbOkCancel = 0x00000001;
inline constexpr std::uint32_t kMbYesNoCancel = 0x00000003;
inline constexpr std::uint32_t kMbYesNo = 0x00000004;
inline constexpr std::uint32_t kMbIconError = 0x00000010;
inline constexpr std::uint32_t kMbIconQuestion = 0x00000020;
inline constexpr std::uint32_t kMbIconWarning = 0x00000030;
inline constexpr std::uint32_t kMbIconInformation = 0x00000040;

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // MessageBoxW owned by the application window; 0 when it cannot be shown.
  virtual int ShowMessageBox(std::wstring_view text, std::wstring_view caption, std::uint32_t style) = 0;
};

}  // namespace zt::platform
