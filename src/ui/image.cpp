#include "ui/image.h"

namespace zt::ui {

void Image::SetPicture(ui::Picture picture) {
  if (picture == picture_) return;
  picture_ = std::move(picture);
  Changed(Property::Picture);
}

void Image::StyleChanged(bool& field, bool value) {
  if (field == value) return;
  field = value;
  Changed(Property::Style);
}

void Image::SetStretch(bool stretch) { StyleChanged(stretch_, stretch); }
void Image::SetCenter(bool center) { StyleChanged(center_, center); }
void Image::SetProportional(bool proportional) { StyleChanged(proportional_, proportional); }
void Image::SetTransparent(bool transparent) { StyleChanged(transparent_, transparent); }
void Image::SetAutoSize(bool autoSize) { StyleChanged(autoSize_, autoSize); }

void ImageList::SetSize(int width, int height) {
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  pictures_.clear();
  Changed(Property::Items);
}

int ImageList::Add(ui::Picture picture) {
  pictures_.push_back(std::move(picture));
  Changed(Change::List(Property::Items, ListChange::Inserted, Count() - 1));
  return Count() - 1;
}

void ImageList::Clear() {
  if (pictures_.empty()) return;
  pictures_.clear();
  Changed(Property::Items);
}

}  // namespace zt::ui
