#pragma once
// Declarative window layouts: a window is written as a tree of specs that
// reads like the window, then built into model components.
//
//   using namespace zt::ui::layout;
//   Build(form, Form{
//       .name = L"SRBox", .caption = L"System Protection", .clientWidth = 408, .clientHeight = 172,
//       .children = {
//           GroupBox{.name = L"AutoLogonBox", .caption = L"Enable automatic logon",
//                    .at = {8, 8, 400, 120}, .rows = {.left = 12, .top = 24},
//                    .children = {
//                        CheckBox{.name = L"AutoLogonCheckBox", .at = {10, 0, 13, 17}},
//                        Edit{.name = L"Username", .at = Row{.indent = 90, .width = 150}},
//                        Label{.name = L"UserNameLabel", .caption = L"User:", .at = SameRow{.left = 12}},
//                    }},
//       }});
//   auto& box = form.Find<ui::CheckBox>(L"AutoLogonCheckBox");
//
// Fields must be written in the order they are declared here: name,
// caption or text, place, the kind's own fields, then the common ones
// (visible ... tag), then children.
#include <concepts>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/kinds.h"

namespace zt::ui::layout {

// The row grid of a container: rows of `height` pixels, `gap` apart,
// starting at (left, top); a row spans the container's width minus left
// and right margins.
struct Rows {
  int left = 8;
  int top = 20;
  int height = 17;
  int gap = 6;
  int right = 8;
};

// The next row of the parent's grid, after skipping `skip` rows; width 0
// means up to the right margin, height 0 the grid's row height.
struct Row {
  int indent = 0;
  int width = 0;
  int height = 0;
  int skip = 0;
};

// On the row of the previous row-placed sibling, at `left` in the parent.
struct SameRow {
  int left = 0;
  int width = 0;
  int height = 0;
};

// Where a control goes: an explicit rectangle ({left, top, width, height}),
// a Row, or a SameRow. Omitted: the next row.
class Place {
 public:
  enum class Kind { kRect, kRow, kSameRow };
  Place() : kind_(Kind::kRow) {}
  Place(int left, int top, int width, int height) : kind_(Kind::kRect), rect_{left, top, width, height} {}
  Place(Row row) : kind_(Kind::kRow), row_(row) {}
  Place(SameRow same) : kind_(Kind::kSameRow), same_(same) {}

  Kind kind() const { return kind_; }
  const Bounds& rect() const { return rect_; }
  const Row& row() const { return row_; }
  const SameRow& sameRow() const { return same_; }

 private:
  Kind kind_;
  Bounds rect_;
  Row row_;
  SameRow same_;
};

class Builder;
struct Scope;

// Any spec below, so that a list of children can mix kinds. Defined before
// the specs so that their `children{}` can be default-initialised; the
// BuildSpec overloads are found when a Node is made from a spec.
class Node {
 public:
  template <class Spec>
  requires requires(Builder& builder, const Scope& scope, const Spec& spec) {
    BuildSpec(builder, scope, spec);
  }
  Node(Spec spec)
      : spec_(std::make_shared<const Spec>(std::move(spec))),
        build_([](Builder& builder, const Scope& scope, const void* spec) {
          BuildSpec(builder, scope, *static_cast<const Spec*>(spec));
        }) {}

  void Build(Builder& builder, const Scope& scope) const { build_(builder, scope, spec_.get()); }

 private:
  std::shared_ptr<const void> spec_;
  void (*build_)(Builder&, const Scope&, const void*);
};

struct Label {
  std::wstring name{};
  std::wstring caption{};
  Place at{};
  bool autoSize = true;
  bool wordWrap = false;
  bool transparent = false;
  Alignment alignment = Alignment::taLeftJustify;
  bool visible = true;
  bool enabled = true;
  std::wstring hint{};
  std::optional<bool> showHint{};  // omitted: the parent's
  std::optional<Font> font{};
  std::optional<TColor> color{};
  Cursor cursor = Cursor::crDefault;
  std::intptr_t tag = 0;
};

struct LinkLabel {
  std::wstring name{};
  std::wstring caption{};
  Place at{};
  Alignment alignment = Alignment::taLeftJustify;
  bool visible = true;
  bool enabled = true;
  std::wstring hint{};
  std::optional<bool> showHint{};  // omitted: the parent's
  std::optional<Font> font{};
  std::optional<TColor> color{};
  Cursor cursor = Cursor::crDefault;
  std::intptr_t tag = 0;
};

struct CheckBox {
  std::wstring name{};
  std::wstring caption{};
  Place at{};
  bool checked = false;
  bool allowGrayed = false;
  bool visible = true;
  bool enabled = true;
  std::wstring hint{};
  std::optional<bool> showHint{};  // omitted: the parent's
  std::optional<Font> font{};
  std::optional<TColor> color{};
  Cursor cursor = Cursor::crDefault;
  std::intptr_t tag = 0;
};

struct RadioButton {
  std::wstring name{};
  std::wstring caption{};
  Place at{};
  bool checked = false;
  bool visible = true;
  bool enabled = true;
  std::wstring hint{};
  std::optional<bool> showHint{};  // omitted: the parent's
  std::optional<Font> font{};
  std::optional<TColor> color{};
  Cursor cursor = Cursor::crDefault;
  std::intptr_t tag = 0;
};

struct Button {
  std::wstring name{};
  std::wstring caption{};
  Place at{};
  bool isDefault = false;
  bool cancel = false;
  int modalResult = mrNone;
  bool visible = true;
  bool enabled = true;
  std::wstring hint{};
  std::optional<bool> showHint{};  // omitted: the parent's
  std::optional<Font> font{};
  std::optional<TColor> color{};
  Cursor cursor = Cursor::crDefault;
  std::intptr_t tag = 0;
};

struct SpeedButton {
  std::wstring name{};
  std::wstring caption{};
  Place at{};
  bool flat = true;
  int groupIndex = 0;
  bool allowAllUp = false;
  bool down = false;
  bool visible = true;
  bool enabled = true;
  std::wstring hint{};
  std::optional<bool> showHint{};  // omitted: the parent's
  std::optional<Font> font{};
  std::optional<TColor> color{};
  Cursor cursor = Cursor::crDefault;
  std::intptr_t tag = 0;
};

struct Edit {
  std::wstring name{};
  std::wstring text{};
  Place at{};
  bool readOnly = false;
  wchar_t passwordChar = 0;
  int maxLength = 0;
  bool numbersOnly = false;
  bool visible = true;
  bool enabled = true;
  std::wstring hint{};
  std::optional<bool> showHint{};  // omitted: the parent's
  std::optional<Font> font{};
  std::optional<TColor> color{};
  Cursor cursor = Cursor::crDefault;
  std::intptr_t tag = 0;
};

struct Memo {
  std::wstring name{};
  std::wstring text{};
  Place at{};
  bool readOnly = false;
  ScrollStyle scrollBars = ScrollStyle::ssNone;
  bool hideSelection = true;
  bool wordWrap = true;
  bool visible = true;
  bool enabled = true;
  std::wstring hint{};
  std::optional<bool> showHint{};  // omitted: the parent's
  std::optional<Font> font{};
  std::optional<TColor> color{};
  Cursor cursor = Cursor::crDefault;
  std::intptr_t tag = 0;
};

struct ComboBox {
  std::wstring name{};
  std::wstring text{};
  Place at{};
  ComboBoxStyle style = ComboBoxStyle::csDropDownList;
  std::vector<std::wstring> items{};
  int itemIndex = -1;
  bool visible = true;
  bool enabled = true;
  std::wstring hint{};
  std::optional<bool> showHint{};  // omitted: the parent's
  std::optional<Font> font{};
  std::optional<TColor> color{};
  Cursor cursor = Cursor::crDefault;
  std::intptr_t tag = 0;
};

struct TrackBar {
  std::wstring name{};
  Place at{};
  int min = 0;
  int max = 10;
  int position = 0;
  int frequency = 1;
  bool showSelRange = true;
  bool visible = true;
  bool enabled = true;
  std::wstring hint{};
  std::optional<bool> showHint{};  // omitted: the parent's
  std::optional<Font> font{};
  std::optional<TColor> color{};
  Cursor cursor = Cursor::crDefault;
  std::intptr_t tag = 0;
};

struct UpDown {
  std::wstring name{};
  Place at{};
  std::wstring associate{};  // name of an Edit
  int min = 0;
  int max = 100;
  int position = 0;
  int increment = 1;
  bool thousands = true;
  bool wrap = false;
  bool visible = true;
  bool enabled = true;
  std::wstring hint{};
  std::optional<bool> showHint{};  // omitted: the parent's
  std::optional<Font> font{};
  std::optional<TColor> color{};
  Cursor cursor = Cursor::crDefault;
  std::intptr_t tag = 0;
};

struct ListView {
  std::wstring name{};
  Place at{};
  ViewStyle viewStyle = ViewStyle::vsReport;
  bool checkboxes = false;
  bool rowSelect = false;
  bool readOnly = false;
  bool hideSelection = true;
  bool columnClick = true;
  bool showColumnHeaders = true;
  bool groupView = false;
  std::wstring smallImages{};  // name of an ImageList
  std::vector<ListColumn> columns{};
  std::vector<ListGroup> groups{};
  bool visible = true;
  bool enabled = true;
  std::wstring hint{};
  std::optional<bool> showHint{};  // omitted: the parent's
  std::optional<Font> font{};
  std::optional<TColor> color{};
  Cursor cursor = Cursor::crDefault;
  std::intptr_t tag = 0;
};

struct Image {
  std::wstring name{};
  Place at{};
  Picture picture{};
  bool stretch = false;
  bool center = false;
  bool proportional = false;
  bool transparent = false;
  bool autoSize = false;
  bool visible = true;
  bool enabled = true;
  std::wstring hint{};
  std::optional<bool> showHint{};  // omitted: the parent's
  std::optional<Font> font{};
  std::optional<TColor> color{};
  Cursor cursor = Cursor::crDefault;
  std::intptr_t tag = 0;
};

struct Bevel {
  std::wstring name{};
  Place at{};
  BevelShape shape = BevelShape::bsBox;
  BevelStyle style = BevelStyle::bsLowered;
  bool visible = true;
  bool enabled = true;
  std::wstring hint{};
  std::optional<bool> showHint{};  // omitted: the parent's
  std::optional<Font> font{};
  std::optional<TColor> color{};
  Cursor cursor = Cursor::crDefault;
  std::intptr_t tag = 0;
};

struct GroupBox {
  std::wstring name{};
  std::wstring caption{};
  Place at{};
  Rows rows{};
  bool visible = true;
  bool enabled = true;
  std::wstring hint{};
  std::optional<bool> showHint{};  // omitted: the parent's
  std::optional<Font> font{};
  std::optional<TColor> color{};
  Cursor cursor = Cursor::crDefault;
  std::intptr_t tag = 0;
  std::vector<Node> children{};
};

struct Panel {
  std::wstring name{};
  std::wstring caption{};
  Place at{};
  PanelBevel bevelOuter = PanelBevel::bvRaised;
  bool parentBackground = true;
  Rows rows{};
  bool visible = true;
  bool enabled = true;
  std::wstring hint{};
  std::optional<bool> showHint{};  // omitted: the parent's
  std::optional<Font> font{};
  std::optional<TColor> color{};
  Cursor cursor = Cursor::crDefault;
  std::intptr_t tag = 0;
  std::vector<Node> children{};
};

// Its children (and their names) are owned by the frame.
struct Frame {
  std::wstring name{};
  Place at{};
  bool autoScroll = false;
  Rows rows{};
  bool visible = true;
  bool enabled = true;
  std::wstring hint{};
  std::optional<bool> showHint{};  // omitted: the parent's
  std::optional<Font> font{};
  std::optional<TColor> color{};
  Cursor cursor = Cursor::crDefault;
  std::intptr_t tag = 0;
  std::vector<Node> children{};
};

// Fills its page control.
struct TabSheet {
  std::wstring name{};
  std::wstring caption{};
  bool tabVisible = true;
  Rows rows{};
  std::wstring hint{};
  std::intptr_t tag = 0;
  std::vector<Node> children{};
};

struct PageControl {
  std::wstring name{};
  Place at{};
  std::wstring activePage{};  // name of a page; the first page when empty
  std::vector<TabSheet> pages{};
  bool visible = true;
  bool enabled = true;
  std::wstring hint{};
  std::optional<bool> showHint{};  // omitted: the parent's
  std::optional<Font> font{};
  std::optional<TColor> color{};
  Cursor cursor = Cursor::crDefault;
  std::intptr_t tag = 0;
};

struct MenuItem {
  std::wstring name{};
  std::wstring caption{};  // "-" for a separator
  std::wstring hint{};
  bool checked = false;
  bool enabled = true;
  bool visible = true;
  bool isDefault = false;
};

struct PopupMenu {
  std::wstring name{};
  PopupAlignment alignment = PopupAlignment::paLeft;
  std::vector<MenuItem> items{};
};

struct TrayIcon {
  std::wstring name{};
  std::wstring hint{};
  bool visible = false;
  std::wstring balloonTitle{};
  std::wstring balloonHint{};
  BalloonFlags balloonFlags = BalloonFlags::bfNone;
  int balloonTimeout = 3000;
  std::wstring popupMenu{};  // name of a PopupMenu
};

struct Timer {
  std::wstring name{};
  bool enabled = true;
  int interval = 1000;
};

struct TaskDialog {
  std::wstring name{};
  std::wstring caption{};
  std::wstring title{};
  std::wstring text{};
  std::wstring expandedText{};
  std::wstring footerText{};
  std::wstring verificationText{};
  TaskDialogIcon mainIcon = TaskDialogIcon::tdiInformation;
  TaskDialogIcon footerIcon = TaskDialogIcon::tdiNone;
  Set<TaskDialogFlag> flags{TaskDialogFlag::tfAllowDialogCancellation};
  Set<TaskDialogCommonButton> commonButtons{TaskDialogCommonButton::tcbOk, TaskDialogCommonButton::tcbCancel};
  std::vector<TaskDialogButton> buttons{};
};

struct OpenDialog {
  std::wstring name{};
  std::wstring title{};
  std::vector<FileType> fileTypes{};
  Set<FileDialogOption> options{};
};

struct ImageList {
  std::wstring name{};
  int width = 16;
  int height = 16;
};

struct Form {
  std::wstring name{};
  std::wstring caption{};
  int clientWidth = 0;
  int clientHeight = 0;
  BorderStyle borderStyle = BorderStyle::bsSizeable;
  Set<BorderIcon> borderIcons{BorderIcon::biSystemMenu, BorderIcon::biMinimize, BorderIcon::biMaximize};
  Position position = Position::poDefault;
  FormStyle formStyle = FormStyle::fsNormal;
  bool keyPreview = false;
  bool scaled = true;
  bool showHint = false;
  Font font{};
  std::optional<TColor> color{};
  std::wstring activeControl{};  // name of a control
  Rows rows{};
  std::vector<Node> children{};
};

void BuildSpec(Builder& builder, const Scope& scope, const Label& spec);
void BuildSpec(Builder& builder, const Scope& scope, const LinkLabel& spec);
void BuildSpec(Builder& builder, const Scope& scope, const CheckBox& spec);
void BuildSpec(Builder& builder, const Scope& scope, const RadioButton& spec);
void BuildSpec(Builder& builder, const Scope& scope, const Button& spec);
void BuildSpec(Builder& builder, const Scope& scope, const SpeedButton& spec);
void BuildSpec(Builder& builder, const Scope& scope, const Edit& spec);
void BuildSpec(Builder& builder, const Scope& scope, const Memo& spec);
void BuildSpec(Builder& builder, const Scope& scope, const ComboBox& spec);
void BuildSpec(Builder& builder, const Scope& scope, const TrackBar& spec);
void BuildSpec(Builder& builder, const Scope& scope, const UpDown& spec);
void BuildSpec(Builder& builder, const Scope& scope, const ListView& spec);
void BuildSpec(Builder& builder, const Scope& scope, const Image& spec);
void BuildSpec(Builder& builder, const Scope& scope, const Bevel& spec);
void BuildSpec(Builder& builder, const Scope& scope, const GroupBox& spec);
void BuildSpec(Builder& builder, const Scope& scope, const Panel& spec);
void BuildSpec(Builder& builder, const Scope& scope, const Frame& spec);
void BuildSpec(Builder& builder, const Scope& scope, const PageControl& spec);
void BuildSpec(Builder& builder, const Scope& scope, const PopupMenu& spec);
void BuildSpec(Builder& builder, const Scope& scope, const TrayIcon& spec);
void BuildSpec(Builder& builder, const Scope& scope, const Timer& spec);
void BuildSpec(Builder& builder, const Scope& scope, const TaskDialog& spec);
void BuildSpec(Builder& builder, const Scope& scope, const OpenDialog& spec);
void BuildSpec(Builder& builder, const Scope& scope, const ImageList& spec);

// Sets the form's own properties and builds its children, owned by the form.
// Names given by reference (associate, activeControl, ...) are looked up once
// the whole tree is built; a missing one throws ComponentNotFound. Building
// fires no events.
void Build(ui::Form& form, const Form& spec);
// Builds more components at run time: owned by `owner`, controls placed on
// `parent` (which must be a control owned, directly or not, by `owner`'s tree),
// rows counted from the start of `rows`.
void Build(Component& owner, WinControl& parent, const std::vector<Node>& nodes, const Rows& rows = {});

}  // namespace zt::ui::layout
