// Forms as top-level windows, controls drawn by the binding (labels,
// pictures, speed buttons), keyboard handling and the non-visual components.
#include "ui_test_support.h"

#include <commctrl.h>

#include <chrono>
#include <vector>

#include "ui/win32/png_picture.h"
#include "ui/win32/system_views.h"

namespace zt::ui::testing {
namespace {

using UiForm = UiWindowTest;

TEST_F(UiForm, BorderStyleAndIconsShapeTheWindowAroundTheClientSize) {
  Form main;
  main.SetCaption(L"Zentory");
  main.SetBorderStyle(BorderStyle::bsSingle);
  main.SetBorderIcons({BorderIcon::biSystemMenu, BorderIcon::biMinimize});
  main.SetClientWidth(656);
  main.SetClientHeight(499);
  binding_.Realise(main);  // not shown: a window never shown goes away at once

  HWND hwnd = Handle(main);
  RECT client;
  ::GetClientRect(hwnd, &client);
  EXPECT_EQ(client.right, 656);
  EXPECT_EQ(client.bottom, 499);
  EXPECT_EQ(main.ClientWidth(), 656);
  EXPECT_EQ(main.ClientHeight(), 499);
  RECT window;
  ::GetWindowRect(hwnd, &window);
  EXPECT_EQ(main.Width(), window.right - window.left);
  LONG_PTR style = ::GetWindowLongPtrW(hwnd, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_EQ(WindowText(hwnd), L"Zentory");
  // Another form's window is owned by the main form: no task-bar button of its own.
  EXPECT_EQ(::GetWindow(hwnd, GW_OWNER), Handle(form_));

  main.SetFormStyle(FormStyle::fsStayOnTop);
  EXPECT_TRUE(::GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
  main.SetClientHeight(595);
  ::GetClientRect(hwnd, &client);
  EXPECT_EQ(client.bottom, 595);
}

TEST_F(UiForm, AScreenCentredFormIsPlacedWhenShown) {
  // The splash: borderless, on top, centred.
  Form splash;
  splash.SetBorderStyle(BorderStyle::bsNone);
  splash.SetFormStyle(FormStyle::fsStayOnTop);
  splash.SetPosition(Position::poScreenCenter);
  splash.SetClientWidth(436);
  splash.SetClientHeight(197);
  binding_.Realise(splash);
  splash.Show();
  Pump();
  RECT window;
  ::GetWindowRect(Handle(splash), &window);
  EXPECT_EQ(window.left, (::GetSystemMetrics(SM_CXSCREEN) - 436) / 2);
  EXPECT_EQ(window.top, (::GetSystemMetrics(SM_CYSCREEN) - 197) / 2);
  EXPECT_EQ(splash.Left(), window.left);
  EXPECT_EQ(splash.Top(), window.top);
  EXPECT_TRUE(::IsWindowVisible(Handle(splash)));
}

TEST_F(UiForm, ClosingTheMainFormEndsTheMessageLoop) {
  Form main;
  binding_.Realise(main);
  binding_.SetMainForm(main);
  int closes = 0;
  main.OnClose = [&](CloseAction&) { ++closes; };
  ::SendMessageW(Handle(main), WM_CLOSE, 0, 0);
  binding_.SetMainForm(form_);
  EXPECT_EQ(closes, 1);
  MSG quit;
  EXPECT_TRUE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

class UiGraphics : public UiWindowTest {
 protected:
  // The panel drawn into a bitmap, as the screen would show it.
  COLORREF PixelAt(int x, int y) {
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 420, 320);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    ::SendMessageW(Handle(*panel_), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    COLORREF pixel = ::GetPixel(dc, x, y);
    ::SelectObject(dc, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
    return pixel;
  }

  // Mouse messages to the panel, at a point of its client area.
  void Mouse(UINT message, int x, int y, WPARAM keys = 0) {
    ::SendMessageW(Handle(*panel_), message, keys, MAKELPARAM(x, y));
  }
};

// 2 x 1 pixels: opaque red, then fully transparent blue.
const std::vector<std::uint8_t> kRedAndClear = {
    0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48,
    0x44, 0x52, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x08, 0x06, 0x00, 0x00,
    0x00, 0xF4, 0x22, 0x7F, 0x8A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x44, 0x41, 0x54, 0x78,
    0x9C, 0x63, 0xF8, 0xCF, 0xC0, 0x00, 0x46, 0x00, 0x0E, 0xFA, 0x02, 0xFE, 0xF5, 0x1E,
    0x4C, 0xA9, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};

TEST_F(UiGraphics, APictureIsSizedToItsPngAndDrawnWithItsAlpha) {
  panel_->SetColor(clWhite);
  auto& image = Place<Image>(10, 10, 0, 0);
  image.SetAutoSize(true);
  image.SetPicture({kRedAndClear, L"", 0});
  EXPECT_EQ(image.Width(), 2);
  EXPECT_EQ(image.Height(), 1);

  image.SetAutoSize(false);
  image.SetStretch(true);
  image.SetBounds(10, 10, 40, 20);
  EXPECT_EQ(PixelAt(15, 20), RGB(255, 0, 0));
  EXPECT_EQ(PixelAt(45, 20), RGB(255, 255, 255));  // the clear half shows the panel
}

TEST(UiPicture, OnlyPictureBytesAndResourcesDecode) {
  std::unique_ptr<win32::Picture> picture = win32::Picture::FromBytes(kRedAndClear);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->Width(), 2);
  EXPECT_EQ(picture->Height(), 1);
  EXPECT_EQ(win32::Picture::FromBytes({}), nullptr);
  // The test program's resources: the message constants are no picture.
  EXPECT_EQ(win32::Picture::FromResource(L"DKLANG_CONSTS"), nullptr);
  EXPECT_EQ(win32::Picture::FromResource(L"NO_SUCH_PICTURE"), nullptr);
}

TEST_F(UiGraphics, BytesThatAreNoPictureDrawNothing) {
  panel_->SetColor(clWhite);
  auto& image = Place<Image>(10, 10, 20, 20);
  image.SetAutoSize(true);
  image.SetPicture({{1, 2, 3}, L"", 0});
  EXPECT_EQ(image.Width(), 20);
  EXPECT_EQ(PixelAt(15, 15), RGB(255, 255, 255));
}

TEST_F(UiGraphics, ALabelSizesToItsTextAndShowsItsColour) {
  panel_->SetColor(clWhite);
  auto& label = Place<Label>(10, 10, 0, 0);
  label.SetCaption(L"System");
  int narrow = label.Width();
  EXPECT_GT(narrow, 10);
  EXPECT_GT(label.Height(), 8);
  label.SetFontStyle({FontStyle::fsBold});
  EXPECT_GT(label.Width(), narrow);

  // Set up before it is placed, as a layout does.
  auto& right = Own<Label>();
  right.SetAlignment(Alignment::taRightJustify);
  right.SetCaption(L"Version:");
  right.SetBounds(100, 40, 200, 20);
  right.SetParent(panel_);
  EXPECT_EQ(right.Left() + right.Width(), 300);  // keeps its right edge
  right.SetCaption(L"Version: 3.1.0.0");
  EXPECT_EQ(right.Left() + right.Width(), 300);

  auto& block = Place<Label>(10, 80, 60, 20);
  block.SetAutoSize(false);
  block.SetBounds(10, 80, 60, 20);
  block.SetColor(0x4F3215);
  block.SetCaption(L" ");
  EXPECT_EQ(PixelAt(40, 90), RGB(0x15, 0x32, 0x4F));
  block.SetTransparent(true);
  EXPECT_EQ(PixelAt(40, 90), RGB(255, 255, 255));
}

TEST_F(UiGraphics, ALabelIsClickedAndHoveredThroughItsParent) {
  auto& label = Place<Label>(20, 20, 80, 16);
  label.SetAutoSize(false);
  label.SetBounds(20, 20, 80, 16);
  std::vector<std::string> events;
  label.OnClick = [&] { events.push_back("click"); };
  label.OnMouseEnter = [&] { events.push_back("enter"); };
  label.OnMouseLeave = [&] { events.push_back("leave"); };
  panel_->OnMouseEnter = [&] { events.push_back("panel enter"); };
  panel_->OnMouseLeave = [&] { events.push_back("panel leave"); };

  Mouse(WM_MOUSEMOVE, 5, 5);
  Mouse(WM_MOUSEMOVE, 30, 25);
  Mouse(WM_LBUTTONDOWN, 30, 25, MK_LBUTTON);
  Mouse(WM_LBUTTONUP, 30, 25);
  // Pressed on the label, released elsewhere: no click.
  Mouse(WM_LBUTTONDOWN, 30, 25, MK_LBUTTON);
  Mouse(WM_LBUTTONUP, 300, 200);
  Mouse(WM_MOUSEMOVE, 300, 200);
  EXPECT_EQ(events, (std::vector<std::string>{"panel enter", "panel leave", "enter", "click", "leave",
                                              "panel enter"}));
}

TEST_F(UiGraphics, AFlatToggleSpeedButtonGoesDownAndUpByClicks) {
  auto& button = Place<SpeedButton>(10, 300 - 35, 82, 25);
  button.SetFlat(true);
  button.SetGroupIndex(1);
  button.SetAllowAllUp(true);
  int clicks = 0;
  button.OnClick = [&] { ++clicks; };
  auto click = [&] {
    Mouse(WM_LBUTTONDOWN, 20, 275, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, 20, 275);
  };
  click();
  EXPECT_TRUE(button.Down());
  click();
  EXPECT_FALSE(button.Down());
  EXPECT_EQ(clicks, 2);
}

using UiKeyboard = UiWindowTest;

TEST_F(UiKeyboard, TabMovesTheFocusInTheModelsOrderAndTheModelHearsOfIt) {
  auto& first = Place<Edit>(10, 10, 100, 21);
  auto& box = Place<GroupBox>(10, 40, 200, 80);
  auto& inner = Place<CheckBox>(10, 20, 100, 20, &box);
  auto& last = Place<Edit>(10, 150, 100, 21);
  std::vector<std::string> entered;
  first.OnEnter = [&] { entered.push_back("first"); };
  inner.OnEnter = [&] { entered.push_back("inner"); };
  last.OnEnter = [&] { entered.push_back("last"); };
  ::SetActiveWindow(Handle(form_));
  ::SetFocus(Handle(first));
  Pump();
  ASSERT_EQ(::GetFocus(), Handle(first));

  ::PostMessageW(Handle(first), WM_KEYDOWN, VK_TAB, 0);
  Pump();
  EXPECT_EQ(::GetFocus(), Handle(inner));
  ::PostMessageW(Handle(inner), WM_KEYDOWN, VK_TAB, 0);
  Pump();
  EXPECT_EQ(::GetFocus(), Handle(last));
  EXPECT_EQ(form_.ActiveControl(), &last);
  EXPECT_EQ(entered, (std::vector<std::string>{"first", "inner", "last"}));
}

TEST_F(UiKeyboard, KeyPreviewLetsTheFormTakeAKeyFirst) {
  auto& edit = Place<Edit>(10, 10, 100, 21);
  std::vector<std::uint16_t> seen;
  form_.SetKeyPreview(true);
  form_.OnKeyDown = [&](std::uint16_t& key, ShiftStates) {
    seen.push_back(key);
    if (key == vkF5) key = 0;
  };
  ::PostMessageW(Handle(edit), WM_KEYDOWN, VK_F5, 0);
  ::PostMessageW(Handle(edit), WM_KEYDOWN, 'A', 0);
  Pump();
  form_.OnKeyDown = nullptr;
  form_.SetKeyPreview(false);
  EXPECT_EQ(seen, (std::vector<std::uint16_t>{vkF5, 'A'}));
  EXPECT_EQ(edit.Text(), L"a");  // the second key went on to the edit
}

using UiComponents = UiWindowTest;

TEST_F(UiComponents, AnEnabledTimerTicksUntilItIsDisabled) {
  auto& timer = Own<Timer>();
  timer.SetInterval(10);
  binding_.Realise(form_);
  int ticks = 0;
  timer.OnTimer = [&] {
    if (++ticks == 2) timer.SetEnabled(false);
  };
  auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (ticks < 2 && std::chrono::steady_clock::now() < until) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    Pump();
  }
  EXPECT_EQ(ticks, 2);
  ::Sleep(50);
  Pump();
  EXPECT_EQ(ticks, 2);
}

TEST_F(UiComponents, APopupMenuItemChosenWithTheKeyboardIsClicked) {
  auto& menu = Own<PopupMenu>();
  auto& startup = Own<MenuItem>();
  startup.SetCaption(L"Startup Manager");
  auto& line = Own<MenuItem>();
  line.SetCaption(L"-");
  auto& quit = Own<MenuItem>();
  quit.SetCaption(L"Exit");
  menu.Add(startup);
  menu.Add(line);
  menu.Add(quit);
  std::vector<std::string> clicked;
  startup.OnClick = [&] { clicked.push_back("startup"); };
  quit.OnClick = [&] { clicked.push_back("exit"); };
  // Down twice passes the separator; Return chooses.
  ::SetForegroundWindow(Handle(form_));
  for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) ::PostMessageW(Handle(form_), WM_KEYDOWN, key, 0);
  menu.Popup(150, 150);
  EXPECT_EQ(clicked, std::vector<std::string>{"exit"});
}

TEST_F(UiComponents, TheTrayIconsMessagesBecomeItsEvents) {
  auto& icon = Own<TrayIcon>();
  icon.SetHint(L"Zentory Assistant");
  std::vector<std::string> events;
  icon.OnClick = [&] { events.push_back("click"); };
  icon.OnBalloonClick = [&] { events.push_back("balloon"); };
  binding_.Realise(form_);
  auto* view = dynamic_cast<win32::TrayIconView*>(binding_.ViewOf(&icon));
  ASSERT_NE(view, nullptr);
  icon.SetVisible(true);
  icon.SetBalloonTitle(std::wstring(80, L'T'));
  icon.SetBalloonHint(L"You must restart your computer for all changes to take effect.");
  icon.ShowBalloonHint();
  ::SendMessageW(binding_.ApplicationWindow(), view->CallbackMessage(), 1, WM_LBUTTONUP);
  ::SendMessageW(binding_.ApplicationWindow(), view->CallbackMessage(), 1, NIN_BALLOONUSERCLICK);
  EXPECT_EQ(events, (std::vector<std::string>{"click", "balloon"}));
  icon.SetVisible(false);
}

TEST_F(UiComponents, ALinkLabelReportsTheClickedLink) {
  auto& link = Place<LinkLabel>(10, 10, 200, 20);
  link.SetCaption(L"<a href=\"\">don't see your language?</a>");
  std::vector<std::wstring> clicked;
  link.OnLinkClick = [&](const std::wstring& href, SysLinkType) { clicked.push_back(href); };
  HWND hwnd = Handle(link);
  ASSERT_NE(hwnd, nullptr);
  NMLINK notify{};
  notify.hdr = {hwnd, static_cast<UINT_PTR>(::GetDlgCtrlID(hwnd)), static_cast<UINT>(NM_CLICK)};
  notify.item.iLink = 0;
  ::SendMessageW(::GetParent(hwnd), WM_NOTIFY, notify.hdr.idFrom, reinterpret_cast<LPARAM>(&notify));
  EXPECT_EQ(clicked, std::vector<std::wstring>{L""});
}

}  // namespace
}  // namespace zt::ui::testing
