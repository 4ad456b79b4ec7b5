#pragma once
// Page control and its tab sheets.
#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace zt::ui {

class PageControl;

// One page; it is a child of its page control. Only the active page is
// Visible. TabVisible = false hides the tab (the page keeps its index).
class TabSheet : public WinControl {
 public:
  ~TabSheet() override;
  std::wstring_view ClassName() const override { return L"TTabSheet"; }

  const std::wstring& Caption() const { return CaptionText(); }
  void SetCaption(std::wstring caption) { StoreCaptionText(std::move(caption)); }

  ui::PageControl* PageControl() const { return pageControl_; }
  int PageIndex() const;
  bool TabVisible() const { return tabVisible_; }
  void SetTabVisible(bool tabVisible);

  std::vector<StringProperty> StringProperties() override;

 private:
  friend class ui::PageControl;
  ui::PageControl* pageControl_ = nullptr;
  bool tabVisible_ = true;
};

// The first page inserted becomes the active one. Setting ActivePage fires
// nothing; a user's choice of a tab fires OnChanging (which may refuse) and
// then OnChange.
class PageControl : public WinControl {
 public:
  ~PageControl() override;
  std::wstring_view ClassName() const override { return L"TPageControl"; }

  int PageCount() const { return static_cast<int>(pages_.size()); }
  TabSheet& Pages(int index) const { return *pages_.at(static_cast<std::size_t>(index)); }

  TabSheet* ActivePage() const { return activePage_; }
  void SetActivePage(TabSheet* page);
  int ActivePageIndex() const { return activePage_ ? activePage_->PageIndex() : -1; }
  void SetActivePageIndex(int index);

  void UserSelectPage(TabSheet& page);

  std::function<void(bool& allowChange)> OnChanging;
  std::function<void()> OnChange;

 protected:
  void ControlInserted(Control& control) override;
  void ControlRemoved(Control& control) override;

 private:
  friend class TabSheet;
  void RemovePage(TabSheet* page);

  std::vector<TabSheet*> pages_;
  TabSheet* activePage_ = nullptr;
};

}  // namespace zt::ui
