#pragma once
// Pictures: the image control and image lists.
#include <cstdint>
#include <string>
#include <vector>

#include "ui/control.h"

namespace zt::ui {

// A picture: PNG bytes, a resource of the program, or an icon handle the
// platform gave (kept by whoever obtained it).
struct Picture {
  std::vector<std::uint8_t> png{};
  std::wstring resourceName{};
  std::uintptr_t icon = 0;

  bool Empty() const { return png.empty() && resourceName.empty() && icon == 0; }
  bool operator==(const Picture&) const = default;
};

// The image control (no window of its own). AutoSize is carried out by the
// binding, which knows the picture's size, and reported with SetBounds.
class Image : public Control {
 public:
  std::wstring_view ClassName() const override { return L"TImage"; }

  const ui::Picture& Picture() const { return picture_; }
  void SetPicture(ui::Picture picture);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);
  bool Center() const { return center_; }
  void SetCenter(bool center);
  bool Proportional() const { return proportional_; }
  void SetProportional(bool proportional);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);

 private:
  void StyleChanged(bool& field, bool value);

  ui::Picture picture_;
  bool stretch_ = false;
  bool center_ = false;
  bool proportional_ = false;
  bool transparent_ = false;
  bool autoSize_ = false;
};

// A list of same-size pictures for list views (SmallImages).
class ImageList : public Component {
 public:
  std::wstring_view ClassName() const override { return L"TImageList"; }

  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetSize(int width, int height);

  int Count() const { return static_cast<int>(pictures_.size()); }
  const ui::Picture& Picture(int index) const { return pictures_.at(static_cast<std::size_t>(index)); }
  // Returns the new picture's index.
  int Add(ui::Picture picture);
  void Clear();

 private:
  int width_ = 16;
  int height_ = 16;
  std::vector<ui::Picture> pictures_;
};

}  // namespace zt::ui
