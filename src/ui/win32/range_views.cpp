#include "ui/win32/range_views.h"

#include "ui/edit.h"
#include "ui/win32/binding.h"
#include "ui/win32/container_view.h"
#include "ui/win32/gdi_cache.h"

namespace zt::ui::win32 {

namespace {

// The drop-down list's room below the box, as eight items take it.
constexpr int kDropDownHeight = 8 * 16 + 2;
// Any range wider than one step: the up-down's own position stays inside it.
constexpr int kUpDownMiddle = 50;

}  // namespace

void TrackBarView::Realise() {
  RECT box = BoundsRect();
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | TBS_HORZ | TBS_AUTOTICKS;
  if (bar_.ShowSelRange()) style |= TBS_ENABLESELRANGE;
  CreateCommon(TRACKBAR_CLASSW, 0, style, L"", box.left, box.top, box.right - box.left, box.bottom - box.top,
               ParentHandle(), 0);
  ShowRange();
  ShowPosition();
  Placed();
}

void TrackBarView::ShowRange() {
  if (!Handle()) return;
  Mirror mirror(*this);
  ::SendMessageW(Handle(), TBM_SETRANGEMIN, FALSE, bar_.Min());
  ::SendMessageW(Handle(), TBM_SETRANGEMAX, FALSE, bar_.Max());
  ::SendMessageW(Handle(), TBM_SETTICFREQ, static_cast<WPARAM>(bar_.Frequency()), 0);
  ::InvalidateRect(Handle(), nullptr, TRUE);
}

void TrackBarView::ShowPosition() {
  if (!Handle()) return;
  Mirror mirror(*this);
  ::SendMessageW(Handle(), TBM_SETPOS, TRUE, bar_.Position());
}

bool TrackBarView::OnScroll(WORD code) {
  if (Mirroring()) return true;
  int position = static_cast<int>(::SendMessageW(Handle(), TBM_GETPOS, 0, 0));
  bar_.UserSetPosition(position);
  // The model may not take it (disabled): the thumb shows the model's place.
  if (bar_.Position() != position) ShowPosition();
  return true;
}

void TrackBarView::OtherChanged(const ui::Change& change) {
  switch (change.property) {
    case ui::Property::Range:
      ShowRange();
      ShowPosition();
      break;
    case ui::Property::Position:
      ShowPosition();
      break;
    case ui::Property::Style: {
      if (!Handle()) break;
      LONG_PTR style = ::GetWindowLongPtrW(Handle(), GWL_STYLE);
      style = bar_.ShowSelRange() ? (style | TBS_ENABLESELRANGE)
                                  : (style & ~static_cast<LONG_PTR>(TBS_ENABLESELRANGE));
      ::SetWindowLongPtrW(Handle(), GWL_STYLE, style);
      ::InvalidateRect(Handle(), nullptr, TRUE);
      break;
    }
    default:
      break;
  }
}

void UpDownView::Realise() {
  RECT box = BoundsRect();
  CreateCommon(UPDOWN_CLASSW, 0, WS_CHILD | WS_CLIPSIBLINGS | UDS_ARROWKEYS, L"", box.left, box.top,
               box.right - box.left, box.bottom - box.top, ParentHandle(), 0);
  if (Handle()) {
    ::SendMessageW(Handle(), UDM_SETRANGE32, 0, 2 * kUpDownMiddle);
    ::SendMessageW(Handle(), UDM_SETPOS32, 0, kUpDownMiddle);
    UDACCEL accel{0, 1};
    ::SendMessageW(Handle(), UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
  }
  wchar_t separator[8] = {};
  if (::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, separator, 8) > 0) {
    upDown_.SetThousandSeparator(separator);
  }
  BindBuddy();
  Placed();
}

void UpDownView::BindBuddy() {
  if (!Handle()) return;
  HWND buddy = upDown_.Associate() ? Owner().HandleOf(*upDown_.Associate()) : nullptr;
  ::SendMessageW(Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
}

bool UpDownView::OnNotify(NMHDR* header, LRESULT* result) {
  if (header->code != UDN_DELTAPOS) return false;
  const auto& change = *reinterpret_cast<NMUPDOWN*>(header);
  if (change.iDelta != 0)
    upDown_.UserClick(change.iDelta > 0 ? ui::UDBtnType::btNext : ui::UDBtnType::btPrev);
  *result = TRUE;  // the window's own position stays where it is
  return true;
}

void UpDownView::OtherChanged(const ui::Change& change) {
  if (change.property == ui::Property::Style) BindBuddy();
}

void ComboBoxView::Realise() {
  RECT box = BoundsRect();
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | WS_VSCROLL | CBS_AUTOHSCROLL;
  switch (combo_.Style()) {
    case ui::ComboBoxStyle::csDropDownList:
      style |= CBS_DROPDOWNLIST;
      break;
    case ui::ComboBoxStyle::csSimple:
      style |= CBS_SIMPLE;
      break;
    default:
      style |= CBS_DROPDOWN;
      break;
  }
  int height = combo_.Style() == ui::ComboBoxStyle::csSimple ? box.bottom - box.top
                                                             : box.bottom - box.top + kDropDownHeight;
  CreateCommon(WC_COMBOBOXW, 0, style, L"", box.left, box.top, box.right - box.left, height, ParentHandle(),
               0);
  Placed();
  FillItems();
}

void ComboBoxView::BoundsChanged() {
  if (!Handle()) return;
  RECT box = BoundsRect();
  int height = combo_.Style() == ui::ComboBoxStyle::csSimple ? box.bottom - box.top
                                                             : box.bottom - box.top + kDropDownHeight;
  ::SetWindowPos(Handle(), nullptr, box.left, box.top, box.right - box.left, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void ComboBoxView::FillItems() {
  if (!Handle()) return;
  Mirror mirror(*this);
  ::SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
  for (int i = 0; i < combo_.Items().Count(); ++i) {
    ::SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(combo_.Items()[i].c_str()));
  }
  ShowSelection();
}

void ComboBoxView::ShowSelection() {
  if (!Handle()) return;
  int index = combo_.ItemIndex();
  bool hasEdit = combo_.Style() != ui::ComboBoxStyle::csDropDownList;
  // While the user types, the model drops the selection; emptying the
  // window's selection would empty the edit under the caret.
  if (index < 0 && hasEdit && WindowTextOf(Handle()) == combo_.Text()) return;
  if (::SendMessageW(Handle(), CB_GETCURSEL, 0, 0) == index) return;
  Mirror mirror(*this);
  ::SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  if (index < 0 && hasEdit) ::SetWindowTextW(Handle(), combo_.Text().c_str());
}

void ComboBoxView::CaptionChanged() {
  if (combo_.Style() != ui::ComboBoxStyle::csDropDownList) WindowedView::CaptionChanged();
}

bool ComboBoxView::OnCommand(WORD code) {
  if (Mirroring()) return code == CBN_SELCHANGE || code == CBN_EDITCHANGE;
  if (code == CBN_SELCHANGE) {
    int index = static_cast<int>(::SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
    combo_.UserSelect(index);
    if (combo_.ItemIndex() != index) ShowSelection();
    return true;
  }
  if (code == CBN_EDITCHANGE) {
    combo_.UserSetText(WindowTextOf(Handle()));
    return true;
  }
  return false;
}

void ComboBoxView::OtherChanged(const ui::Change& change) {
  switch (change.property) {
    case ui::Property::Items: {
      if (!Handle()) break;
      Mirror mirror(*this);
      int index = change.index;
      if (change.list == ui::ListChange::Inserted && index >= 0 && index < combo_.Items().Count()) {
        ::SendMessageW(Handle(), CB_INSERTSTRING, static_cast<WPARAM>(index),
                       reinterpret_cast<LPARAM>(combo_.Items()[index].c_str()));
      } else if (change.list == ui::ListChange::Removed && index >= 0) {
        ::SendMessageW(Handle(), CB_DELETESTRING, static_cast<WPARAM>(index), 0);
      } else {
        FillItems();
      }
      break;
    }
    case ui::Property::ItemIndex:
      ShowSelection();
      break;
    case ui::Property::Style: {
      // The kind of box is fixed when a combo box window is made.
      bool visible = Handle() && ::IsWindowVisible(Handle());
      DestroyHandle();
      Realise();
      if (!visible && Handle()) ::ShowWindow(Handle(), SW_HIDE);
      break;
    }
    default:
      break;
  }
}

}  // namespace zt::ui::win32
