#include "ui/win32/list_views.h"

#include <windowsx.h>

#include "ui/win32/binding.h"
#include "ui/win32/png_picture.h"

namespace zt::ui::win32 {

namespace {

int ColumnFormat(ui::Alignment alignment) {
  switch (alignment) {
    case ui::Alignment::taRightJustify:
      return LVCFMT_RIGHT;
    case ui::Alignment::taCenter:
      return LVCFMT_CENTER;
    default:
      return LVCFMT_LEFT;
  }
}

}  // namespace

ImageListView::ImageListView(Binding& binding, ui::ImageList& images)
    : ComponentBinding(binding, images), images_(images) {
  handle_ = ImageList_Create(images_.Width(), images_.Height(), ILC_COLOR32 | ILC_MASK, 4, 4);
  Fill();
}

ImageListView::~ImageListView() {
  if (handle_) ImageList_Destroy(handle_);
}

void ImageListView::Add(const ui::Picture& picture) {
  HICON icon = nullptr;
  bool owned = false;
  if (picture.icon != 0) {
    icon = reinterpret_cast<HICON>(picture.icon);
  } else {
    std::unique_ptr<Picture> decoded =
        !picture.png.empty() ? Picture::FromBytes(picture.png) : Picture::FromResource(picture.resourceName);
    if (decoded) {
      icon = decoded->CreateIcon();
      owned = true;
    }
  }
  if (icon) {
    ImageList_AddIcon(handle_, icon);
    if (owned) ::DestroyIcon(icon);
    return;
  }
  // Keep the indexes of the pictures after it: an empty picture in its place.
  HDC screen = ::GetDC(nullptr);
  HBITMAP blank = ::CreateCompatibleBitmap(screen, images_.Width(), images_.Height());
  ::ReleaseDC(nullptr, screen);
  ImageList_AddMasked(handle_, blank, RGB(0, 0, 0));
  ::DeleteObject(blank);
}

void ImageListView::Fill() {
  if (!handle_) return;
  ImageList_SetIconSize(handle_, images_.Width(), images_.Height());  // also empties it
  for (int i = 0; i < images_.Count(); ++i) Add(images_.Picture(i));
}

void ImageListView::Changed(ui::Component&, const ui::Change& change) {
  if (change.property != ui::Property::Items || !handle_) return;
  if (change.list == ui::ListChange::Inserted && change.index == ImageList_GetImageCount(handle_)) {
    Add(images_.Picture(change.index));
  } else {
    Fill();
  }
}

DWORD ListViewView::ListStyle() const {
  DWORD style = LVS_SINGLESEL | LVS_SHAREIMAGELISTS;
  switch (list_.ViewStyle()) {
    case ui::ViewStyle::vsReport:
      style |= LVS_REPORT;
      break;
    case ui::ViewStyle::vsSmallIcon:
      style |= LVS_SMALLICON;
      break;
    case ui::ViewStyle::vsList:
      style |= LVS_LIST;
      break;
    default:
      style |= LVS_ICON;
      break;
  }
  if (!list_.HideSelection()) style |= LVS_SHOWSELALWAYS;
  if (!list_.ShowColumnHeaders()) style |= LVS_NOCOLUMNHEADER;
  if (!list_.ColumnClick()) style |= LVS_NOSORTHEADER;
  return style;
}

void ListViewView::Realise() {
  RECT box = BoundsRect();
  CreateCommon(WC_LISTVIEWW, WS_EX_CLIENTEDGE, WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | ListStyle(), L"",
               box.left, box.top, box.right - box.left, box.bottom - box.top, ParentHandle(), 0);
  if (!Handle()) return;
  ApplyStyle();
  for (int i = 0; i < list_.ColumnCount(); ++i) SendColumn(LVM_INSERTCOLUMNW, i);
  FillGroups();
  FillItems();
  Placed();
  ReportMetrics();
}

void ListViewView::ApplyStyle() {
  if (!Handle()) return;
  Mirror mirror(*this);
  constexpr DWORD kOwnBits = LVS_TYPEMASK | LVS_SHOWSELALWAYS | LVS_NOCOLUMNHEADER | LVS_NOSORTHEADER;
  LONG_PTR style = ::GetWindowLongPtrW(Handle(), GWL_STYLE);
  LONG_PTR wanted = (style & ~static_cast<LONG_PTR>(kOwnBits)) | ListStyle();
  if (wanted != style) ::SetWindowLongPtrW(Handle(), GWL_STYLE, wanted);
  DWORD extended = LVS_EX_DOUBLEBUFFER;
  if (list_.Checkboxes()) extended |= LVS_EX_CHECKBOXES;
  if (list_.RowSelect()) extended |= LVS_EX_FULLROWSELECT;
  ::SendMessageW(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE,
                 LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER, extended);
  HIMAGELIST images = nullptr;
  if (ui::ImageList* small = list_.SmallImages()) {
    if (auto* view = dynamic_cast<ImageListView*>(Owner().RealiseImageList(*small))) images = view->Handle();
  }
  ::SendMessageW(Handle(), LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
  ::SendMessageW(Handle(), LVM_ENABLEGROUPVIEW, list_.GroupView(), 0);
  // Turning check boxes on gives every item an unchecked box: show the model's.
  for (int i = 0; i < list_.ItemCount() && list_.Checkboxes(); ++i) ShowChecked(i);
}

// LVM_INSERTCOLUMNW or LVM_SETCOLUMNW with the model's column `index`.
void ListViewView::SendColumn(UINT message, int index) {
  const ui::ListColumn& column = list_.Column(index);
  LVCOLUMNW lv{};
  lv.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
  std::wstring caption = column.Caption;
  lv.pszText = caption.data();
  lv.cx = column.Width;
  lv.fmt = ColumnFormat(column.Alignment);
  ::SendMessageW(Handle(), message, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&lv));
}

void ListViewView::FillGroups() {
  ::SendMessageW(Handle(), LVM_REMOVEALLGROUPS, 0, 0);
  for (int i = 0; i < list_.GroupCount(); ++i) {
    const ui::ListGroup& group = list_.Group(i);
    LVGROUP lv{};
    lv.cbSize = sizeof(lv);
    lv.mask = LVGF_HEADER | LVGF_GROUPID;
    std::wstring header = group.Header;
    lv.pszHeader = header.data();
    lv.iGroupId = group.GroupID;
    ::SendMessageW(Handle(), LVM_INSERTGROUP, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&lv));
  }
}

void ListViewView::InsertItem(int index) {
  const ui::ListItem& item = list_.Item(index);
  LVITEMW lv{};
  lv.mask = LVIF_TEXT | LVIF_IMAGE;
  lv.iItem = index;
  std::wstring caption = item.Caption();
  lv.pszText = caption.data();
  lv.iImage = item.ImageIndex();
  if (list_.GroupView()) {
    lv.mask |= LVIF_GROUPID;
    lv.iGroupId = item.GroupID();
  }
  Mirror mirror(*this);
  ::SendMessageW(Handle(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&lv));
  UpdateItem(index);
}

void ListViewView::UpdateItem(int index) {
  const ui::ListItem& item = list_.Item(index);
  Mirror mirror(*this);
  LVITEMW lv{};
  lv.mask = LVIF_TEXT | LVIF_IMAGE;
  lv.iItem = index;
  std::wstring caption = item.Caption();
  lv.pszText = caption.data();
  lv.iImage = item.ImageIndex();
  if (list_.GroupView()) {
    lv.mask |= LVIF_GROUPID;
    lv.iGroupId = item.GroupID();
  }
  ::SendMessageW(Handle(), LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&lv));
  // Columns past the sub-items show nothing.
  for (int column = 1; column < std::max<int>(list_.ColumnCount(), 1); ++column) {
    std::wstring text = static_cast<std::size_t>(column - 1) < item.SubItems().size()
                            ? item.SubItems()[static_cast<std::size_t>(column - 1)]
                            : std::wstring();
    LVITEMW sub{};
    sub.iSubItem = column;
    sub.pszText = text.data();
    ::SendMessageW(Handle(), LVM_SETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&sub));
  }
  ShowChecked(index);
  ShowSelected(index);
}

void ListViewView::FillItems() {
  Mirror mirror(*this);
  ::SendMessageW(Handle(), LVM_DELETEALLITEMS, 0, 0);
  for (int i = 0; i < list_.ItemCount(); ++i) InsertItem(i);
}

void ListViewView::ShowChecked(int index) {
  if (!list_.Checkboxes()) return;
  Mirror mirror(*this);
  LVITEMW lv{};
  lv.stateMask = LVIS_STATEIMAGEMASK;
  lv.state = INDEXTOSTATEIMAGEMASK(list_.Item(index).Checked() ? 2 : 1);
  ::SendMessageW(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&lv));
}

void ListViewView::ShowSelected(int index) {
  Mirror mirror(*this);
  bool selected = list_.ItemIndex() == index;
  LVITEMW lv{};
  lv.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  lv.state = selected ? LVIS_SELECTED | LVIS_FOCUSED : 0;
  ::SendMessageW(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&lv));
  if (selected) ::SendMessageW(Handle(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
}

void ListViewView::ReportMetrics() {
  if (!Handle()) return;
  ui::ListMetrics metrics = list_.Metrics();
  HWND header = reinterpret_cast<HWND>(::SendMessageW(Handle(), LVM_GETHEADER, 0, 0));
  RECT headerRect{};
  if (header && list_.ShowColumnHeaders() && ::GetWindowRect(header, &headerRect)) {
    metrics.headerHeight = headerRect.bottom - headerRect.top;
  }
  if (list_.ItemCount() > 0) {
    RECT bounds{};
    bounds.left = LVIR_BOUNDS;
    if (::SendMessageW(Handle(), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&bounds))) {
      metrics.rowHeight = bounds.bottom - bounds.top;
    }
  }
  auto stateImages = reinterpret_cast<HIMAGELIST>(::SendMessageW(Handle(), LVM_GETIMAGELIST, LVSIL_STATE, 0));
  int width = 0, height = 0;
  if (stateImages && ImageList_GetIconSize(stateImages, &width, &height)) metrics.stateIconWidth = width;
  if (ui::ImageList* small = list_.SmallImages()) metrics.smallIconWidth = small->Width();
  list_.SetMetrics(metrics);
}

void ListViewView::FontChanged() {
  WindowedView::FontChanged();
  ReportMetrics();
}

void ListViewView::OtherChanged(const ui::Change& change) {
  if (!Handle()) return;
  int index = change.index;
  switch (change.property) {
    case ui::Property::Items:
      if (change.list == ui::ListChange::Inserted && index >= 0 && index < list_.ItemCount()) {
        InsertItem(index);
        if (list_.ItemCount() == 1) ReportMetrics();
      } else if (change.list == ui::ListChange::Removed && index >= 0) {
        Mirror mirror(*this);
        ::SendMessageW(Handle(), LVM_DELETEITEM, static_cast<WPARAM>(index), 0);
      } else if (change.list == ui::ListChange::Updated && index >= 0 && index < list_.ItemCount()) {
        UpdateItem(index);
      } else {
        FillItems();
        ReportMetrics();
      }
      break;
    case ui::Property::Checked:
      if (index >= 0 && index < list_.ItemCount()) ShowChecked(index);
      break;
    case ui::Property::ItemIndex:
      if (index >= 0 && index < list_.ItemCount()) ShowSelected(index);
      break;
    case ui::Property::Columns:
      if (change.list == ui::ListChange::Inserted && index >= 0) {
        SendColumn(LVM_INSERTCOLUMNW, index);
      } else if (change.list == ui::ListChange::Updated && index >= 0) {
        SendColumn(LVM_SETCOLUMNW, index);
      } else if (change.list == ui::ListChange::Removed && index >= 0) {
        ::SendMessageW(Handle(), LVM_DELETECOLUMN, static_cast<WPARAM>(index), 0);
      }
      break;
    case ui::Property::Groups:
      FillGroups();
      FillItems();
      break;
    case ui::Property::Style: {
      bool groupsBefore = ::SendMessageW(Handle(), LVM_ISGROUPVIEWENABLED, 0, 0) != FALSE;
      ApplyStyle();
      // Items carry their group only while the group view is on.
      if (groupsBefore != list_.GroupView()) FillItems();
      ReportMetrics();
      break;
    }
    case ui::Property::Position: {
      // TopIndex set by the program: scroll that row to the top.
      int current = static_cast<int>(::SendMessageW(Handle(), LVM_GETTOPINDEX, 0, 0));
      if (current != list_.TopIndex()) {
        Mirror mirror(*this);
        ::SendMessageW(Handle(), LVM_SCROLL, 0, (list_.TopIndex() - current) * list_.Metrics().rowHeight);
      }
      break;
    }
    case ui::Property::BeginUpdate:
      ::SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
      break;
    case ui::Property::EndUpdate:
      ::SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
      ::InvalidateRect(Handle(), nullptr, TRUE);
      break;
    default:
      break;
  }
}

bool ListViewView::OnNotify(NMHDR* header, LRESULT* result) {
  if (header->hwndFrom != Handle()) return false;
  *result = 0;
  switch (header->code) {
    case LVN_ITEMCHANGED: {
      if (Mirroring()) return true;
      const auto& change = *reinterpret_cast<NMLISTVIEW*>(header);
      if (!(change.uChanged & LVIF_STATE) || change.iItem < 0 || change.iItem >= list_.ItemCount())
        return true;
      UINT oldImage = (change.uOldState & LVIS_STATEIMAGEMASK) >> 12;
      UINT newImage = (change.uNewState & LVIS_STATEIMAGEMASK) >> 12;
      // State image 0 is "no box yet" (a new item); 1 unchecked, 2 checked.
      if (list_.Checkboxes() && oldImage != newImage && oldImage != 0 && newImage != 0) {
        ui::ListItem& item = list_.Item(change.iItem);
        bool checked = newImage == 2;
        if (item.Checked() != checked) item.SetChecked(checked);
      }
      bool wasSelected = (change.uOldState & LVIS_SELECTED) != 0;
      bool isSelected = (change.uNewState & LVIS_SELECTED) != 0;
      if (isSelected && !wasSelected) {
        list_.SetItemIndex(change.iItem);
      } else if (wasSelected && !isSelected && list_.ItemIndex() == change.iItem &&
                 ::SendMessageW(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == -1) {
        list_.SetItemIndex(-1);
      }
      return true;
    }
    case NM_CLICK:
      list_.ui::Control::UserClick();
      return true;
    case NM_DBLCLK:
      list_.UserDblClick();
      return true;
    case LVN_COLUMNCLICK:
      list_.UserColumnClick(reinterpret_cast<NMLISTVIEW*>(header)->iSubItem);
      return true;
    default:
      return false;
  }
}

LRESULT ListViewView::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      // The window toggles the box or selects (and reports it) first; the
      // model's own hit-testing mouse-down would do it a second time, so
      // only its event is fired.
      LRESULT result = Default(msg, wParam, lParam);
      ui::MouseButton button = msg == WM_LBUTTONDOWN   ? ui::MouseButton::mbLeft
                               : msg == WM_RBUTTONDOWN ? ui::MouseButton::mbRight
                                                       : ui::MouseButton::mbMiddle;
      list_.ui::Control::UserMouseDown(button, ShiftFromKeys(wParam), GET_X_LPARAM(lParam),
                                       GET_Y_LPARAM(lParam));
      return result;
    }
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
    case WM_KEYDOWN:
    case WM_SIZE: {
      LRESULT result = WindowedView::HandleMessage(msg, wParam, lParam);
      if (Handle()) list_.SetTopIndex(static_cast<int>(::SendMessageW(Handle(), LVM_GETTOPINDEX, 0, 0)));
      return result;
    }
    default:
      return WindowedView::HandleMessage(msg, wParam, lParam);
  }
}

}  // namespace zt::ui::win32
