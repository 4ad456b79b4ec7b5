#include "ui/win32/page_views.h"

#include "ui/win32/binding.h"
#include "ui/win32/gdi_cache.h"

namespace zt::ui::win32 {

void PageControlView::Realise() {
  RECT box = BoundsRect();
  CreateCommon(WC_TABCONTROLW, 0, WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_TABSTOP, L"", box.left,
               box.top, box.right - box.left, box.bottom - box.top, ParentHandle(), 0);
  Placed();
  RebuildTabs();
  RealiseChildren();
  LayoutSheets();
}

int PageControlView::TabIndexOf(const ui::TabSheet* page) const {
  for (std::size_t i = 0; i < tabs_.size(); ++i) {
    if (tabs_[i] == page) return static_cast<int>(i);
  }
  return -1;
}

void PageControlView::RebuildTabs() {
  if (!Handle()) return;
  Mirror mirror(*this);
  ::SendMessageW(Handle(), TCM_DELETEALLITEMS, 0, 0);
  tabs_.clear();
  for (int i = 0; i < pages_.PageCount(); ++i) {
    ui::TabSheet& page = pages_.Pages(i);
    if (!page.TabVisible()) continue;
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    std::wstring caption = page.Caption();
    item.pszText = caption.data();
    ::SendMessageW(Handle(), TCM_INSERTITEMW, tabs_.size(), reinterpret_cast<LPARAM>(&item));
    tabs_.push_back(&page);
  }
  ShowActiveTab();
  LayoutSheets();
}

void PageControlView::ShowActiveTab() {
  if (!Handle()) return;
  Mirror mirror(*this);
  ::SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(TabIndexOf(pages_.ActivePage())), 0);
}

void PageControlView::LayoutSheets() {
  if (!Handle()) return;
  RECT display;
  ::GetClientRect(Handle(), &display);
  ::SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  // The sheets' places are the tab control's to decide, as in the framework.
  for (int i = 0; i < pages_.PageCount(); ++i) {
    pages_.Pages(i).SetBounds(display.left, display.top, display.right - display.left,
                              display.bottom - display.top);
  }
}

void PageControlView::BoundsChanged() {
  ContainerView::BoundsChanged();
  LayoutSheets();
}

void PageControlView::FontChanged() {
  ContainerView::FontChanged();
  LayoutSheets();
}

bool PageControlView::OnNotify(NMHDR* header, LRESULT* result) {
  if (header->hwndFrom != Handle()) return false;
  if (header->code == TCN_SELCHANGING) {
    *result = FALSE;
    return true;
  }
  if (header->code != TCN_SELCHANGE || Mirroring()) return false;
  int index = static_cast<int>(::SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
  if (index >= 0 && static_cast<std::size_t>(index) < tabs_.size()) pages_.UserSelectPage(*tabs_[index]);
  // OnChanging may have refused: the strip shows the model's page.
  ShowActiveTab();
  *result = 0;
  return true;
}

void PageControlView::OtherChanged(const ui::Change& change) {
  switch (change.property) {
    case ui::Property::ActivePage:
      ShowActiveTab();
      break;
    case ui::Property::Controls:
      ContainerView::OtherChanged(change);
      RebuildTabs();
      break;
    default:
      ContainerView::OtherChanged(change);
      break;
  }
}

void TabSheetView::Realise() {
  CreateContainer(0);
  RealiseChildren();
}

void TabSheetView::CaptionChanged() {
  if (auto* pages = dynamic_cast<PageControlView*>(ParentView())) pages->RebuildTabs();
}

void TabSheetView::OtherChanged(const ui::Change& change) {
  if (change.property == ui::Property::TabVisible) {
    if (auto* pages = dynamic_cast<PageControlView*>(ParentView())) pages->RebuildTabs();
    return;
  }
  ContainerView::OtherChanged(change);
}

void LinkLabelView::Realise() {
  RECT box = BoundsRect();
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | LWS_TRANSPARENT;
  if (label_.Alignment() == ui::Alignment::taRightJustify) style |= LWS_RIGHT;
  CreateCommon(WC_LINK, 0, style, label_.Caption().c_str(), box.left, box.top, box.right - box.left,
               box.bottom - box.top, ParentHandle(), 0);
  Placed();
}

bool LinkLabelView::OnNotify(NMHDR* header, LRESULT* result) {
  if (header->code != NM_CLICK && header->code != NM_RETURN) return false;
  label_.UserClickLink(reinterpret_cast<NMLINK*>(header)->item.iLink);
  *result = 0;
  return true;
}

void LinkLabelView::OtherChanged(const ui::Change& change) {
  if (change.property != ui::Property::Style || !Handle()) return;
  LONG_PTR style = ::GetWindowLongPtrW(Handle(), GWL_STYLE);
  style = label_.Alignment() == ui::Alignment::taRightJustify ? (style | LWS_RIGHT)
                                                              : (style & ~static_cast<LONG_PTR>(LWS_RIGHT));
  ::SetWindowLongPtrW(Handle(), GWL_STYLE, style);
  ::InvalidateRect(Handle(), nullptr, TRUE);
}

}  // namespace zt::ui::win32
