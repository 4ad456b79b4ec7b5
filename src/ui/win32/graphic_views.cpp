#include "ui/win32/graphic_views.h"

#include <algorithm>

#include "ui/win32/gdi_cache.h"

namespace zt::ui::win32 {

namespace {

void Line(HDC dc, COLORREF color, int x1, int y1, int x2, int y2) {
  HPEN pen = ::CreatePen(PS_SOLID, 1, color);
  HGDIOBJ old = ::SelectObject(dc, pen);
  ::MoveToEx(dc, x1, y1, nullptr);
  ::LineTo(dc, x2, y2);
  ::SelectObject(dc, old);
  ::DeleteObject(pen);
}

void Fill(HDC dc, const RECT& box, COLORREF color) {
  ::SetBkColor(dc, color);
  ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &box, nullptr, 0, nullptr);
}

}  // namespace

UINT LabelView::TextFlags() const {
  UINT flags = DT_EXPANDTABS;
  if (label_.WordWrap()) flags |= DT_WORDBREAK;
  switch (label_.Alignment()) {
    case ui::Alignment::taCenter:
      flags |= DT_CENTER;
      break;
    case ui::Alignment::taRightJustify:
      flags |= DT_RIGHT;
      break;
    default:
      break;
  }
  return flags;
}

void LabelView::Realise() {
  FitText();
  GraphicView::Realise();
}

void LabelView::FitText() {
  if (!label_.AutoSize()) return;
  HDC dc = ::GetDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, ModelFont());
  // An empty caption still takes one line, as in the framework.
  std::wstring text = label_.Caption().empty() ? std::wstring(L" ") : label_.Caption();
  RECT box{0, 0, label_.WordWrap() ? std::max(label_.Width(), 1) : 0, 0};
  ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, TextFlags() | DT_CALCRECT);
  ::SelectObject(dc, old);
  ::ReleaseDC(nullptr, dc);
  int left = label_.Left();
  // A right-aligned label keeps its right edge.
  if (label_.Alignment() == ui::Alignment::taRightJustify && !label_.WordWrap()) {
    left += label_.Width() - box.right;
  }
  label_.SetBounds(left, label_.Top(), box.right, box.bottom);
}

void LabelView::Paint(HDC dc, const RECT& box) {
  if (!label_.Transparent()) Fill(dc, box, BackgroundColor());
  const std::wstring& caption = label_.Caption();
  if (caption.empty()) return;
  HGDIOBJ old = ::SelectObject(dc, ModelFont());
  ::SetBkMode(dc, TRANSPARENT);
  RECT text = box;
  if (label_.Enabled()) {
    ::SetTextColor(dc, FontColor());
    ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, TextFlags());
  } else {
    // Disabled text is embossed, as the framework draws it.
    ::OffsetRect(&text, 1, 1);
    ::SetTextColor(dc, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, TextFlags());
    ::OffsetRect(&text, -1, -1);
    ::SetTextColor(dc, ::GetSysColor(COLOR_BTNSHADOW));
    ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, TextFlags());
  }
  ::SelectObject(dc, old);
}

void LabelView::FontChanged() {
  FitText();
  GraphicView::FontChanged();
}

void LabelView::CaptionChanged() {
  FitText();
  GraphicView::CaptionChanged();
}

void LabelView::OtherChanged(const ui::Change& change) {
  if (change.property != ui::Property::Style) return;
  FitText();
  Invalidate();
}

void ImageView::Realise() {
  Reload();
  GraphicView::Realise();
}

void ImageView::Reload() {
  picture_.reset();
  decoded_ = false;
  FitPicture();
}

const Picture* ImageView::Decoded() const {
  if (!decoded_) {
    decoded_ = true;
    const ui::Picture& picture = image_.Picture();
    if (!picture.png.empty()) {
      picture_ = Picture::FromBytes(picture.png);
    } else if (!picture.resourceName.empty()) {
      picture_ = Picture::FromResource(picture.resourceName);
    }
  }
  return picture_.get();
}

SIZE ImageView::PictureSize() const {
  if (const Picture* picture = Decoded()) return {picture->Width(), picture->Height()};
  if (HICON icon = reinterpret_cast<HICON>(image_.Picture().icon)) {
    ICONINFO info{};
    SIZE size{::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON)};
    if (::GetIconInfo(icon, &info)) {
      BITMAP bitmap{};
      if (::GetObjectW(info.hbmMask, sizeof(bitmap), &bitmap)) {
        size = {bitmap.bmWidth, info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2};
      }
      if (info.hbmColor) ::DeleteObject(info.hbmColor);
      if (info.hbmMask) ::DeleteObject(info.hbmMask);
    }
    return size;
  }
  return {0, 0};
}

void ImageView::FitPicture() {
  if (!image_.AutoSize()) return;
  SIZE size = PictureSize();
  if (size.cx > 0 && size.cy > 0) {
    image_.SetBounds(image_.Left(), image_.Top(), size.cx, size.cy);
  }
}

void ImageView::Paint(HDC dc, const RECT& box) {
  SIZE size = PictureSize();
  if (size.cx <= 0 || size.cy <= 0) return;
  int boxWidth = box.right - box.left;
  int boxHeight = box.bottom - box.top;
  int width = size.cx;
  int height = size.cy;
  if (image_.Stretch() || (image_.Proportional() && (width > boxWidth || height > boxHeight))) {
    if (image_.Proportional()) {
      // Fit inside the box, keeping the picture's shape.
      if (static_cast<long long>(boxWidth) * height <= static_cast<long long>(boxHeight) * width) {
        height = static_cast<int>(static_cast<long long>(height) * boxWidth / width);
        width = boxWidth;
      } else {
        width = static_cast<int>(static_cast<long long>(width) * boxHeight / height);
        height = boxHeight;
      }
    } else {
      width = boxWidth;
      height = boxHeight;
    }
  }
  int left = box.left;
  int top = box.top;
  if (image_.Center()) {
    left += (boxWidth - width) / 2;
    top += (boxHeight - height) / 2;
  }
  RECT target{left, top, left + width, top + height};
  if (const Picture* picture = Decoded()) {
    picture->Draw(dc, target);
  } else {
    ::DrawIconEx(dc, left, top, reinterpret_cast<HICON>(image_.Picture().icon), width, height, 0, nullptr,
                 DI_NORMAL);
  }
}

void ImageView::OtherChanged(const ui::Change& change) {
  if (change.property == ui::Property::Picture) {
    Reload();
  } else if (change.property == ui::Property::Style) {
    FitPicture();
  } else {
    return;
  }
  Invalidate();
}

void BevelView::Paint(HDC dc, const RECT& box) {
  COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
  COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  bool lowered = bevel_.Style() == ui::BevelStyle::bsLowered;
  COLORREF first = lowered ? shadow : light;
  COLORREF second = lowered ? light : shadow;
  int l = box.left, t = box.top, r = box.right - 1, b = box.bottom - 1;
  switch (bevel_.Shape()) {
    case ui::BevelShape::bsBox:
      Line(dc, first, l, b, l, t);
      Line(dc, first, l, t, r, t);
      Line(dc, second, r, t, r, b);
      Line(dc, second, r, b, l - 1, b);
      break;
    case ui::BevelShape::bsFrame: {
      RECT frame = box;
      ::DrawEdge(dc, &frame, lowered ? EDGE_ETCHED : EDGE_BUMP, BF_RECT);
      break;
    }
    case ui::BevelShape::bsTopLine:
      Line(dc, first, l, t, r + 1, t);
      Line(dc, second, l, t + 1, r + 1, t + 1);
      break;
    case ui::BevelShape::bsBottomLine:
      Line(dc, first, l, b - 1, r + 1, b - 1);
      Line(dc, second, l, b, r + 1, b);
      break;
    case ui::BevelShape::bsLeftLine:
      Line(dc, first, l, t, l, b + 1);
      Line(dc, second, l + 1, t, l + 1, b + 1);
      break;
    case ui::BevelShape::bsRightLine:
      Line(dc, first, r - 1, t, r - 1, b + 1);
      Line(dc, second, r, t, r, b + 1);
      break;
    case ui::BevelShape::bsSpacer:
      break;
  }
}

void BevelView::OtherChanged(const ui::Change& change) {
  if (change.property == ui::Property::Style) Invalidate();
}

void SpeedButtonView::Paint(HDC dc, const RECT& box) {
  bool sunken = pressed_ || button_.Down();
  RECT frame = box;
  if (sunken) {
    Fill(dc, box, ::GetSysColor(COLOR_3DLIGHT));
    ::DrawEdge(dc, &frame, BDR_SUNKENOUTER, BF_RECT);
  } else if (hot_ && button_.Enabled()) {
    ::DrawEdge(dc, &frame, BDR_RAISEDINNER, BF_RECT);
  } else if (!button_.Flat()) {
    Fill(dc, box, ::GetSysColor(COLOR_BTNFACE));
    ::DrawEdge(dc, &frame, EDGE_RAISED, BF_RECT);
  }
  const std::wstring& caption = button_.Caption();
  if (caption.empty()) return;
  HGDIOBJ old = ::SelectObject(dc, ModelFont());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, button_.Enabled() ? FontColor() : ::GetSysColor(COLOR_GRAYTEXT));
  RECT text = box;
  if (sunken) ::OffsetRect(&text, 1, 1);
  ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  ::SelectObject(dc, old);
}

void SpeedButtonView::MouseDown(ui::MouseButton button, ui::ShiftStates shift, POINT client) {
  if (button == ui::MouseButton::mbLeft && button_.Usable()) {
    pressed_ = true;
    Invalidate();
  }
  GraphicView::MouseDown(button, shift, client);
}

void SpeedButtonView::MouseUp(ui::MouseButton button, ui::ShiftStates shift, POINT client, bool click) {
  if (button == ui::MouseButton::mbLeft && pressed_) {
    pressed_ = false;
    Invalidate();
  }
  GraphicView::MouseUp(button, shift, client, click);
}

void SpeedButtonView::MouseEnter() {
  hot_ = true;
  Invalidate();
  GraphicView::MouseEnter();
}

void SpeedButtonView::MouseLeave() {
  hot_ = false;
  Invalidate();
  GraphicView::MouseLeave();
}

void SpeedButtonView::OtherChanged(const ui::Change& change) {
  if (change.property == ui::Property::Checked || change.property == ui::Property::Style) Invalidate();
}

}  // namespace zt::ui::win32
