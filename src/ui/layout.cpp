#include "ui/layout.h"

#include <functional>

namespace zt::ui::layout {

// The row grid of one container while its children are built.
struct RowCursor {
  Rows grid;
  int containerWidth = 0;
  int next = 0;  // index of the next free row
  int lastTop = 0;
};

struct Scope {
  Component& owner;        // owns what is created
  ui::WinControl* parent;  // receives the controls
  RowCursor* rows;
};

class Builder {
 public:
  explicit Builder(Component& root) : root_(root) {}

  // Runs `resolve` once the whole tree exists.
  void Later(std::function<void()> resolve) { pending_.push_back(std::move(resolve)); }

  void Finish() {
    for (auto& resolve : pending_) resolve();
    pending_.clear();
  }

  // A component by name as seen from `owner`, else from the root.
  template <class T>
  T& Resolve(const Component& owner, const std::wstring& name) const {
    if (auto* found = dynamic_cast<T*>(owner.FindPath(name))) return *found;
    if (auto* found = dynamic_cast<T*>(root_.FindPath(name))) return *found;
    return root_.Find<T>(name);
  }

 private:
  Component& root_;
  std::vector<std::function<void()>> pending_;
};

namespace {

Bounds Resolve(const Place& place, RowCursor* rows) {
  RowCursor fallback;
  RowCursor& cursor = rows ? *rows : fallback;
  const Rows& grid = cursor.grid;
  switch (place.kind()) {
    case Place::Kind::kRect:
      return place.rect();
    case Place::Kind::kRow: {
      const Row& row = place.row();
      int top = grid.top + (cursor.next + row.skip) * (grid.height + grid.gap);
      cursor.next += row.skip + 1;
      cursor.lastTop = top;
      int left = grid.left + row.indent;
      int width = row.width > 0 ? row.width : cursor.containerWidth - left - grid.right;
      return Bounds{left, top, width, row.height > 0 ? row.height : grid.height};
    }
    case Place::Kind::kSameRow: {
      const SameRow& same = place.sameRow();
      int width = same.width > 0 ? same.width : cursor.containerWidth - same.left - grid.right;
      return Bounds{same.left, cursor.lastTop, width, same.height > 0 ? same.height : grid.height};
    }
  }
  return {};
}

template <class T, class Spec>
T& MakeControl(const Scope& scope, const Spec& spec) {
  T& control = scope.owner.Create<T>(spec.name);
  if (scope.parent) control.SetParent(scope.parent);
  Bounds bounds = Resolve(spec.at, scope.rows);
  control.SetBounds(bounds.left, bounds.top, bounds.width, bounds.height);
  return control;
}

template <class Spec>
void ApplyCommon(ui::Control& control, const Spec& spec) {
  control.SetVisible(spec.visible);
  control.SetEnabled(spec.enabled);
  control.SetHint(spec.hint);
  if (spec.showHint) control.SetShowHint(*spec.showHint);
  if (spec.font) control.SetFont(*spec.font);
  if (spec.color) control.SetColor(*spec.color);
  control.SetCursor(spec.cursor);
  control.SetTag(spec.tag);
}

void BuildChildren(Builder& builder, Component& owner, ui::WinControl& container, const Rows& rows,
                   const std::vector<Node>& children) {
  RowCursor cursor{rows, container.Width()};
  Scope scope{owner, &container, &cursor};
  for (const Node& child : children) child.Build(builder, scope);
}

}  // namespace

void BuildSpec(Builder&, const Scope& scope, const Label& spec) {
  auto& label = MakeControl<ui::Label>(scope, spec);
  label.SetCaption(spec.caption);
  label.SetAutoSize(spec.autoSize);
  label.SetWordWrap(spec.wordWrap);
  label.SetTransparent(spec.transparent);
  label.SetAlignment(spec.alignment);
  ApplyCommon(label, spec);
}

void BuildSpec(Builder&, const Scope& scope, const LinkLabel& spec) {
  auto& label = MakeControl<ui::LinkLabel>(scope, spec);
  label.SetCaption(spec.caption);
  label.SetAlignment(spec.alignment);
  ApplyCommon(label, spec);
}

void BuildSpec(Builder&, const Scope& scope, const CheckBox& spec) {
  auto& box = MakeControl<ui::CheckBox>(scope, spec);
  box.SetCaption(spec.caption);
  box.SetAllowGrayed(spec.allowGrayed);
  box.SetChecked(spec.checked, Notify::No);
  ApplyCommon(box, spec);
}

void BuildSpec(Builder&, const Scope& scope, const RadioButton& spec) {
  auto& radio = MakeControl<ui::RadioButton>(scope, spec);
  radio.SetCaption(spec.caption);
  radio.SetChecked(spec.checked, Notify::No);
  ApplyCommon(radio, spec);
}

void BuildSpec(Builder&, const Scope& scope, const Button& spec) {
  auto& button = MakeControl<ui::Button>(scope, spec);
  button.SetCaption(spec.caption);
  button.SetDefault(spec.isDefault);
  button.SetCancel(spec.cancel);
  button.SetModalResult(spec.modalResult);
  ApplyCommon(button, spec);
}

void BuildSpec(Builder&, const Scope& scope, const SpeedButton& spec) {
  auto& button = MakeControl<ui::SpeedButton>(scope, spec);
  button.SetCaption(spec.caption);
  button.SetFlat(spec.flat);
  button.SetGroupIndex(spec.groupIndex);
  button.SetAllowAllUp(spec.allowAllUp);
  button.SetDown(spec.down);
  ApplyCommon(button, spec);
}

void BuildSpec(Builder&, const Scope& scope, const Edit& spec) {
  auto& edit = MakeControl<ui::Edit>(scope, spec);
  edit.SetText(spec.text, Notify::No);
  edit.SetReadOnly(spec.readOnly);
  edit.SetPasswordChar(spec.passwordChar);
  edit.SetMaxLength(spec.maxLength);
  edit.SetNumbersOnly(spec.numbersOnly);
  ApplyCommon(edit, spec);
}

void BuildSpec(Builder&, const Scope& scope, const Memo& spec) {
  auto& memo = MakeControl<ui::Memo>(scope, spec);
  memo.SetText(spec.text, Notify::No);
  memo.SetReadOnly(spec.readOnly);
  memo.SetScrollBars(spec.scrollBars);
  memo.SetHideSelection(spec.hideSelection);
  memo.SetWordWrap(spec.wordWrap);
  ApplyCommon(memo, spec);
}

void BuildSpec(Builder&, const Scope& scope, const ComboBox& spec) {
  auto& combo = MakeControl<ui::ComboBox>(scope, spec);
  combo.SetStyle(spec.style);
  for (const auto& item : spec.items) combo.Items().Add(item);
  if (spec.style != ComboBoxStyle::csDropDownList) combo.SetText(spec.text);
  combo.SetItemIndex(spec.itemIndex);
  ApplyCommon(combo, spec);
}

void BuildSpec(Builder&, const Scope& scope, const TrackBar& spec) {
  auto& bar = MakeControl<ui::TrackBar>(scope, spec);
  bar.SetRange(spec.min, spec.max, Notify::No);
  bar.SetPosition(spec.position, Notify::No);
  bar.SetFrequency(spec.frequency);
  bar.SetShowSelRange(spec.showSelRange);
  ApplyCommon(bar, spec);
}

void BuildSpec(Builder& builder, const Scope& scope, const UpDown& spec) {
  auto& upDown = MakeControl<ui::UpDown>(scope, spec);
  upDown.SetRange(spec.min, spec.max);
  upDown.SetIncrement(spec.increment);
  upDown.SetThousands(spec.thousands);
  upDown.SetWrap(spec.wrap);
  upDown.SetPosition(spec.position);
  ApplyCommon(upDown, spec);
  if (!spec.associate.empty()) {
    Component& owner = scope.owner;
    builder.Later([&builder, &owner, &upDown, name = spec.associate] {
      upDown.SetAssociate(&builder.Resolve<ui::Edit>(owner, name));
    });
  }
}

void BuildSpec(Builder& builder, const Scope& scope, const ListView& spec) {
  auto& list = MakeControl<ui::ListView>(scope, spec);
  list.SetViewStyle(spec.viewStyle);
  list.SetCheckboxes(spec.checkboxes);
  list.SetRowSelect(spec.rowSelect);
  list.SetReadOnly(spec.readOnly);
  list.SetHideSelection(spec.hideSelection);
  list.SetColumnClick(spec.columnClick);
  list.SetShowColumnHeaders(spec.showColumnHeaders);
  list.SetGroupView(spec.groupView);
  for (const auto& column : spec.columns) list.AddColumn(column);
  for (const auto& group : spec.groups) list.AddGroup(group);
  ApplyCommon(list, spec);
  if (!spec.smallImages.empty()) {
    Component& owner = scope.owner;
    builder.Later([&builder, &owner, &list, name = spec.smallImages] {
      list.SetSmallImages(&builder.Resolve<ui::ImageList>(owner, name));
    });
  }
}

void BuildSpec(Builder&, const Scope& scope, const Image& spec) {
  auto& image = MakeControl<ui::Image>(scope, spec);
  image.SetPicture(spec.picture);
  image.SetStretch(spec.stretch);
  image.SetCenter(spec.center);
  image.SetProportional(spec.proportional);
  image.SetTransparent(spec.transparent);
  image.SetAutoSize(spec.autoSize);
  ApplyCommon(image, spec);
}

void BuildSpec(Builder&, const Scope& scope, const Bevel& spec) {
  auto& bevel = MakeControl<ui::Bevel>(scope, spec);
  bevel.SetShape(spec.shape);
  bevel.SetStyle(spec.style);
  ApplyCommon(bevel, spec);
}

void BuildSpec(Builder& builder, const Scope& scope, const GroupBox& spec) {
  auto& box = MakeControl<ui::GroupBox>(scope, spec);
  box.SetCaption(spec.caption);
  ApplyCommon(box, spec);
  BuildChildren(builder, scope.owner, box, spec.rows, spec.children);
}

void BuildSpec(Builder& builder, const Scope& scope, const Panel& spec) {
  auto& panel = MakeControl<ui::Panel>(scope, spec);
  panel.SetCaption(spec.caption);
  panel.SetBevelOuter(spec.bevelOuter);
  panel.SetParentBackground(spec.parentBackground);
  ApplyCommon(panel, spec);
  BuildChildren(builder, scope.owner, panel, spec.rows, spec.children);
}

void BuildSpec(Builder& builder, const Scope& scope, const Frame& spec) {
  auto& frame = MakeControl<ui::Frame>(scope, spec);
  frame.SetAutoScroll(spec.autoScroll);
  ApplyCommon(frame, spec);
  BuildChildren(builder, frame, frame, spec.rows, spec.children);
}

void BuildSpec(Builder& builder, const Scope& scope, const PageControl& spec) {
  auto& pages = MakeControl<ui::PageControl>(scope, spec);
  ApplyCommon(pages, spec);
  for (const TabSheet& sheetSpec : spec.pages) {
    auto& sheet = scope.owner.Create<ui::TabSheet>(sheetSpec.name);
    sheet.SetParent(&pages);
    // The page area of a tab control on Windows: inside a 4-pixel border,
    // below a row of tabs.
    sheet.SetBounds(4, 24, pages.Width() - 8, pages.Height() - 28);
    sheet.SetCaption(sheetSpec.caption);
    sheet.SetTabVisible(sheetSpec.tabVisible);
    sheet.SetHint(sheetSpec.hint);
    sheet.SetTag(sheetSpec.tag);
    BuildChildren(builder, scope.owner, sheet, sheetSpec.rows, sheetSpec.children);
  }
  if (!spec.activePage.empty()) {
    for (int i = 0; i < pages.PageCount(); ++i)
      if (SameName(pages.Pages(i).Name(), spec.activePage)) pages.SetActivePageIndex(i);
    if (!pages.ActivePage() || !SameName(pages.ActivePage()->Name(), spec.activePage))
      throw ComponentNotFound("no page of that name in its page control");
  }
}

void BuildSpec(Builder&, const Scope& scope, const PopupMenu& spec) {
  auto& menu = scope.owner.Create<ui::PopupMenu>(spec.name);
  menu.SetAlignment(spec.alignment);
  for (const MenuItem& itemSpec : spec.items) {
    auto& item = scope.owner.Create<ui::MenuItem>(itemSpec.name);
    item.SetCaption(itemSpec.caption);
    item.SetHint(itemSpec.hint);
    item.SetChecked(itemSpec.checked);
    item.SetEnabled(itemSpec.enabled);
    item.SetVisible(itemSpec.visible);
    item.SetDefault(itemSpec.isDefault);
    menu.Add(item);
  }
}

void BuildSpec(Builder& builder, const Scope& scope, const TrayIcon& spec) {
  auto& icon = scope.owner.Create<ui::TrayIcon>(spec.name);
  icon.SetHint(spec.hint);
  icon.SetVisible(spec.visible);
  icon.SetBalloonTitle(spec.balloonTitle);
  icon.SetBalloonHint(spec.balloonHint);
  icon.SetBalloonFlags(spec.balloonFlags);
  icon.SetBalloonTimeout(spec.balloonTimeout);
  if (!spec.popupMenu.empty()) {
    Component& owner = scope.owner;
    builder.Later([&builder, &owner, &icon, name = spec.popupMenu] {
      icon.SetPopupMenu(&builder.Resolve<ui::PopupMenu>(owner, name));
    });
  }
}

void BuildSpec(Builder&, const Scope& scope, const Timer& spec) {
  auto& timer = scope.owner.Create<ui::Timer>(spec.name);
  timer.SetInterval(spec.interval);
  timer.SetEnabled(spec.enabled);
}

void BuildSpec(Builder&, const Scope& scope, const TaskDialog& spec) {
  auto& dialog = scope.owner.Create<ui::TaskDialog>(spec.name);
  dialog.SetCaption(spec.caption);
  dialog.SetTitle(spec.title);
  dialog.SetText(spec.text);
  dialog.SetExpandedText(spec.expandedText);
  dialog.SetFooterText(spec.footerText);
  dialog.SetVerificationText(spec.verificationText);
  dialog.SetMainIcon(spec.mainIcon);
  dialog.SetFooterIcon(spec.footerIcon);
  dialog.SetFlags(spec.flags);
  dialog.SetCommonButtons(spec.commonButtons);
  dialog.Buttons() = spec.buttons;
}

void BuildSpec(Builder&, const Scope& scope, const OpenDialog& spec) {
  auto& dialog = scope.owner.Create<ui::OpenDialog>(spec.name);
  dialog.SetTitle(spec.title);
  dialog.FileTypes() = spec.fileTypes;
  dialog.SetOptions(spec.options);
}

void BuildSpec(Builder&, const Scope& scope, const ImageList& spec) {
  auto& images = scope.owner.Create<ui::ImageList>(spec.name);
  images.SetSize(spec.width, spec.height);
}

void Build(ui::Form& form, const Form& spec) {
  Builder builder(form);
  form.SetName(spec.name);
  form.SetCaption(spec.caption);
  form.SetClientWidth(spec.clientWidth);
  form.SetClientHeight(spec.clientHeight);
  form.SetBorderStyle(spec.borderStyle);
  form.SetBorderIcons(spec.borderIcons);
  form.SetPosition(spec.position);
  form.SetFormStyle(spec.formStyle);
  form.SetKeyPreview(spec.keyPreview);
  form.SetScaled(spec.scaled);
  form.SetShowHint(spec.showHint);
  form.SetFont(spec.font);
  if (spec.color) form.SetColor(*spec.color);
  RowCursor cursor{spec.rows, spec.clientWidth};
  Scope scope{form, &form, &cursor};
  for (const Node& child : spec.children) child.Build(builder, scope);
  builder.Finish();
  if (!spec.activeControl.empty())
    form.SetActiveControl(&builder.Resolve<ui::WinControl>(form, spec.activeControl), Notify::No);
}

void Build(Component& owner, WinControl& parent, const std::vector<Node>& nodes, const Rows& rows) {
  Component* root = &owner;
  while (root->Owner()) root = root->Owner();
  Builder builder(*root);
  RowCursor cursor{rows, parent.Width()};
  Scope scope{owner, &parent, &cursor};
  for (const Node& child : nodes) child.Build(builder, scope);
  builder.Finish();
}

}  // namespace zt::ui::layout
