#include "ui/win32/edit_views.h"

namespace zt::ui::win32 {

DWORD EditView::EditStyle() const {
  DWORD style = ES_AUTOHSCROLL;
  if (edit_.ReadOnly()) style |= ES_READONLY;
  if (edit_.NumbersOnly()) style |= ES_NUMBER;
  if (edit_.PasswordChar() != 0) style |= ES_PASSWORD;
  return style;
}

void EditView::Realise() {
  RECT box = BoundsRect();
  {
    Mirror mirror(*this);
    CreateCommon(L"EDIT", WS_EX_CLIENTEDGE, WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | EditStyle(),
                 edit_.Text().c_str(), box.left, box.top, box.right - box.left, box.bottom - box.top,
                 ParentHandle(), 0);
  }
  ApplyOptions();
  Placed();
}

void EditView::ApplyOptions() {
  if (!Handle()) return;
  ::SendMessageW(Handle(), EM_SETREADONLY, edit_.ReadOnly(), 0);
  ::SendMessageW(Handle(), EM_SETPASSWORDCHAR, edit_.PasswordChar(), 0);
  ::SendMessageW(Handle(), EM_SETLIMITTEXT, edit_.MaxLength() > 0 ? edit_.MaxLength() : 0x7FFFFFFE, 0);
  LONG_PTR style = ::GetWindowLongPtrW(Handle(), GWL_STYLE);
  style = edit_.NumbersOnly() ? (style | ES_NUMBER) : (style & ~static_cast<LONG_PTR>(ES_NUMBER));
  ::SetWindowLongPtrW(Handle(), GWL_STYLE, style);
  ::InvalidateRect(Handle(), nullptr, TRUE);
}

bool EditView::OnCommand(WORD code) {
  if (code != EN_CHANGE) return false;
  if (Mirroring()) return true;
  edit_.UserSetText(WindowTextOf(Handle()));
  // The model may refuse the change (read-only, disabled): show its text.
  if (edit_.Text() != WindowText()) CaptionChanged();
  return true;
}

void EditView::OtherChanged(const ui::Change& change) {
  if (change.property == ui::Property::Style) ApplyOptions();
}

LRESULT EditView::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_CHAR && !Mirroring()) {
    wchar_t key = edit_.UserKeyPress(static_cast<wchar_t>(wParam));
    if (key == 0) return 0;
    wParam = key;
  }
  return WindowedView::HandleMessage(msg, wParam, lParam);
}

std::size_t MemoLineSource::LineCount() const {
  return static_cast<std::size_t>(memo_.Lines().Count()) + (trailingBreak_ ? 1 : 0);
}

std::wstring_view MemoLineSource::LineAt(std::size_t index) const {
  if (index < static_cast<std::size_t>(memo_.Lines().Count())) return memo_.Lines()[static_cast<int>(index)];
  return {};
}

void MemoLineSource::Refresh() { trailingBreak_ = memo_.Lines().Count() > 0 && memo_.TextTail(2) == L"\r\n"; }

MemoView::MemoView(Binding& binding, ui::Memo& memo)
    : WindowedView(binding, memo), memo_(memo), source_(memo), view_(source_) {
  view_.onSelectionChanged = [this](std::size_t start, std::size_t length) {
    memo_.SetSelection(static_cast<int>(start), static_cast<int>(length));
  };
}

void MemoView::Realise() {
  RECT box = BoundsRect();
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP;
  if (memo_.ScrollBars() == ui::ScrollStyle::ssVertical || memo_.ScrollBars() == ui::ScrollStyle::ssBoth) {
    style |= WS_VSCROLL;
  }
  CreateOwn(L"ZtMemo", WS_EX_CLIENTEDGE, style, L"", box.left, box.top, box.right - box.left,
            box.bottom - box.top, ParentHandle());
  source_.Refresh();
  FontChanged();
  ColorChanged();
  ApplyOptions();
  view_.Attach(Handle());
  view_.SetSelection(static_cast<std::size_t>(memo_.SelStart()), static_cast<std::size_t>(memo_.SelLength()));
  Placed();
}

void MemoView::ApplyOptions() {
  view_.SetWordWrap(memo_.WordWrap());
  view_.SetHideSelection(memo_.HideSelection());
  if (Handle()) {
    bool vertical =
        memo_.ScrollBars() == ui::ScrollStyle::ssVertical || memo_.ScrollBars() == ui::ScrollStyle::ssBoth;
    LONG_PTR style = ::GetWindowLongPtrW(Handle(), GWL_STYLE);
    if (vertical != ((style & WS_VSCROLL) != 0)) {
      ::SetWindowLongPtrW(Handle(), GWL_STYLE,
                          vertical ? (style | WS_VSCROLL) : (style & ~static_cast<LONG_PTR>(WS_VSCROLL)));
      ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
      view_.LinesChanged(0);
    }
  }
}

void MemoView::FontChanged() { view_.SetFont(ModelFont()); }

void MemoView::ColorChanged() { view_.SetColors(BackgroundColor(), FontColor()); }

void MemoView::OtherChanged(const ui::Change& change) {
  switch (change.property) {
    case ui::Property::Lines:
      source_.Refresh();
      view_.LinesChanged(change.list == ui::ListChange::Inserted && change.index > 0
                             ? static_cast<std::size_t>(change.index)
                             : 0);
      break;
    case ui::Property::Selection:
      view_.SetSelection(static_cast<std::size_t>(memo_.SelStart()),
                         static_cast<std::size_t>(memo_.SelLength()));
      // The selection is scrolled into view: text added at the end shows,
      // as in an EDIT control, and so does text the program selects.
      view_.EnsureVisible(static_cast<std::size_t>(memo_.SelStart() + memo_.SelLength()));
      break;
    case ui::Property::Style:
      ApplyOptions();
      break;
    default:
      break;
  }
}

LRESULT MemoView::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (view_.HandleMessage(msg, wParam, lParam, &result)) return result;
  return WindowedView::HandleMessage(msg, wParam, lParam);
}

}  // namespace zt::ui::win32
