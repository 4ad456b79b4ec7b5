#include "ui/win32/lines_view.h"

#include <windowsx.h>

#include <algorithm>
#include <climits>

namespace zt::ui::win32 {

namespace {

constexpr int kMargin = 2;  // the gap an EDIT control leaves at its sides
constexpr UINT_PTR kDragTimer = 1;
constexpr UINT kDragInterval = 50;

bool IsSpace(wchar_t c) { return c == L' ' || c == L'\t'; }

}  // namespace

LinesView::LinesView(const LineSource& source) : source_(source) {
  measureDc_ = ::CreateCompatibleDC(nullptr);
}

LinesView::~LinesView() { ::DeleteDC(measureDc_); }

void LinesView::Attach(HWND hwnd) {
  hwnd_ = hwnd;
  LinesChanged(0);
  // The text so far was added before the window existed; an EDIT control
  // would have scrolled along with every addition.
  if (source_.LineCount() > 0) ScrollToEnd();
}

void LinesView::SetWordWrap(bool wordWrap) {
  if (wordWrap == wordWrap_) return;
  wordWrap_ = wordWrap;
  std::fill(rows_.begin(), rows_.end(), 0);
  SetTop({topLine_, 0});
  MarkDirty();
}

void LinesView::SetHideSelection(bool hideSelection) {
  hideSelection_ = hideSelection;
  Repaint();
}

void LinesView::SetFont(HFONT font) {
  font_ = font;
  ::SelectObject(measureDc_, font ? font : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(measureDc_, &metrics);
  lineHeight_ = std::max<int>(1, metrics.tmHeight);
  std::fill(rows_.begin(), rows_.end(), 0);
  if (focused_) {
    ::DestroyCaret();
    ::CreateCaret(Handle(), nullptr, 1, lineHeight_);
    ::ShowCaret(Handle());
  }
  MarkDirty();
}

void LinesView::SetColors(COLORREF background, COLORREF text) {
  background_ = background;
  text_ = text;
  Repaint();
}

void LinesView::LinesChanged(std::size_t first) {
  std::size_t count = source_.LineCount();
  // Where line `first` starts depends only on the lines before it.
  starts_.resize(std::min(starts_.size(), std::min(first + 1, count)));
  rows_.resize(std::min(rows_.size(), first));
  rows_.resize(count, 0);
  std::size_t length = TextLength();
  anchor_ = std::min(anchor_, length);
  caret_ = std::min(caret_, length);
  if (topLine_ >= count) {
    topLine_ = count ? count - 1 : 0;
    topRow_ = 0;
  }
  topRow_ = std::min(topRow_, std::max(0, Rows(topLine_) - 1));
  MarkDirty();
}

void LinesView::MarkDirty() {
  scrollDirty_ = true;
  Repaint();
}

void LinesView::Repaint() {
  // Once per paint: a burst of additions to the log costs one repaint.
  if (!Handle() || repaintPending_) return;
  repaintPending_ = true;
  ::InvalidateRect(Handle(), nullptr, FALSE);
}

void LinesView::EnsureStarts() {
  std::size_t count = source_.LineCount();
  if (starts_.size() > count) starts_.resize(count);
  for (std::size_t i = starts_.size(); i < count; ++i) {
    starts_.push_back(i == 0 ? 0 : starts_[i - 1] + source_.LineAt(i - 1).size() + 2);
  }
}

std::size_t LinesView::TextLength() {
  std::size_t count = source_.LineCount();
  if (count == 0) return 0;
  EnsureStarts();
  return starts_[count - 1] + source_.LineAt(count - 1).size();
}

std::size_t LinesView::LineStart(std::size_t line) {
  EnsureStarts();
  return line < starts_.size() ? starts_[line] : TextLength();
}

std::size_t LinesView::LineOf(std::size_t pos) {
  EnsureStarts();
  if (starts_.empty()) return 0;
  auto it = std::upper_bound(starts_.begin(), starts_.end(), pos);
  return static_cast<std::size_t>(it - starts_.begin()) - 1;
}

std::size_t LinesView::ClampPos(std::size_t pos) {
  if (source_.LineCount() == 0) return 0;
  pos = std::min(pos, TextLength());
  std::size_t line = LineOf(pos);
  // A position inside a line break means the end of that line.
  return std::min(pos, LineStart(line) + source_.LineAt(line).size());
}

int LinesView::WrapWidth() const {
  if (!Handle() || !wordWrap_) return INT_MAX;
  RECT client;
  ::GetClientRect(Handle(), &client);
  return std::max<int>(1, client.right - 2 * kMargin);
}

int LinesView::PageRows() const {
  if (!Handle()) return 1;
  RECT client;
  ::GetClientRect(Handle(), &client);
  return std::max<int>(1, client.bottom / lineHeight_);
}

int LinesView::TextWidth(std::wstring_view text) {
  if (text.empty()) return 0;
  SIZE size{};
  ::GetTextExtentPoint32W(measureDc_, text.data(), static_cast<int>(text.size()), &size);
  return size.cx;
}

std::vector<int> LinesView::Breaks(std::size_t line) {
  std::vector<int> breaks{0};
  if (line >= source_.LineCount()) return breaks;
  std::wstring_view text = source_.LineAt(line);
  int width = WrapWidth();
  int length = static_cast<int>(text.size());
  int pos = 0;
  while (width != INT_MAX && pos < length) {
    int fit = 0;
    SIZE size{};
    ::GetTextExtentExPointW(measureDc_, text.data() + pos, length - pos, width, &fit, nullptr, &size);
    if (pos + fit >= length) break;
    fit = std::max(fit, 1);
    // Break after the last blank that fits; a word longer than the row is cut.
    int end = pos + fit;
    int blank = end;
    while (blank > pos && !IsSpace(text[blank - 1])) --blank;
    if (blank > pos) end = blank;
    // Blanks at the end of a row hang past its edge, as in an EDIT control.
    while (end < length && IsSpace(text[end])) ++end;
    if (end >= length) break;
    breaks.push_back(end);
    pos = end;
  }
  rows_[line] = static_cast<std::uint16_t>(std::min<std::size_t>(breaks.size(), 0xFFFF));
  return breaks;
}

int LinesView::Rows(std::size_t line) {
  if (line >= rows_.size()) return 1;
  if (rows_[line] == 0) Breaks(line);
  return rows_[line];
}

LinesView::RowPos LinesView::Advance(RowPos from, long delta) {
  std::size_t count = source_.LineCount();
  if (count == 0) return {0, 0};
  RowPos pos = from;
  while (delta > 0) {
    int rows = Rows(pos.line);
    if (pos.row + delta < rows) {
      pos.row += static_cast<int>(delta);
      return pos;
    }
    if (pos.line + 1 >= count) {
      pos.row = rows - 1;
      return pos;
    }
    delta -= rows - pos.row;
    ++pos.line;
    pos.row = 0;
  }
  while (delta < 0) {
    if (pos.row + delta >= 0) {
      pos.row += static_cast<int>(delta);
      return pos;
    }
    if (pos.line == 0) {
      pos.row = 0;
      return pos;
    }
    delta += pos.row + 1;
    --pos.line;
    pos.row = Rows(pos.line) - 1;
  }
  return pos;
}

LinesView::RowPos LinesView::MaxTop() {
  std::size_t count = source_.LineCount();
  if (count == 0) return {0, 0};
  int remaining = PageRows();
  for (std::size_t line = count; line-- > 0;) {
    int rows = Rows(line);
    if (rows >= remaining) return {line, rows - remaining};
    remaining -= rows;
  }
  return {0, 0};
}

void LinesView::SetTop(RowPos top) {
  RowPos last = MaxTop();
  if (top.line > last.line || (top.line == last.line && top.row > last.row)) top = last;
  if (top.line == topLine_ && top.row == topRow_) return;
  topLine_ = top.line;
  topRow_ = top.row;
  MarkDirty();
  PlaceCaret();
}

void LinesView::ScrollToEnd() { SetTop(MaxTop()); }

void LinesView::ScrollRows(long delta) { SetTop(Advance({topLine_, topRow_}, delta)); }

void LinesView::UpdateScrollBar() {
  if (!Handle()) return;
  scrollDirty_ = false;
  if (!(::GetWindowLongPtrW(Handle(), GWL_STYLE) & WS_VSCROLL)) return;
  // The bar counts lines, not rows: exact for lines that fit on one row,
  // and free of any walk over the whole text however long the log grows.
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
  info.nMin = 0;
  info.nMax = static_cast<int>(std::max<std::size_t>(source_.LineCount(), 1) - 1);
  info.nPage = static_cast<UINT>(PageRows());
  info.nPos = static_cast<int>(topLine_);
  ::SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
}

void LinesView::SetSelection(std::size_t start, std::size_t length) {
  anchor_ = ClampPos(start);
  caret_ = ClampPos(start + length);
  caretX_ = -1;
  Repaint();
  PlaceCaret();
}

std::size_t LinesView::SelectionStart() const { return std::min(anchor_, caret_); }

std::size_t LinesView::SelectionLength() const { return std::max(anchor_, caret_) - SelectionStart(); }

std::wstring LinesView::SelectedText() {
  std::size_t start = SelectionStart();
  std::size_t end = start + SelectionLength();
  std::wstring text;
  if (start == end) return text;
  for (std::size_t line = LineOf(start); line < source_.LineCount(); ++line) {
    std::size_t lineStart = LineStart(line);
    if (lineStart > end) break;
    // The break before this line lies inside the selection.
    if (lineStart > start) text += L"\r\n";
    if (lineStart == end) break;
    std::wstring_view content = source_.LineAt(line);
    std::size_t from = start > lineStart ? start - lineStart : 0;
    std::size_t to = std::min(content.size(), end - lineStart);
    if (from < to) text.append(content.substr(from, to - from));
  }
  return text;
}

void LinesView::CopySelection() {
  std::wstring text = SelectedText();
  if (text.empty() || !::OpenClipboard(Handle())) return;
  ::EmptyClipboard();
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  if (memory) {
    auto* target = static_cast<wchar_t*>(::GlobalLock(memory));
    std::copy(text.c_str(), text.c_str() + text.size() + 1, target);
    ::GlobalUnlock(memory);
    if (!::SetClipboardData(CF_UNICODETEXT, memory)) ::GlobalFree(memory);
  }
  ::CloseClipboard();
}

int LinesView::ColumnFromX(std::wstring_view text, int x) {
  if (x <= 0 || text.empty()) return 0;
  std::vector<int> extents(text.size());
  int fit = 0;
  SIZE size{};
  ::GetTextExtentExPointW(measureDc_, text.data(), static_cast<int>(text.size()), INT_MAX, &fit,
                          extents.data(), &size);
  // The boundary nearest to x: past the middle of a character means after it.
  int previous = 0;
  for (std::size_t i = 0; i < extents.size(); ++i) {
    if (x < (previous + extents[i] + 1) / 2) return static_cast<int>(i);
    previous = extents[i];
  }
  return static_cast<int>(text.size());
}

std::size_t LinesView::PosFromPoint(POINT client) {
  if (source_.LineCount() == 0) return 0;
  long row = client.y >= 0 ? client.y / lineHeight_ : -((-client.y + lineHeight_ - 1) / lineHeight_);
  RowPos at = Advance({topLine_, topRow_}, row);
  std::vector<int> breaks = Breaks(at.line);
  std::wstring_view text = source_.LineAt(at.line);
  int begin = breaks[static_cast<std::size_t>(at.row)];
  bool lastRow = static_cast<std::size_t>(at.row) + 1 >= breaks.size();
  int end = lastRow ? static_cast<int>(text.size()) : breaks[static_cast<std::size_t>(at.row) + 1];
  int column = begin + ColumnFromX(text.substr(begin, end - begin), client.x - kMargin);
  // The end of a wrapped row is the start of the next one; stay on this row.
  if (!lastRow && column == end && column > begin) --column;
  return LineStart(at.line) + static_cast<std::size_t>(column);
}

bool LinesView::PointFromPos(std::size_t pos, POINT* client) {
  if (source_.LineCount() == 0) {
    *client = {kMargin, 0};
    return true;
  }
  std::size_t line = LineOf(pos);
  int column = static_cast<int>(pos - LineStart(line));
  std::vector<int> breaks = Breaks(line);
  int row = static_cast<int>(std::upper_bound(breaks.begin(), breaks.end(), column) - breaks.begin()) - 1;
  if (line < topLine_ || (line == topLine_ && row < topRow_)) return false;
  long rowsAbove = row - (line == topLine_ ? topRow_ : 0);
  int page = PageRows();
  for (std::size_t i = topLine_; i < line && rowsAbove <= page; ++i) {
    rowsAbove += Rows(i) - (i == topLine_ ? topRow_ : 0);
  }
  if (rowsAbove > page) return false;
  std::wstring_view text = source_.LineAt(line);
  int begin = breaks[static_cast<std::size_t>(row)];
  client->x = kMargin + TextWidth(text.substr(begin, column - begin));
  client->y = static_cast<int>(rowsAbove) * lineHeight_;
  return true;
}

void LinesView::EnsureVisible(std::size_t pos) {
  if (!Handle() || source_.LineCount() == 0) return;
  std::size_t line = LineOf(pos);
  int column = static_cast<int>(pos - LineStart(line));
  std::vector<int> breaks = Breaks(line);
  int row = static_cast<int>(std::upper_bound(breaks.begin(), breaks.end(), column) - breaks.begin()) - 1;
  RowPos target{line, row};
  if (line < topLine_ || (line == topLine_ && row < topRow_)) {
    SetTop(target);
    return;
  }
  POINT point;
  int page = PageRows();
  if (!PointFromPos(pos, &point) || point.y / lineHeight_ >= page) SetTop(Advance(target, -(page - 1)));
}

void LinesView::PlaceCaret() {
  // Moved when the view is next painted: setting the caret's place on every
  // addition to the log slows down as the log grows (under Wine).
  if (!focused_ || !Handle()) return;
  caretPending_ = true;
  Repaint();
}

void LinesView::MoveCaretNow() {
  caretPending_ = false;
  if (!focused_ || !Handle()) return;
  POINT point;
  if (!PointFromPos(caret_, &point)) point = {-100, -100};
  ::SetCaretPos(point.x, point.y);
}

void LinesView::SelectTo(std::size_t caret, bool extend) {
  std::size_t oldStart = SelectionStart();
  std::size_t oldLength = SelectionLength();
  caret_ = ClampPos(caret);
  if (!extend) anchor_ = caret_;
  EnsureVisible(caret_);
  Repaint();
  PlaceCaret();
  if ((SelectionStart() != oldStart || SelectionLength() != oldLength) && onSelectionChanged) {
    onSelectionChanged(SelectionStart(), SelectionLength());
  }
}

std::size_t LinesView::WordStart(std::size_t pos) {
  std::size_t line = LineOf(pos);
  std::size_t start = LineStart(line);
  std::wstring_view text = source_.LineAt(line);
  std::size_t column = pos - start;
  while (column > 0 && !IsSpace(text[column - 1])) --column;
  return start + column;
}

std::size_t LinesView::WordEnd(std::size_t pos) {
  std::size_t line = LineOf(pos);
  std::size_t start = LineStart(line);
  std::wstring_view text = source_.LineAt(line);
  std::size_t column = pos - start;
  while (column < text.size() && !IsSpace(text[column])) ++column;
  return start + column;
}

void LinesView::OnKeyDown(WPARAM key) {
  bool shift = ::GetKeyState(VK_SHIFT) < 0;
  bool control = ::GetKeyState(VK_CONTROL) < 0;
  std::size_t count = source_.LineCount();
  if (count == 0) return;
  std::size_t line = LineOf(caret_);
  std::size_t lineStart = LineStart(line);
  auto rowOf = [&](const std::vector<int>& breaks) {
    int column = static_cast<int>(caret_ - lineStart);
    return static_cast<std::size_t>(std::upper_bound(breaks.begin(), breaks.end(), column) - breaks.begin()) -
           1;
  };
  // Up and down keep the horizontal place the caret had before the first move.
  auto vertical = [&](long rows) {
    std::vector<int> breaks = Breaks(line);
    std::size_t row = rowOf(breaks);
    if (caretX_ < 0) {
      std::wstring_view text = source_.LineAt(line);
      caretX_ = TextWidth(text.substr(breaks[row], caret_ - lineStart - breaks[row]));
    }
    int keepX = caretX_;
    RowPos target = Advance({line, static_cast<int>(row)}, rows);
    std::vector<int> targetBreaks = Breaks(target.line);
    std::wstring_view text = source_.LineAt(target.line);
    auto targetRow = static_cast<std::size_t>(target.row);
    int begin = targetBreaks[targetRow];
    int end =
        targetRow + 1 < targetBreaks.size() ? targetBreaks[targetRow + 1] - 1 : static_cast<int>(text.size());
    int column = begin + ColumnFromX(text.substr(begin, std::max(0, end - begin)), keepX);
    SelectTo(LineStart(target.line) + static_cast<std::size_t>(column), shift);
    caretX_ = keepX;
  };
  switch (key) {
    case VK_LEFT:
      caretX_ = -1;
      if (caret_ == lineStart) {
        if (line > 0)
          SelectTo(caret_ - 2, shift);
        else
          SelectTo(caret_, shift);
      } else {
        SelectTo(caret_ - 1, shift);
      }
      break;
    case VK_RIGHT:
      caretX_ = -1;
      if (caret_ == lineStart + source_.LineAt(line).size()) {
        if (line + 1 < count)
          SelectTo(caret_ + 2, shift);
        else
          SelectTo(caret_, shift);
      } else {
        SelectTo(caret_ + 1, shift);
      }
      break;
    case VK_UP:
      vertical(-1);
      break;
    case VK_DOWN:
      vertical(1);
      break;
    case VK_PRIOR:
      ScrollRows(-PageRows());
      vertical(-PageRows());
      break;
    case VK_NEXT:
      ScrollRows(PageRows());
      vertical(PageRows());
      break;
    case VK_HOME:
      caretX_ = -1;
      if (control) {
        SelectTo(0, shift);
      } else {
        std::vector<int> breaks = Breaks(line);
        SelectTo(lineStart + static_cast<std::size_t>(breaks[rowOf(breaks)]), shift);
      }
      break;
    case VK_END:
      caretX_ = -1;
      if (control) {
        SelectTo(TextLength(), shift);
      } else {
        std::vector<int> breaks = Breaks(line);
        std::size_t row = rowOf(breaks);
        std::size_t end = row + 1 < breaks.size() ? static_cast<std::size_t>(breaks[row + 1] - 1)
                                                  : source_.LineAt(line).size();
        SelectTo(lineStart + end, shift);
      }
      break;
    case 'A':
      if (control) {
        anchor_ = 0;
        SelectTo(TextLength(), true);
      }
      break;
    case 'C':
    case VK_INSERT:
      if (control) CopySelection();
      break;
    default:
      break;
  }
}

void LinesView::PaintRow(HDC dc, int y, std::size_t line, std::wstring_view text, int begin, int end) {
  std::size_t lineStart = LineStart(line);
  std::size_t selStart = SelectionStart();
  std::size_t selEnd = hideSelection_ && !focused_ ? selStart : selStart + SelectionLength();
  auto clampColumn = [&](std::size_t pos) {
    if (pos <= lineStart + static_cast<std::size_t>(begin)) return begin;
    if (pos >= lineStart + static_cast<std::size_t>(end)) return end;
    return static_cast<int>(pos - lineStart);
  };
  int s = clampColumn(selStart);
  int e = clampColumn(selEnd);
  int x = kMargin;
  auto draw = [&](int from, int to, bool selected) {
    if (from >= to) return;
    std::wstring_view part = text.substr(from, to - from);
    int width = TextWidth(part);
    if (selected) {
      ::SetTextColor(dc, ::GetSysColor(COLOR_HIGHLIGHTTEXT));
      ::SetBkColor(dc, ::GetSysColor(COLOR_HIGHLIGHT));
      RECT box{x, y, x + width, y + lineHeight_};
      ::ExtTextOutW(dc, x, y, ETO_OPAQUE, &box, part.data(), static_cast<UINT>(part.size()), nullptr);
    } else {
      ::SetTextColor(dc, text_);
      ::SetBkColor(dc, background_);
      ::ExtTextOutW(dc, x, y, 0, nullptr, part.data(), static_cast<UINT>(part.size()), nullptr);
    }
    x += width;
  };
  draw(begin, s, false);
  draw(s, e, true);
  draw(e, end, false);
}

void LinesView::Paint(HDC dc, const RECT& clip) {
  RECT client;
  ::GetClientRect(Handle(), &client);
  ::SetBkColor(dc, background_);
  ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
  ::SelectObject(dc, font_ ? font_ : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
  std::size_t count = source_.LineCount();
  int y = 0;
  for (std::size_t line = topLine_; line < count && y < client.bottom; ++line) {
    std::vector<int> breaks = Breaks(line);
    std::wstring_view text = source_.LineAt(line);
    for (std::size_t row = line == topLine_ ? static_cast<std::size_t>(topRow_) : 0;
         row < breaks.size() && y < client.bottom; ++row) {
      int end = row + 1 < breaks.size() ? breaks[row + 1] : static_cast<int>(text.size());
      if (y + lineHeight_ > clip.top && y < clip.bottom) PaintRow(dc, y, line, text, breaks[row], end);
      y += lineHeight_;
    }
  }
}

bool LinesView::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  *result = 0;
  switch (msg) {
    case WM_PAINT: {
      repaintPending_ = false;
      if (scrollDirty_) UpdateScrollBar();
      PAINTSTRUCT ps;
      HDC dc = ::BeginPaint(Handle(), &ps);
      RECT client;
      ::GetClientRect(Handle(), &client);
      // Drawn off screen first: rows repaint on every addition to the log.
      HDC memory = ::CreateCompatibleDC(dc);
      HBITMAP bitmap =
          ::CreateCompatibleBitmap(dc, std::max<LONG>(1, client.right), std::max<LONG>(1, client.bottom));
      HGDIOBJ oldBitmap = ::SelectObject(memory, bitmap);
      Paint(memory, ps.rcPaint);
      ::BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
               ps.rcPaint.bottom - ps.rcPaint.top, memory, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
      ::SelectObject(memory, oldBitmap);
      ::DeleteObject(bitmap);
      ::DeleteDC(memory);
      ::EndPaint(Handle(), &ps);
      if (caretPending_) MoveCaretNow();
      return true;
    }
    case WM_ERASEBKGND:
      *result = 1;
      return true;
    case WM_SIZE:
      std::fill(rows_.begin(), rows_.end(), 0);
      SetTop({topLine_, 0});
      MarkDirty();
      return true;
    case WM_SHOWWINDOW:
      if (wParam) UpdateScrollBar();
      break;
    case WM_VSCROLL: {
      int page = PageRows();
      switch (LOWORD(wParam)) {
        case SB_LINEUP:
          ScrollRows(-1);
          break;
        case SB_LINEDOWN:
          ScrollRows(1);
          break;
        case SB_PAGEUP:
          ScrollRows(-page);
          break;
        case SB_PAGEDOWN:
          ScrollRows(page);
          break;
        case SB_TOP:
          SetTop({0, 0});
          break;
        case SB_BOTTOM:
          ScrollToEnd();
          break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
          SCROLLINFO info{};
          info.cbSize = sizeof(info);
          info.fMask = SIF_TRACKPOS;
          ::GetScrollInfo(Handle(), SB_VERT, &info);
          RowPos target{std::min<std::size_t>(static_cast<std::size_t>(std::max(info.nTrackPos, 0)),
                                              source_.LineCount() ? source_.LineCount() - 1 : 0),
                        0};
          SetTop(target);
          break;
        }
        default:
          break;
      }
      if (scrollDirty_) UpdateScrollBar();
      return true;
    }
    case WM_MOUSEWHEEL: {
      UINT lines = 3;
      ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
      int notches = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
      ScrollRows(-static_cast<long>(notches) * static_cast<long>(std::min<UINT>(lines, 100)));
      return true;
    }
    // The owner goes on with these (focus and mouse events of the model).
    case WM_SETFOCUS:
      focused_ = true;
      ::CreateCaret(Handle(), nullptr, 1, lineHeight_);
      MoveCaretNow();
      ::ShowCaret(Handle());
      Repaint();
      return false;
    case WM_KILLFOCUS:
      focused_ = false;
      ::DestroyCaret();
      Repaint();
      return false;
    case WM_GETDLGCODE:
      *result = DLGC_WANTARROWS;
      return true;
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_IBEAM));
        *result = TRUE;
        return true;
      }
      break;
    case WM_LBUTTONDOWN: {
      ::SetFocus(Handle());
      caretX_ = -1;
      selecting_ = true;
      ::SetCapture(Handle());
      ::SetTimer(Handle(), kDragTimer, kDragInterval, nullptr);
      SelectTo(PosFromPoint({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}), (wParam & MK_SHIFT) != 0);
      return false;
    }
    case WM_LBUTTONDBLCLK: {
      std::size_t pos = PosFromPoint({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      anchor_ = WordStart(pos);
      SelectTo(WordEnd(pos), true);
      return true;
    }
    case WM_MOUSEMOVE:
      if (selecting_) SelectTo(PosFromPoint({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}), true);
      break;
    case WM_TIMER:
      if (wParam == kDragTimer && selecting_) {
        POINT cursor;
        ::GetCursorPos(&cursor);
        ::ScreenToClient(Handle(), &cursor);
        RECT client;
        ::GetClientRect(Handle(), &client);
        if (cursor.y < 0 || cursor.y >= client.bottom) SelectTo(PosFromPoint(cursor), true);
        return true;
      }
      break;
    case WM_CAPTURECHANGED:
      if (selecting_) {
        selecting_ = false;
        ::KillTimer(Handle(), kDragTimer);
      }
      break;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      ::SetFocus(Handle());
      return false;
    case WM_LBUTTONUP:
      // The selection is final (and the owner told) before its mouse-up.
      if (selecting_) ::ReleaseCapture();
      return false;
    case WM_CONTEXTMENU:
      return true;
    case WM_KEYDOWN:
      OnKeyDown(wParam);
      return true;
    case WM_COPY:
      CopySelection();
      return true;
    case WM_GETTEXTLENGTH:
      *result = static_cast<LRESULT>(TextLength());
      return true;
    case WM_GETTEXT: {
      if (wParam == 0) return true;
      std::size_t saveAnchor = anchor_, saveCaret = caret_;
      anchor_ = 0;
      caret_ = TextLength();
      std::wstring text = SelectedText();
      anchor_ = saveAnchor;
      caret_ = saveCaret;
      std::size_t n = std::min<std::size_t>(text.size(), wParam - 1);
      auto* target = reinterpret_cast<wchar_t*>(lParam);
      std::copy(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(n), target);
      target[n] = L'\0';
      *result = static_cast<LRESULT>(n);
      return true;
    }
    case WM_SETTEXT:
      // The text belongs to the line source; the view cannot be written.
      *result = FALSE;
      return true;
    case EM_GETSEL: {
      auto start = static_cast<DWORD>(SelectionStart());
      auto end = static_cast<DWORD>(SelectionStart() + SelectionLength());
      if (wParam) *reinterpret_cast<DWORD*>(wParam) = start;
      if (lParam) *reinterpret_cast<DWORD*>(lParam) = end;
      *result = MAKELRESULT(std::min<DWORD>(start, 0xFFFF), std::min<DWORD>(end, 0xFFFF));
      return true;
    }
    case EM_SETSEL: {
      auto start = static_cast<long>(wParam);
      auto end = static_cast<long>(lParam);
      std::size_t length = TextLength();
      if (start == -1) {
        anchor_ = caret_;
      } else {
        std::size_t from = start < 0 ? length : static_cast<std::size_t>(start);
        std::size_t to = end < 0 ? length : static_cast<std::size_t>(end);
        anchor_ = ClampPos(from);
        caret_ = ClampPos(to);
      }
      caretX_ = -1;
      Repaint();
      PlaceCaret();
      if (onSelectionChanged) onSelectionChanged(SelectionStart(), SelectionLength());
      return true;
    }
    case EM_SCROLL: {
      long page = PageRows();
      long delta = 0;
      switch (wParam) {
        case SB_LINEUP:
          delta = -1;
          break;
        case SB_LINEDOWN:
          delta = 1;
          break;
        case SB_PAGEUP:
          delta = -page;
          break;
        case SB_PAGEDOWN:
          delta = page;
          break;
        default:
          *result = FALSE;
          return true;
      }
      RowPos before{topLine_, topRow_};
      ScrollRows(delta);
      // How far it went, counted from the nearer end.
      long moved = 0;
      for (RowPos at = before; (at.line != topLine_ || at.row != topRow_) && moved < page; ++moved) {
        at = Advance(at, delta < 0 ? -1 : 1);
      }
      *result = MAKELRESULT(moved, TRUE);
      return true;
    }
    case EM_LINESCROLL:
      ScrollRows(static_cast<long>(lParam));
      *result = TRUE;
      return true;
    case EM_SCROLLCARET:
      EnsureVisible(caret_);
      *result = TRUE;
      return true;
    case EM_GETFIRSTVISIBLELINE: {
      long position = topRow_;
      for (std::size_t i = 0; i < topLine_ && i < rows_.size(); ++i) position += std::max<int>(1, rows_[i]);
      *result = position;
      return true;
    }
    default:
      break;
  }
  return false;
}

}  // namespace zt::ui::win32
