#pragma once
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "ui/image.h"
#include "ui/list_view.h"
#include "ui/win32/control_view.h"

namespace zt::ui::win32 {

// An image list component as a system image list; the handle stays the
// same through changes, so the list views that show it need not be told.
class ImageListView : public ComponentBinding {
 public:
  ImageListView(Binding& binding, ui::ImageList& images);
  ~ImageListView() override;
  HIMAGELIST Handle() const { return handle_; }
  void Changed(ui::Component& component, const ui::Change& change) override;

 private:
  void Fill();
  void Add(const ui::Picture& picture);
  ui::ImageList& images_;
  HIMAGELIST handle_ = nullptr;
};

// A list view in report style (or another view style) as SysListView32. The
// window keeps its own behaviour for the mouse and keys; what it reports
// (LVN_ITEMCHANGED for selection and check boxes, clicks, column clicks) is
// told to the model, and the model's changes are mirrored silently.
class ListViewView : public WindowedView {
 public:
  ListViewView(Binding& binding, ui::ListView& list) : WindowedView(binding, list), list_(list) {}
  void Realise() override;
  bool OnNotify(NMHDR* header, LRESULT* result) override;

 protected:
  void FontChanged() override;
  void OtherChanged(const ui::Change& change) override;
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  DWORD ListStyle() const;
  void ApplyStyle();
  void SendColumn(UINT message, int index);
  void FillGroups();
  void InsertItem(int index);
  void UpdateItem(int index);
  void FillItems();
  void ShowChecked(int index);
  void ShowSelected(int index);
  void ReportMetrics();
  ui::ListView& list_;
};

}  // namespace zt::ui::win32
