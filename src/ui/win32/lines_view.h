#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zt::ui::win32 {

// Where a LinesView reads its text: the lines stay with their owner, the
// view only looks at the ones it shows.
class LineSource {
 public:
  virtual ~LineSource() = default;
  virtual std::size_t LineCount() const = 0;
  virtual std::wstring_view LineAt(std::size_t index) const = 0;
};

// A read-only, word-wrapping, vertically scrolling view of many lines. The
// standard multi-line EDIT control copies and re-lays out its whole text on
// every change, which is quadratic over a growing log; this view keeps only
// what it needs to show a screenful: where each line starts in the whole
// text, and how many rows each measured line wraps into.
//
// Positions count characters over the whole text, lines joined by "\r\n",
// as an EDIT control counts them; the view answers the EDIT messages that
// read and set the selection, scroll and copy, so that it can be driven the
// same way.
class LinesView {
 public:
  explicit LinesView(const LineSource& source);
  ~LinesView();
  LinesView(const LinesView&) = delete;
  LinesView& operator=(const LinesView&) = delete;

  // The window the view draws in and takes input from (with WS_VSCROLL it
  // keeps the scroll bar). Its owner passes it the window's messages.
  void Attach(HWND hwnd);
  // True when the view handled the message; `result` is then its answer.
  bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);

  // The user changed the selection (mouse or keyboard).
  std::function<void(std::size_t start, std::size_t length)> onSelectionChanged;

  void SetFont(HFONT font);
  void SetColors(COLORREF background, COLORREF text);
  void SetWordWrap(bool wordWrap);
  // Whether the selection is drawn while the view has no focus.
  void SetHideSelection(bool hideSelection);

  // Lines from `first` on may differ (or be gone); lines before are as they were.
  void LinesChanged(std::size_t first);
  // Shows the last row at the bottom, as an EDIT control does after text is
  // added at its end.
  void ScrollToEnd();
  // Positive scrolls the text up (later rows come into view).
  void ScrollRows(long delta);

  void SetSelection(std::size_t start, std::size_t length);
  // Scrolls as little as needed to show the position.
  void EnsureVisible(std::size_t pos);
  std::size_t SelectionStart() const;
  std::size_t SelectionLength() const;
  std::wstring SelectedText();
  // Index of the first line shown (of the line whose row is at the top).
  std::size_t TopLine() const { return topLine_; }
  int TopRow() const { return topRow_; }
  void CopySelection();

 private:
  struct RowPos {
    std::size_t line;
    int row;
  };

  void EnsureStarts();
  std::size_t TextLength();
  std::size_t LineOf(std::size_t pos);
  std::size_t LineStart(std::size_t line);
  std::size_t ClampPos(std::size_t pos);
  // Column where each row of the line starts; the first is always 0.
  std::vector<int> Breaks(std::size_t line);
  int Rows(std::size_t line);
  int WrapWidth() const;
  int PageRows() const;
  RowPos Advance(RowPos from, long delta);
  RowPos MaxTop();
  void SetTop(RowPos top);
  void UpdateScrollBar();
  void MarkDirty();
  void Repaint();

  std::size_t PosFromPoint(POINT client);
  bool PointFromPos(std::size_t pos, POINT* client);
  int ColumnFromX(std::wstring_view text, int x);
  int TextWidth(std::wstring_view text);

  void SelectTo(std::size_t caret, bool extend);
  void PlaceCaret();
  void MoveCaretNow();
  void Paint(HDC dc, const RECT& clip);
  void PaintRow(HDC dc, int y, std::size_t line, std::wstring_view text, int begin, int end);
  void OnKeyDown(WPARAM key);
  std::size_t WordStart(std::size_t pos);
  std::size_t WordEnd(std::size_t pos);

  HWND Handle() const { return hwnd_; }

  const LineSource& source_;
  HWND hwnd_ = nullptr;
  bool wordWrap_ = true;
  bool hideSelection_ = false;
  HDC measureDc_ = nullptr;
  HFONT font_ = nullptr;
  COLORREF background_ = RGB(255, 255, 255);
  COLORREF text_ = RGB(0, 0, 0);
  int lineHeight_ = 16;

  std::vector<std::size_t> starts_;  // valid for the first starts_.size() lines
  std::vector<std::uint16_t> rows_;  // 0 = not measured yet (counted as one row)
  std::size_t topLine_ = 0;
  int topRow_ = 0;
  std::size_t anchor_ = 0;
  std::size_t caret_ = 0;
  int caretX_ = -1;  // remembered column for up/down; -1 = take it from the caret
  bool focused_ = false;
  bool selecting_ = false;
  bool scrollDirty_ = true;
  bool repaintPending_ = false;
  bool caretPending_ = false;
};

}  // namespace zt::ui::win32
