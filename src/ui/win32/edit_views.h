#pragma once
#include "ui/edit.h"
#include "ui/memo.h"
#include "ui/win32/control_view.h"
#include "ui/win32/lines_view.h"

namespace zt::ui::win32 {

class EditView : public WindowedView {
 public:
  EditView(Binding& binding, ui::Edit& edit) : WindowedView(binding, edit), edit_(edit) {}
  void Realise() override;
  bool OnCommand(WORD code) override;

 protected:
  std::wstring WindowText() const override { return edit_.Text(); }
  void OtherChanged(const ui::Change& change) override;
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  DWORD EditStyle() const;
  void ApplyOptions();
  ui::Edit& edit_;
};

// The memo's lines as the view reads them: a text that ends with a line
// break shows one more, empty line after it, as an EDIT control does.
class MemoLineSource : public LineSource {
 public:
  explicit MemoLineSource(const ui::Memo& memo) : memo_(memo) {}
  std::size_t LineCount() const override;
  std::wstring_view LineAt(std::size_t index) const override;
  // After every change of the lines.
  void Refresh();

 private:
  const ui::Memo& memo_;
  bool trailingBreak_ = false;
};

// A memo as the binding's own scrolling view of the model's lines (see
// LinesView): appending to a log of 100,000 lines costs what the new lines
// cost, not what the whole text costs.
class MemoView : public WindowedView {
 public:
  MemoView(Binding& binding, ui::Memo& memo);
  void Realise() override;
  void ScrollLines(int lines) { view_.ScrollRows(lines); }
  LinesView& Lines() { return view_; }

 protected:
  void FontChanged() override;
  void ColorChanged() override;
  void CaptionChanged() override {}
  void OtherChanged(const ui::Change& change) override;
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void ApplyOptions();
  ui::Memo& memo_;
  MemoLineSource source_;
  LinesView view_;
};

}  // namespace zt::ui::win32
