#include "ui/win32/button_views.h"

#include "ui/win32/container_view.h"
#include "ui/win32/gdi_cache.h"

namespace zt::ui::win32 {

void ButtonView::Realise() {
  RECT box = BoundsRect();
  CreateCommon(L"BUTTON", 0, WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | ButtonStyle(),
               button_.Caption().c_str(), box.left, box.top, box.right - box.left, box.bottom - box.top,
               ParentHandle(), 0);
  Placed();
}

bool ButtonView::OnCommand(WORD code) {
  if (code != BN_CLICKED || Mirroring()) return false;
  button_.UserClick();
  return true;
}

void ButtonView::OtherChanged(const ui::Change& change) {
  if (change.property == ui::Property::Style && Handle()) {
    ::SendMessageW(Handle(), BM_SETSTYLE, ButtonStyle(), TRUE);
  }
}

LRESULT ButtonView::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  // Return on a focused button clicks it (the form leaves that key to it).
  if (msg == WM_KEYDOWN && wParam == VK_RETURN) {
    button_.UserClick();
    return 0;
  }
  if (msg == WM_CHAR && wParam == L'\r') return 0;
  return WindowedView::HandleMessage(msg, wParam, lParam);
}

void CheckBoxView::Realise() {
  RECT box = BoundsRect();
  CreateCommon(L"BUTTON", 0, WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | BS_3STATE, box_.Caption().c_str(),
               box.left, box.top, box.right - box.left, box.bottom - box.top, ParentHandle(), 0);
  ShowState();
  Placed();
}

void CheckBoxView::ShowState() {
  if (!Handle()) return;
  WPARAM state = box_.State() == ui::CheckBoxState::cbChecked  ? BST_CHECKED
                 : box_.State() == ui::CheckBoxState::cbGrayed ? BST_INDETERMINATE
                                                               : BST_UNCHECKED;
  Mirror mirror(*this);
  ::SendMessageW(Handle(), BM_SETCHECK, state, 0);
}

bool CheckBoxView::OnCommand(WORD code) {
  if (code != BN_CLICKED || Mirroring()) return false;
  box_.UserClick();
  return true;
}

void CheckBoxView::OtherChanged(const ui::Change& change) {
  if (change.property == ui::Property::Checked) ShowState();
}

void RadioButtonView::Realise() {
  RECT box = BoundsRect();
  CreateCommon(L"BUTTON", 0, WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | BS_RADIOBUTTON,
               radio_.Caption().c_str(), box.left, box.top, box.right - box.left, box.bottom - box.top,
               ParentHandle(), 0);
  ShowState();
  Placed();
}

void RadioButtonView::ShowState() {
  if (!Handle()) return;
  Mirror mirror(*this);
  ::SendMessageW(Handle(), BM_SETCHECK, radio_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool RadioButtonView::OnCommand(WORD code) {
  if (code != BN_CLICKED || Mirroring()) return false;
  radio_.UserClick();
  return true;
}

void RadioButtonView::OtherChanged(const ui::Change& change) {
  if (change.property == ui::Property::Checked) ShowState();
}

}  // namespace zt::ui::win32
