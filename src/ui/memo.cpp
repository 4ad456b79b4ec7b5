#include "ui/memo.h"

#include <algorithm>

#include "base/utf16.h"
#include "ui/host.h"

namespace zt::ui {

namespace {

constexpr std::wstring_view kBreak = L"\r\n";

// Index of the character at which `units` UTF-16 units of `line` are used up.
std::size_t CharIndexAtUnits(const std::wstring& line, std::size_t units) {
  std::size_t index = 0;
  while (index < line.size() && units > 0) {
    std::size_t width = Utf16Length(std::wstring_view(&line[index], 1));
    if (width > units) break;
    units -= width;
    ++index;
  }
  return index;
}

}  // namespace

int MemoLines::AppendPieces(std::wstring_view text) {
  int added = 0;
  while (true) {
    auto pos = text.find(kBreak);
    std::wstring_view piece = text.substr(0, pos);
    lines_.emplace_back(piece);
    units_ += Utf16Length(piece);
    ++added;
    if (pos == std::wstring_view::npos) return added;
    text.remove_prefix(pos + kBreak.size());
  }
}

void MemoLines::Add(std::wstring_view text) {
  int first = Count();
  // The window inserts "text CR LF" after a final break (or into an empty
  // memo), and "CR LF text" after a last line without one; either way each
  // piece comes with one break.
  bool afterBreak = lines_.empty() || endsWithBreak_;
  int added = AppendPieces(text);
  units_ += kBreak.size() * static_cast<std::size_t>(added);
  if (afterBreak) {
    endsWithBreak_ = true;
  } else {
    endsWithBreak_ = lines_.back().empty();
    if (endsWithBreak_) {
      lines_.pop_back();
      --added;
    }
  }
  memo_.TextChanged(Change::List(Property::Lines, ListChange::Inserted, first, added),
                    static_cast<int>(units_), Notify::Yes);
}

void MemoLines::Clear() {
  if (lines_.empty()) return;
  Assign({});
  memo_.TextChanged(Change::Of(Property::Lines), 0, Notify::Yes);
}

std::wstring MemoLines::Text() const {
  std::wstring text;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (i > 0) text += kBreak;
    text += lines_[i];
  }
  if (endsWithBreak_) text += kBreak;
  return text;
}

void MemoLines::SetText(std::wstring_view text) { memo_.SetText(text); }

void MemoLines::Assign(std::wstring_view text) {
  lines_.clear();
  units_ = 0;
  endsWithBreak_ = false;
  if (text.empty()) return;
  int added = AppendPieces(text);
  units_ += kBreak.size() * static_cast<std::size_t>(added - 1);
  if (lines_.back().empty()) {
    lines_.pop_back();
    endsWithBreak_ = true;
  }
}

Memo::Memo() { SetColor(clWindow); }

void Memo::SetText(std::wstring_view text, Notify notify) {
  modified_ = false;
  if (text == Text()) return;
  lines_.Assign(text);
  TextChanged(Change::Of(Property::Lines), 0, notify);
}

void Memo::TextChanged(const Change& change, int caret, Notify notify) {
  selStart_ = caret;
  selLength_ = 0;
  Changed(change);
  Changed(Property::Selection);
  if (notify == Notify::Yes) Fire(OnChange);
}

std::wstring Memo::TextTail(std::size_t units) const {
  const auto& lines = lines_.lines_;
  std::wstring tail = lines_.endsWithBreak_ ? std::wstring(kBreak) : std::wstring();
  std::size_t taken = tail.size();
  for (std::size_t i = lines.size(); i-- > 0 && taken < units;) {
    tail.insert(0, lines[i]);
    taken += Utf16Length(lines[i]);
    if (i > 0 && taken < units) {
      tail.insert(0, kBreak);
      taken += kBreak.size();
    }
  }
  // Cut what was taken beyond `units` from the front.
  std::size_t excess = taken > units ? taken - units : 0;
  return tail.substr(CharIndexAtUnits(tail, excess));
}

void Memo::SetSelection(int start, int length) {
  int total = static_cast<int>(TextLength());
  start = std::clamp(start, 0, total);
  length = std::clamp(length, 0, total - start);
  if (start == selStart_ && length == selLength_) return;
  selStart_ = start;
  selLength_ = length;
  Changed(Property::Selection);
}

std::wstring Memo::SelText() const {
  if (selLength_ == 0) return {};
  std::size_t start = static_cast<std::size_t>(selStart_);
  std::size_t end = start + static_cast<std::size_t>(selLength_);
  std::wstring result;
  std::size_t pos = 0;  // units before the current piece
  const auto& lines = lines_.lines_;
  auto take = [&](const std::wstring& piece) {
    std::size_t width = Utf16Length(piece);
    if (pos + width > start && pos < end) {
      std::size_t from = CharIndexAtUnits(piece, start > pos ? start - pos : 0);
      std::size_t to = CharIndexAtUnits(piece, std::min(end, pos + width) - pos);
      result.append(piece, from, to - from);
    }
    pos += width;
  };
  const std::wstring lineBreak(kBreak);
  for (std::size_t i = 0; i < lines.size() && pos < end; ++i) {
    take(lines[i]);
    if (i + 1 < lines.size() || lines_.endsWithBreak_) take(lineBreak);
  }
  return result;
}

void Memo::SetReadOnly(bool readOnly) {
  if (readOnly == readOnly_) return;
  readOnly_ = readOnly;
  Changed(Property::Style);
}

void Memo::SetScrollBars(ScrollStyle scrollBars) {
  if (scrollBars == scrollBars_) return;
  scrollBars_ = scrollBars;
  Changed(Property::Style);
}

void Memo::SetHideSelection(bool hideSelection) {
  if (hideSelection == hideSelection_) return;
  hideSelection_ = hideSelection;
  Changed(Property::Style);
}

void Memo::SetWordWrap(bool wordWrap) {
  if (wordWrap == wordWrap_) return;
  wordWrap_ = wordWrap;
  Changed(Property::Style);
}

void Memo::ScrollLines(int lines) {
  if (Host* host = FindHost()) host->ScrollLines(*this, lines);
}

void Memo::UserSetText(std::wstring_view text) {
  if (!Usable() || readOnly_ || text == Text()) return;
  lines_.Assign(text);
  modified_ = true;
  Changed(Property::Lines);
  Fire(OnChange);
}

std::vector<StringProperty> Memo::StringProperties() {
  auto list = Control::StringProperties();
  list.insert(list.begin(), StringProperty{L"Lines", [this] { return Text(); },
                                           [this](const std::wstring& v) { SetText(v); }});
  return list;
}

}  // namespace zt::ui
