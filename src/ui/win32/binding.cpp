#include "ui/win32/binding.h"

#include <commctrl.h>
#include <commdlg.h>

#include <vector>

#include "ui/kinds.h"
#include "ui/win32/button_views.h"
#include "ui/win32/container_view.h"
#include "ui/win32/edit_views.h"
#include "ui/win32/form_view.h"
#include "ui/win32/graphic_views.h"
#include "ui/win32/list_views.h"
#include "ui/win32/message_window.h"
#include "ui/win32/page_views.h"
#include "ui/win32/range_views.h"
#include "ui/win32/system_views.h"
#include "ui/win32/task_dialog_runner.h"

namespace zt::ui::win32 {

namespace {

std::unique_ptr<ControlView> MakeView(Binding& binding, ui::Control& control) {
  // Kinds first, then the containers they derive from.
  if (auto* c = dynamic_cast<ui::Button*>(&control)) return std::make_unique<ButtonView>(binding, *c);
  if (auto* c = dynamic_cast<ui::CheckBox*>(&control)) return std::make_unique<CheckBoxView>(binding, *c);
  if (auto* c = dynamic_cast<ui::RadioButton*>(&control))
    return std::make_unique<RadioButtonView>(binding, *c);
  if (auto* c = dynamic_cast<ui::SpeedButton*>(&control))
    return std::make_unique<SpeedButtonView>(binding, *c);
  if (auto* c = dynamic_cast<ui::Edit*>(&control)) return std::make_unique<EditView>(binding, *c);
  if (auto* c = dynamic_cast<ui::Memo*>(&control)) return std::make_unique<MemoView>(binding, *c);
  if (auto* c = dynamic_cast<ui::ComboBox*>(&control)) return std::make_unique<ComboBoxView>(binding, *c);
  if (auto* c = dynamic_cast<ui::TrackBar*>(&control)) return std::make_unique<TrackBarView>(binding, *c);
  if (auto* c = dynamic_cast<ui::UpDown*>(&control)) return std::make_unique<UpDownView>(binding, *c);
  if (auto* c = dynamic_cast<ui::ListView*>(&control)) return std::make_unique<ListViewView>(binding, *c);
  if (auto* c = dynamic_cast<ui::Label*>(&control)) return std::make_unique<LabelView>(binding, *c);
  if (auto* c = dynamic_cast<ui::LinkLabel*>(&control)) return std::make_unique<LinkLabelView>(binding, *c);
  if (auto* c = dynamic_cast<ui::Image*>(&control)) return std::make_unique<ImageView>(binding, *c);
  if (auto* c = dynamic_cast<ui::Bevel*>(&control)) return std::make_unique<BevelView>(binding, *c);
  if (auto* c = dynamic_cast<ui::PageControl*>(&control))
    return std::make_unique<PageControlView>(binding, *c);
  if (auto* c = dynamic_cast<ui::TabSheet*>(&control)) return std::make_unique<TabSheetView>(binding, *c);
  if (auto* c = dynamic_cast<ui::GroupBox*>(&control)) return std::make_unique<GroupBoxView>(binding, *c);
  if (auto* c = dynamic_cast<ui::Panel*>(&control)) return std::make_unique<PanelView>(binding, *c);
  if (auto* c = dynamic_cast<ui::Frame*>(&control)) return std::make_unique<FrameView>(binding, *c);
  return nullptr;
}

// Stands for a windowed control that was hidden when realised: its window,
// and those of its children, are made when it first shows. Until then the
// model holds all of its state.
class HiddenView : public ControlView {
 public:
  using ControlView::ControlView;
  void Realise() override {}

  // Only what its parent shows of it now.
  void Changed(ui::Component&, const ui::Change& change) override {
    ContainerView* parent = ParentView();
    switch (change.property) {
      case ui::Property::Visible:
        // Last: the binding replaces this view.
        if (Control().Visible() && parent && parent->ClientHandle()) Owner().RealiseControl(Control());
        break;
      case ui::Property::Bounds:
        if (parent) parent->ChildrenChanged();
        break;
      case ui::Property::Caption:
      case ui::Property::TabVisible:
        if (auto* pages = dynamic_cast<PageControlView*>(parent)) pages->RebuildTabs();
        break;
      default:
        break;
    }
  }

 protected:
  void BoundsChanged() override {}
  void VisibleChanged() override {}
  void Reparented() override {}
  void RepaintNow() override {}
};

// The short part of a hint ("short|long"), which the tooltip shows.
std::wstring ShortHint(const std::wstring& hint) { return hint.substr(0, hint.find(L'|')); }

// Disables the thread's other top-level windows while a modal form runs and
// enables them again however the loop ends.
class DisabledWindows {
 public:
  explicit DisabledWindows(HWND modal) : modal_(modal) {
    ::EnumThreadWindows(::GetCurrentThreadId(), &DisabledWindows::Visit, reinterpret_cast<LPARAM>(this));
  }
  ~DisabledWindows() {
    for (HWND hwnd : disabled_) ::EnableWindow(hwnd, TRUE);
  }

 private:
  static BOOL CALLBACK Visit(HWND hwnd, LPARAM self) {
    auto* windows = reinterpret_cast<DisabledWindows*>(self);
    if (hwnd != windows->modal_ && ::IsWindowVisible(hwnd) && ::IsWindowEnabled(hwnd)) {
      ::EnableWindow(hwnd, FALSE);
      windows->disabled_.push_back(hwnd);
    }
    return TRUE;
  }
  HWND modal_;
  std::vector<HWND> disabled_;
};

}  // namespace

Binding::Binding() {
  INITCOMMONCONTROLSEX init{sizeof(init), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES |
                                              ICC_LISTVIEW_CLASSES | ICC_UPDOWN_CLASS | ICC_LINK_CLASS};
  ::InitCommonControlsEx(&init);
  messages_ = std::make_unique<MessageWindow>();
}

Binding::~Binding() {
  // Views look each other up while they go; take them out of the map first.
  auto views = std::move(views_);
  views_.clear();
  for (auto& [component, view] : views) {
    if (auto* form = dynamic_cast<FormView*>(view.get()); form && form->Form().FindHost() == this) {
      form->Form().SetHost(nullptr);
    }
  }
  views.clear();
}

void Binding::SetMainForm(ui::Form& form) { mainForm_ = &form; }

ComponentBinding* Binding::ViewOf(const ui::Component* component) const {
  auto it = views_.find(component);
  return it == views_.end() ? nullptr : it->second.get();
}

ControlView* Binding::ControlViewOf(const ui::Component* component) const {
  return dynamic_cast<ControlView*>(ViewOf(component));
}

HWND Binding::HandleOf(const ui::Component& component) {
  if (auto* control = dynamic_cast<const ui::Control*>(&component)) Materialise(*control);
  ControlView* view = ControlViewOf(&component);
  return view ? view->WindowHandle() : nullptr;
}

HWND Binding::ApplicationWindow() { return messages_->Handle(); }

MessageWindow& Binding::Messages() { return *messages_; }

void Binding::Realise(ui::Form& form) {
  form.SetHost(this);
  // Non-visual components come first (list views show image lists); those
  // added since an earlier call get their views now.
  RealiseOwned(form);
  if (ViewOf(&form)) return;
  auto view = std::make_unique<FormView>(*this, form);
  FormView* raw = view.get();
  views_[&form] = std::move(view);
  raw->Realise();
}

void Binding::RealiseOwned(ui::Component& owner) {
  for (ui::Component* component : owner.Components()) {
    if (!dynamic_cast<ui::Control*>(component)) RealiseComponent(*component);
    RealiseOwned(*component);
  }
}

void Binding::RealiseComponent(ui::Component& component) {
  if (ViewOf(&component)) return;
  std::unique_ptr<ComponentBinding> view;
  if (auto* timer = dynamic_cast<ui::Timer*>(&component)) {
    view = std::make_unique<TimerView>(*this, *timer);
  } else if (auto* icon = dynamic_cast<ui::TrayIcon*>(&component)) {
    view = std::make_unique<TrayIconView>(*this, *icon);
  } else if (auto* images = dynamic_cast<ui::ImageList*>(&component)) {
    view = std::make_unique<ImageListView>(*this, *images);
  }
  if (view) views_[&component] = std::move(view);
}

ComponentBinding* Binding::RealiseImageList(ui::ImageList& images) {
  RealiseComponent(images);
  return ViewOf(&images);
}

void Binding::RealiseControl(ui::Control& control) {
  if (dynamic_cast<ui::Form*>(&control)) return;
  ComponentBinding* existing = ViewOf(&control);
  bool waiting = dynamic_cast<HiddenView*>(existing) != nullptr;
  if (existing && !(waiting && control.Visible())) return;
  std::unique_ptr<ControlView> view = MakeView(*this, control);
  if (!view) return;
  if (!existing && !control.Visible() && !dynamic_cast<GraphicView*>(view.get())) {
    view.reset();
    views_[&control] = std::make_unique<HiddenView>(*this, control);
    return;
  }
  Install(control, std::move(view), waiting);
}

void Binding::Install(ui::Control& control, std::unique_ptr<ControlView> view, bool late) {
  ControlView* raw = view.get();
  views_[&control] = std::move(view);
  raw->Realise();
  // A window made late lies among its siblings' as the model orders them.
  if (late) {
    if (ContainerView* parent = raw->ParentView()) parent->Restack();
  }
  // An up-down may have been realised before the edit it drives.
  if (dynamic_cast<ui::Edit*>(&control)) {
    for (auto& [component, other] : views_) {
      auto* upDown = dynamic_cast<UpDownView*>(other.get());
      if (upDown &&
          static_cast<const ui::UpDown*>(static_cast<const ui::Component*>(component))->Associate() ==
              &control) {
        upDown->BindBuddy();
      }
    }
  }
}

void Binding::Materialise(const ui::Control& control) {
  if (ViewOf(&control) && !dynamic_cast<HiddenView*>(ViewOf(&control))) return;
  // The parent's window first: making it gives this control its view.
  if (control.Parent()) Materialise(*control.Parent());
  auto* waiting = dynamic_cast<HiddenView*>(ViewOf(&control));
  ContainerView* parent = waiting ? waiting->ParentView() : nullptr;
  if (!parent || !parent->ClientHandle()) return;
  ui::Control& model = waiting->Control();
  std::unique_ptr<ControlView> view = MakeView(*this, model);
  if (view) Install(model, std::move(view), true);
}

void Binding::Forget(ComponentBinding& view) {
  const ui::Component* component = &view.Model();
  if (mouseControl_ && static_cast<const ui::Component*>(mouseControl_) == component) {
    mouseControl_ = nullptr;
    mouseReporter_ = nullptr;
  }
  if (auto* graphic = dynamic_cast<GraphicView*>(&view)) {
    for (auto& [key, other] : views_) {
      if (auto* container = dynamic_cast<ContainerView*>(other.get())) container->ForgetGraphic(*graphic);
    }
  }
  if (auto* control = dynamic_cast<ControlView*>(&view)) RemoveHint(*control);
  auto it = views_.find(component);
  if (it == views_.end()) return;
  std::unique_ptr<ComponentBinding> owned = std::move(it->second);
  views_.erase(it);
}

void Binding::MouseAt(ui::Control* control, HWND reporter) {
  mouseReporter_ = reporter;
  if (control == mouseControl_) return;
  ui::Control* old = mouseControl_;
  mouseControl_ = control;
  // Leaving the old control first, then entering the new one, as the
  // framework orders them.
  if (old) {
    if (auto* graphic = dynamic_cast<GraphicView*>(ControlViewOf(old))) {
      graphic->MouseLeave();
    } else {
      old->UserMouseLeave();
    }
  }
  if (control && control == mouseControl_) {
    if (auto* graphic = dynamic_cast<GraphicView*>(ControlViewOf(control))) {
      graphic->MouseEnter();
    } else {
      control->UserMouseEnter();
    }
  }
}

void Binding::MouseGone(HWND reporter) {
  if (reporter != mouseReporter_) return;
  mouseReporter_ = nullptr;
  MouseAt(nullptr, nullptr);
}

void Binding::UpdateHint(ControlView& view) {
  RemoveHint(view);
  std::wstring text = ShortHint(view.Control().Hint());
  if (text.empty() || !view.Control().ShowHint()) return;
  HWND toolWindow = nullptr;
  TTTOOLINFOW info{};
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.uFlags = TTF_SUBCLASS;
  if (HWND own = view.WindowHandle()) {
    toolWindow = ::GetParent(own) ? ::GetParent(own) : own;
    info.uFlags |= TTF_IDISHWND;
    info.uId = reinterpret_cast<UINT_PTR>(own);
  } else {
    ContainerView* parent = view.ParentView();
    if (!parent || !parent->ClientHandle()) return;
    toolWindow = parent->ClientHandle();
    info.uId = reinterpret_cast<UINT_PTR>(&view);
    info.rect = view.BoundsRect();
  }
  HWND root = ::GetAncestor(toolWindow, GA_ROOT);
  HWND& tooltip = tooltips_[root];
  if (!tooltip || !::IsWindow(tooltip)) {
    tooltip = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, root, nullptr, ModuleInstance(), nullptr);
    ::SendMessageW(tooltip, TTM_SETMAXTIPWIDTH, 0, 400);
  }
  info.hwnd = toolWindow;
  info.lpszText = text.data();
  if (::SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info))) {
    hintTools_[&view] = {toolWindow, tooltip, info.uId};
  }
}

void Binding::RemoveHint(ControlView& view) {
  auto it = hintTools_.find(&view);
  if (it == hintTools_.end()) return;
  if (::IsWindow(it->second.tooltip)) {
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = it->second.toolWindow;
    info.uId = it->second.id;
    ::SendMessageW(it->second.tooltip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  }
  hintTools_.erase(it);
}

HWND Binding::ActiveOwner() {
  // The active window of this thread: a form, or a task dialog running now.
  HWND active = ::GetActiveWindow();
  if (active && ::IsWindowVisible(active) && active != messages_->Handle()) return active;
  HWND main = mainForm_ ? HandleOf(*mainForm_) : nullptr;
  return main && ::IsWindowVisible(main) ? main : messages_->Handle();
}

bool Binding::PreTranslate(MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  auto* form = dynamic_cast<FormView*>(WindowFromHandle(::GetAncestor(msg.hwnd, GA_ROOT)));
  if (!form) return false;
  auto key = static_cast<std::uint16_t>(msg.wParam);
  ui::ShiftStates shift = KeyboardShift();
  // An open drop-down list takes Return and Escape itself.
  wchar_t className[32] = {};
  HWND combo = msg.hwnd;
  ::GetClassNameW(combo, className, 32);
  if (std::wstring_view(className) == L"Edit") combo = ::GetParent(combo);
  if ((key == VK_RETURN || key == VK_ESCAPE) && ::SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0)) return false;
  if (key == VK_TAB && !shift.Contains(ui::ShiftState::ssCtrl) && !shift.Contains(ui::ShiftState::ssAlt)) {
    if (::SendMessageW(msg.hwnd, WM_GETDLGCODE, 0, reinterpret_cast<LPARAM>(&msg)) & DLGC_WANTTAB)
      return false;
    form->Tab(shift.Contains(ui::ShiftState::ssShift));
    return true;
  }
  return !form->Form().UserKeyDown(key, shift);
}

void Binding::ProcessPendingMessages() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (!PreTranslate(msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
}

int Binding::RunMessageLoop() {
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (!PreTranslate(msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
  return msg.message == WM_QUIT ? static_cast<int>(msg.wParam) : 0;
}

void Binding::RunModal(ui::Form& form) {
  Realise(form);
  auto* view = dynamic_cast<FormView*>(ViewOf(&form));
  HWND hwnd = view ? view->Handle() : nullptr;
  if (!hwnd) return;
  HWND owner = ActiveOwner();
  if (owner != hwnd) view->SetOwnerWindow(owner);
  {
    DisabledWindows disabled(hwnd);
    MSG msg;
    while (!form.ModalLoopDone()) {
      if (!::IsWindow(hwnd)) break;
      BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
      if (got <= 0) {
        // The program is ending: leave the quit for the outer loop.
        if (got == 0) ::PostQuitMessage(static_cast<int>(msg.wParam));
        break;
      }
      if (!PreTranslate(msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
      }
    }
  }
  // The owner comes back to the front before the dialog is hidden.
  if (owner && ::IsWindowVisible(owner)) ::SetActiveWindow(owner);
}

void Binding::FormClosed(ui::Form& form) {
  if (&form == mainForm_) ::PostQuitMessage(0);
}

bool Binding::ExecuteTaskDialog(ui::TaskDialog& dialog) { return RunTaskDialog(dialog, ActiveOwner()); }

std::optional<std::wstring> Binding::ExecuteOpenDialog(ui::OpenDialog& dialog) {
  // The filter: "name\0mask\0" pairs, ending with an extra \0.
  std::wstring filter;
  for (const ui::FileType& type : dialog.FileTypes()) {
    filter += type.DisplayName;
    filter.push_back(L'\0');
    filter += type.FileMask;
    filter.push_back(L'\0');
  }
  filter.push_back(L'\0');
  std::wstring file(32768, L'\0');
  std::copy(dialog.FileName().begin(),
            dialog.FileName().begin() +
                static_cast<std::ptrdiff_t>(std::min<std::size_t>(dialog.FileName().size(), 32767)),
            file.begin());
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = ActiveOwner();
  ofn.lpstrFilter = dialog.FileTypes().empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrTitle = dialog.Title().empty() ? nullptr : dialog.Title().c_str();
  ofn.lpstrInitialDir = dialog.DefaultFolder().empty() ? nullptr : dialog.DefaultFolder().c_str();
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING;
  Set<ui::FileDialogOption> options = dialog.Options();
  if (options.Contains(ui::FileDialogOption::fdoFileMustExist)) ofn.Flags |= OFN_FILEMUSTEXIST;
  if (options.Contains(ui::FileDialogOption::fdoPathMustExist)) ofn.Flags |= OFN_PATHMUSTEXIST;
  if (options.Contains(ui::FileDialogOption::fdoNoChangeDir)) ofn.Flags |= OFN_NOCHANGEDIR;
  if (options.Contains(ui::FileDialogOption::fdoNoValidate)) ofn.Flags |= OFN_NOVALIDATE;
  if (options.Contains(ui::FileDialogOption::fdoNoDereferenceLinks)) ofn.Flags |= OFN_NODEREFERENCELINKS;
  if (options.Contains(ui::FileDialogOption::fdoDontAddToRecent)) ofn.Flags |= OFN_DONTADDTORECENT;
  if (options.Contains(ui::FileDialogOption::fdoForceShowHidden)) ofn.Flags |= OFN_FORCESHOWHIDDEN;
  if (options.Contains(ui::FileDialogOption::fdoShareAware)) ofn.Flags |= OFN_SHAREAWARE;
  // The common dialogs' library is loaded when a file is first chosen, not
  // at start.
  using OpenFileName = BOOL(WINAPI*)(OPENFILENAMEW*);
  static const auto openFileName = reinterpret_cast<OpenFileName>(
      reinterpret_cast<void*>(::GetProcAddress(::LoadLibraryW(L"comdlg32.dll"), "GetOpenFileNameW")));
  if (!openFileName || !openFileName(&ofn)) return std::nullopt;
  return std::wstring(file.c_str());
}

void Binding::Popup(ui::PopupMenu& menu, int x, int y) {
  HMENU handle = ::CreatePopupMenu();
  for (int i = 0; i < menu.Count(); ++i) {
    ui::MenuItem& item = menu.Items(i);
    if (!item.Visible()) continue;
    if (item.IsLine()) {
      ::AppendMenuW(handle, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT flags = MF_STRING | (item.Checked() ? MF_CHECKED : 0) | (item.Enabled() ? 0 : MF_GRAYED);
    ::AppendMenuW(handle, flags, static_cast<UINT_PTR>(i + 1), item.Caption().c_str());
    if (item.Default()) ::SetMenuDefaultItem(handle, static_cast<UINT>(i + 1), FALSE);
  }
  UINT align = TPM_LEFTALIGN;
  if (menu.Alignment() == ui::PopupAlignment::paCenter) align = TPM_CENTERALIGN;
  if (menu.Alignment() == ui::PopupAlignment::paRight) align = TPM_RIGHTALIGN;
  HWND owner = ActiveOwner();
  // A menu opened from the notification area closes when the user clicks
  // elsewhere only if its owner is in the foreground.
  ::SetForegroundWindow(owner);
  int chosen = static_cast<int>(::TrackPopupMenu(
      handle, align | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, x, y, 0, owner, nullptr));
  ::PostMessageW(owner, WM_NULL, 0, 0);
  ::DestroyMenu(handle);
  // The chosen item may have left the menu while it was open.
  if (chosen > 0 && chosen <= menu.Count()) menu.Items(chosen - 1).UserClick();
}

void Binding::ShowBalloonHint(ui::TrayIcon& icon) {
  RealiseComponent(icon);
  if (auto* view = dynamic_cast<TrayIconView*>(ViewOf(&icon))) view->ShowBalloon();
}

void Binding::ScrollLines(ui::Memo& memo, int lines) {
  if (auto* view = dynamic_cast<MemoView*>(ViewOf(&memo))) view->ScrollLines(lines);
}

}  // namespace zt::ui::win32
