// Drawing now, without the message loop, and a form whose background is the
// screen behind it.
#include "ui_test_support.h"

namespace zt::ui::testing {
namespace {

using UiRepaint = UiWindowTest;

TEST_F(UiRepaint, RepaintDrawsWhatWaitsWithoutTheMessageLoop) {
  auto& panel = Place<Panel>(10, 10, 100, 40);
  auto& label = Place<Label>(10, 60, 100, 20);
  Show();
  ::InvalidateRect(Handle(panel), nullptr, FALSE);
  ASSERT_TRUE(::GetUpdateRect(Handle(panel), nullptr, FALSE));
  form_.Repaint();
  EXPECT_FALSE(::GetUpdateRect(Handle(panel), nullptr, FALSE));

  // A control drawn on its parent repaints its part of the parent.
  label.SetCaption(L"Changed");
  ASSERT_TRUE(::GetUpdateRect(Handle(*panel_), nullptr, FALSE));
  label.Repaint();
  EXPECT_FALSE(::GetUpdateRect(Handle(*panel_), nullptr, FALSE));
}

// The form drawn into a bitmap, as the screen would show it.
COLORREF PixelOf(HWND window, int x, int y) {
  HDC screen = ::GetDC(nullptr);
  HDC dc = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 200, 200);
  HGDIOBJ old = ::SelectObject(dc, bitmap);
  ::SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  COLORREF pixel = ::GetPixel(dc, x, y);
  ::SelectObject(dc, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(dc);
  ::ReleaseDC(nullptr, screen);
  return pixel;
}

Form& PlainForm(Form& form, int left, int top, int size) {
  form.SetBorderStyle(BorderStyle::bsNone);
  form.SetPosition(Position::poDesigned);
  form.SetBounds(left, top, size, size);
  return form;
}

TEST_F(UiRepaint, AScreenBackdropShowsTheScreenBehindAndMovesOntoItOnce) {
  // What lies behind: red, and green above it.
  Form behind, glass;
  PlainForm(behind, 500, 300, 400).SetColor(RGB(255, 0, 0));
  auto& green = behind.Create<Panel>();
  green.SetBevelOuter(PanelBevel::bvNone);
  green.SetParentBackground(false);
  green.SetColor(RGB(0, 255, 0));
  green.SetBounds(0, 0, 400, 200);
  green.SetParent(&behind);
  binding_.Realise(behind);
  behind.Show();
  Pump();

  // The copy starts 40 pixels above the window: green over red.
  PlainForm(glass, 550, 520, 100).SetScreenBackdrop(true, 40);
  binding_.Realise(glass);
  glass.Show();
  Pump();
  EXPECT_EQ(glass.Top(), 480);
  EXPECT_EQ(PixelOf(Handle(glass), 50, 10), RGB(0, 255, 0));
  EXPECT_EQ(PixelOf(Handle(glass), 50, 30), RGB(255, 0, 0));

  // Later paints keep the copy and the place.
  glass.Repaint();
  Pump();
  EXPECT_EQ(glass.Top(), 480);
  EXPECT_EQ(PixelOf(Handle(glass), 50, 30), RGB(255, 0, 0));

  // Turned off, the form shows its own colour.
  glass.SetColor(RGB(0, 0, 255));
  glass.SetScreenBackdrop(false);
  EXPECT_EQ(PixelOf(Handle(glass), 50, 30), RGB(0, 0, 255));
}

}  // namespace
}  // namespace zt::ui::testing
