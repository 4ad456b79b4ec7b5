#pragma once
// Multi-line edit field with its list of lines.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"

namespace zt::ui {

class Memo;

// The lines of a memo: its text split at CR LF. As in the framework, every
// line added is followed by CR LF, so a memo filled with Add has a text
// ending in CR LF; a text set without a final CR LF keeps that form.
// Appending is O(1) amortised (plus the length of the text added).
class MemoLines {
 public:
  int Count() const { return static_cast<int>(lines_.size()); }
  const std::wstring& operator[](int index) const { return lines_.at(static_cast<std::size_t>(index)); }
  // Appends the text as one line, or several when it holds CR LF.
  void Add(std::wstring_view text);
  void Clear();
  std::wstring Text() const;
  void SetText(std::wstring_view text);

 private:
  friend class Memo;
  explicit MemoLines(Memo& memo) : memo_(memo) {}
  // Appends the pieces of `text` split at CR LF; returns how many.
  int AppendPieces(std::wstring_view text);
  void Assign(std::wstring_view text);

  Memo& memo_;
  std::vector<std::wstring> lines_;
  bool endsWithBreak_ = false;  // the text ends with CR LF after the last line
  std::size_t units_ = 0;       // UTF-16 length of the whole text
};

enum class ScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// A memo. Positions and lengths (SelStart, SelLength, TextLength) count
// UTF-16 units over the whole text, CR LF between lines included. Every text
// change (SetText, Lines.Add, Lines.Clear, ...) fires OnChange, as the
// window's change notification does, unless made with Notify::No; it also
// puts the caret at the end of the inserted text (Add) or at 0 (SetText).
class Memo : public WinControl {
 public:
  Memo();
  std::wstring_view ClassName() const override { return L"TMemo"; }

  MemoLines& Lines() { return lines_; }
  const MemoLines& Lines() const { return lines_; }
  std::wstring Text() const { return lines_.Text(); }
  void SetText(std::wstring_view text, Notify notify = Notify::Yes);
  std::size_t TextLength() const { return lines_.units_; }
  // The last `units` UTF-16 units of the text (all of it when longer); lets a
  // view append what was added without copying the whole text.
  std::wstring TextTail(std::size_t units) const;

  int SelStart() const { return selStart_; }
  int SelLength() const { return selLength_; }
  void SetSelStart(int start) { SetSelection(start, 0); }
  void SetSelLength(int length) { SetSelection(selStart_, length); }
  // Clamped to the text.
  void SetSelection(int start, int length);
  std::wstring SelText() const;

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);
  ScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(ScrollStyle scrollBars);
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool hideSelection);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wordWrap);
  bool Modified() const { return modified_; }
  void SetModified(bool modified) { modified_ = modified; }

  // Scrolls the view by whole lines (negative: up) through the host; does
  // nothing without a host.
  void ScrollLines(int lines);

  // The user changed the text.
  void UserSetText(std::wstring_view text);

  std::vector<StringProperty> StringProperties() override;

  std::function<void()> OnChange;

 private:
  friend class MemoLines;
  // After the lines changed: caret, view, event.
  void TextChanged(const Change& change, int caret, Notify notify);

  MemoLines lines_{*this};
  int selStart_ = 0;
  int selLength_ = 0;
  bool readOnly_ = false;
  ScrollStyle scrollBars_ = ScrollStyle::ssNone;
  bool hideSelection_ = true;
  bool wordWrap_ = true;
  bool modified_ = false;
};

}  // namespace zt::ui
