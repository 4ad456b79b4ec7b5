#include "ui/page_control.h"

#include <algorithm>

namespace zt::ui {

TabSheet::~TabSheet() {
  if (pageControl_) pageControl_->RemovePage(this);
}

int TabSheet::PageIndex() const {
  if (!pageControl_) return -1;
  const auto& pages = pageControl_->pages_;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TabSheet::SetTabVisible(bool tabVisible) {
  if (tabVisible == tabVisible_) return;
  tabVisible_ = tabVisible;
  Changed(Property::TabVisible);
}

std::vector<StringProperty> TabSheet::StringProperties() {
  auto list = Control::StringProperties();
  list.insert(list.begin(), CaptionProperty(L"Caption"));
  return list;
}

PageControl::~PageControl() {
  for (TabSheet* page : pages_) page->pageControl_ = nullptr;
}

void PageControl::SetActivePage(TabSheet* page) {
  if (page == activePage_) return;
  if (page && page->pageControl_ != this) return;
  TabSheet* old = activePage_;
  activePage_ = page;
  if (page) {
    page->BringToFront();
    page->SetVisible(true);
  }
  if (old) old->SetVisible(false);
  Changed(Property::ActivePage);
}

void PageControl::SetActivePageIndex(int index) {
  SetActivePage(index >= 0 && index < PageCount() ? pages_[static_cast<std::size_t>(index)] : nullptr);
}

void PageControl::UserSelectPage(TabSheet& page) {
  if (!Usable() || &page == activePage_ || page.pageControl_ != this || !page.TabVisible()) return;
  bool allowChange = true;
  if (OnChanging) OnChanging(allowChange);
  if (!allowChange) return;
  SetActivePage(&page);
  Fire(OnChange);
}

void PageControl::ControlInserted(Control& control) {
  auto* page = dynamic_cast<TabSheet*>(&control);
  if (!page) return;
  page->pageControl_ = this;
  pages_.push_back(page);
  if (!activePage_) {
    activePage_ = page;
    page->SetVisible(true);
    Changed(Property::ActivePage);
  } else {
    page->SetVisible(false);
  }
}

void PageControl::ControlRemoved(Control& control) {
  // A page being destroyed has left already (~TabSheet); this is a page
  // moved to another parent.
  auto it = std::find_if(pages_.begin(), pages_.end(),
                         [&](TabSheet* page) { return static_cast<Control*>(page) == &control; });
  if (it != pages_.end()) RemovePage(*it);
}

void PageControl::RemovePage(TabSheet* page) {
  auto it = std::find(pages_.begin(), pages_.end(), page);
  if (it == pages_.end()) return;
  std::size_t index = static_cast<std::size_t>(it - pages_.begin());
  pages_.erase(it);
  page->pageControl_ = nullptr;
  if (page != activePage_) return;
  // The next page with a visible tab takes over, as in the framework.
  activePage_ = nullptr;
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    TabSheet* candidate = pages_[(index + i) % pages_.size()];
    if (candidate->TabVisible()) {
      SetActivePage(candidate);
      return;
    }
  }
  Changed(Property::ActivePage);
}

}  // namespace zt::ui
