// The memo's window: a view of the model's lines that answers the EDIT
// messages, keeps the selection in step, and stays fast on a long log.
#include "ui_test_support.h"

#include <chrono>
#include <cstdio>

#include "ui/win32/edit_views.h"

namespace zt::ui::testing {
namespace {

class UiMemo : public UiWindowTest {
 protected:
  UiMemo() {
    memo_ = &Place<Memo>(10, 10, 360, 60);
    memo_->SetReadOnly(true);
    memo_->SetScrollBars(ScrollStyle::ssVertical);
    memo_->SetHideSelection(false);
    Font font = memo_->Font();
    font.Name = L"Calibri";
    memo_->SetFont(font);
    memo_->SetColor(0xE3E3E3);
  }

  HWND Window() const { return Handle(*memo_); }
  win32::LinesView& View() { return dynamic_cast<win32::MemoView&>(*binding_.ViewOf(memo_)).Lines(); }

  std::wstring WindowTextOf() {
    auto length = static_cast<std::size_t>(::SendMessageW(Window(), WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(length + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::SendMessageW(Window(), WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
  }

  Memo* memo_ = nullptr;
};

TEST_F(UiMemo, TheWindowHoldsTheModelsText) {
  memo_->Lines().Add(L"Zentory 3.1 [3.1.0.0]");
  Show();
  memo_->Lines().Add(L"HKEY_CURRENT_USER\\Software\\Morrowlab\r\nValue: 1");
  memo_->Lines().Add(L"--");
  EXPECT_EQ(WindowTextOf(), memo_->Text());
  EXPECT_EQ(static_cast<std::size_t>(::SendMessageW(Window(), WM_GETTEXTLENGTH, 0, 0)), memo_->TextLength());

  memo_->Lines().Clear();
  EXPECT_EQ(WindowTextOf(), L"");
}

TEST_F(UiMemo, TheUsersSelectionReachesTheModelBeforeTheMouseUp) {
  memo_->Lines().Add(L"Changed value:");
  memo_->Lines().Add(L"HKEY_CURRENT_USER\\Software\\Morrowlab\\Zentory\\3.1");
  std::wstring seenAtMouseUp;
  MouseButton seenButton = MouseButton::mbMiddle;
  memo_->OnMouseUp = [&](MouseButton button, ShiftStates, int, int) {
    seenButton = button;
    seenAtMouseUp = memo_->SelText();
  };
  Show();

  // The second line, as a user selects it: from its start, dragging right.
  int start = static_cast<int>(memo_->Lines()[0].size()) + 2;
  ::SendMessageW(Window(), EM_SETSEL, start, start + 17);
  ::SendMessageW(Window(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(memo_->SelStart(), start);
  EXPECT_EQ(memo_->SelLength(), 17);
  EXPECT_EQ(seenAtMouseUp, L"HKEY_CURRENT_USER");
  EXPECT_EQ(seenButton, MouseButton::mbLeft);

  ::SendMessageW(Window(), WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(seenButton, MouseButton::mbRight);
}

TEST_F(UiMemo, DraggingWithTheMouseSelectsFromWhereThePressWas) {
  memo_->Lines().Add(L"HKEY_LOCAL_MACHINE\\SOFTWARE");
  Show();
  View().ScrollRows(-100);
  ::SendMessageW(Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 2));
  ::SendMessageW(Window(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, 2));
  ::SendMessageW(Window(), WM_LBUTTONUP, 0, MAKELPARAM(60, 2));
  EXPECT_EQ(memo_->SelStart(), 0);
  EXPECT_GT(memo_->SelLength(), 3);
  EXPECT_EQ(memo_->SelText(), memo_->Lines()[0].substr(0, static_cast<std::size_t>(memo_->SelLength())));
}

TEST_F(UiMemo, CopyPutsTheSelectionOnTheClipboard) {
  memo_->Lines().Add(L"Deleted key:");
  memo_->Lines().Add(L"HKEY_CLASSES_ROOT\\Directory\\shell\\cmd");
  memo_->SetSelection(14, 17);
  ::SendMessageW(Window(), WM_COPY, 0, 0);
  ASSERT_TRUE(::OpenClipboard(nullptr));
  HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
  std::wstring copied = data ? static_cast<const wchar_t*>(::GlobalLock(data)) : L"";
  if (data) ::GlobalUnlock(data);
  ::CloseClipboard();
  EXPECT_EQ(copied, L"HKEY_CLASSES_ROOT");
}

TEST_F(UiMemo, TheModelsSelectionShowsAndComesIntoView) {
  for (int i = 0; i < 50; ++i) memo_->Lines().Add(L"line " + std::to_wstring(i));
  Show();
  memo_->SetSelection(0, 4);
  DWORD start = 0, end = 0;
  ::SendMessageW(Window(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 4u);
  EXPECT_EQ(View().TopLine(), 0u);
}

TEST_F(UiMemo, AddedLinesScrollIntoViewAndScrollLinesMovesUp) {
  Show();
  for (int i = 0; i < 30; ++i) memo_->Lines().Add(L"entry " + std::to_wstring(i));
  std::size_t top = View().TopLine();
  EXPECT_GT(top, 20u);
  memo_->ScrollLines(-1);
  EXPECT_EQ(View().TopLine(), top - 1);
  // As EM_SCROLL does for an EDIT control.
  LRESULT scrolled = ::SendMessageW(Window(), EM_SCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(HIWORD(scrolled), TRUE);
  EXPECT_EQ(LOWORD(scrolled), 1);
  EXPECT_EQ(View().TopLine(), top);
}

TEST_F(UiMemo, LongLinesWrapIntoRows) {
  memo_->Lines().Add(std::wstring(400, L'x') + L" HKEY_CURRENT_USER");
  Show();
  View().ScrollRows(-100);
  EXPECT_EQ(View().TopRow(), 0);
  View().ScrollRows(1);
  EXPECT_EQ(View().TopLine(), 0u);
  EXPECT_EQ(View().TopRow(), 1);
}

// Appending stays proportional to what is appended: the figures are
// printed, and the check is on their ratio, so a busy machine does not fail
// it while a view that re-lays out the whole text on each addition does.
TEST_F(UiMemo, AppendingStaysLinearOnALongLog) {
  Show();
  const std::wstring line =
      L"HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
  auto append = [&](int count) {
    auto begin = std::chrono::steady_clock::now();
    for (int i = 0; i < count; ++i) {
      memo_->Lines().Add(line);
      memo_->ScrollLines(-1);
    }
    Pump();
    ::UpdateWindow(Window());
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
  };
  double first = append(10000);
  memo_->Lines().Clear();
  double second = append(100000);
  double one = append(1);
  std::printf("[ figures  ] 10,000 lines: %.0f ms; 100,000 lines: %.0f ms; one line onto 100,000: %.2f ms\n",
              first, second, one);
  EXPECT_EQ(memo_->Lines().Count(), 100001);
  EXPECT_LT(second, first * 20);
  EXPECT_LT(one, 250.0);
}

}  // namespace
}  // namespace zt::ui::testing
