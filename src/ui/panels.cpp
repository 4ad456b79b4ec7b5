#include "ui/panels.h"

namespace zt::ui {

std::vector<StringProperty> GroupBox::StringProperties() {
  auto list = Control::StringProperties();
  list.insert(list.begin(), CaptionProperty(L"Caption"));
  return list;
}

void Panel::SetBevelOuter(PanelBevel bevel) {
  if (bevel == bevelOuter_) return;
  bevelOuter_ = bevel;
  Changed(Property::Style);
}

void Panel::SetParentBackground(bool parentBackground) {
  if (parentBackground == parentBackground_) return;
  parentBackground_ = parentBackground;
  Changed(Property::Style);
}

std::vector<StringProperty> Panel::StringProperties() {
  auto list = Control::StringProperties();
  list.insert(list.begin(), CaptionProperty(L"Caption"));
  return list;
}

void Frame::SetAutoScroll(bool autoScroll) {
  if (autoScroll == autoScroll_) return;
  autoScroll_ = autoScroll;
  Changed(Property::Style);
}

void Bevel::SetShape(BevelShape shape) {
  if (shape == shape_) return;
  shape_ = shape;
  Changed(Property::Style);
}

void Bevel::SetStyle(BevelStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed(Property::Style);
}

}  // namespace zt::ui
