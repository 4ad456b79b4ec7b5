#pragma once
#include <vector>

#include "ui/label.h"
#include "ui/page_control.h"
#include "ui/win32/container_view.h"

namespace zt::ui::win32 {

// A page control as a tab control; its tab sheets are child windows laid
// over the tab control's display area. Tabs of pages whose TabVisible is off
// are left out of the strip.
class PageControlView : public ContainerView {
 public:
  PageControlView(Binding& binding, ui::PageControl& pages) : ContainerView(binding, pages), pages_(pages) {}
  void Realise() override;
  bool OnNotify(NMHDR* header, LRESULT* result) override;
  // The tab strip follows the pages (captions, TabVisible, order).
  void RebuildTabs();
  // The tab index of the page, or -1 when its tab is not shown.
  int TabIndexOf(const ui::TabSheet* page) const;

 protected:
  void BoundsChanged() override;
  void FontChanged() override;
  void OtherChanged(const ui::Change& change) override;

 private:
  void ShowActiveTab();
  void LayoutSheets();
  ui::PageControl& pages_;
  std::vector<ui::TabSheet*> tabs_;
};

class TabSheetView : public ContainerView {
 public:
  TabSheetView(Binding& binding, ui::TabSheet& sheet) : ContainerView(binding, sheet), sheet_(sheet) {}
  void Realise() override;

 protected:
  void CaptionChanged() override;
  void OtherChanged(const ui::Change& change) override;

 private:
  ui::TabSheet& sheet_;
};

// A link label as a SysLink control (comctl32 6): its caption's
// `<a href="">...</a>` parts are links.
class LinkLabelView : public WindowedView {
 public:
  LinkLabelView(Binding& binding, ui::LinkLabel& label) : WindowedView(binding, label), label_(label) {}
  void Realise() override;
  bool OnNotify(NMHDR* header, LRESULT* result) override;

 protected:
  std::wstring WindowText() const override { return label_.Caption(); }
  void OtherChanged(const ui::Change& change) override;

 private:
  ui::LinkLabel& label_;
};

}  // namespace zt::ui::win32
