#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace zt::ui::win32 {

// A decoded picture (PNG or any other format GDI+ reads), drawn with its
// alpha channel over whatever the target already shows.
class Picture {
 public:
  ~Picture();
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  // Null when the bytes are not a picture.
  static std::unique_ptr<Picture> FromBytes(std::span<const std::uint8_t> bytes);
  // An RCDATA resource of this module; null when it is missing or no picture.
  static std::unique_ptr<Picture> FromResource(const std::wstring& name);

  int Width() const { return width_; }
  int Height() const { return height_; }
  void Draw(HDC dc, const RECT& target) const;
  // An icon of the picture with its alpha (the caller destroys it); null on failure.
  HICON CreateIcon() const;

 private:
  explicit Picture(void* bitmap);
  void* bitmap_;  // GpBitmap*
  int width_ = 0;
  int height_ = 0;
};

}  // namespace zt::ui::win32
