// Ownership and lifetime: owners destroy what they own, and references to a
// destroyed component are dropped.
#include <gtest/gtest.h>

#include "ui/kinds.h"
#include "ui/testing/fake_host.h"

namespace zt::ui {
namespace {

// Counts live instances, to see destruction.
struct Tracked : Component {
  explicit Tracked() { ++alive; }
  ~Tracked() override { --alive; }
  static inline int alive = 0;
};

// Records the removals an owner hears of.
struct Listener : Component {
  std::vector<std::wstring> removed;
  void Notification(Component& component, Operation operation) override {
    if (operation == Operation::opRemove) removed.push_back(component.Name());
    Component::Notification(component, operation);
  }
};

TEST(UiOwnership, OwnerDestroysOwnedComponentsInReverseOrder) {
  testing::RecordingView view;
  const Component* firstAddress = nullptr;
  const Component* frameAddress = nullptr;
  const Component* innerAddress = nullptr;
  {
    Form form;
    auto& first = form.Create<Tracked>(L"First");
    auto& frame = form.Create<Frame>(L"Frame");
    auto& inner = frame.Create<Tracked>(L"Inner");
    for (Component* c : std::initializer_list<Component*>{&first, &frame, &inner}) c->SetView(&view);
    firstAddress = &first;
    frameAddress = &frame;
    innerAddress = &inner;
    EXPECT_EQ(Tracked::alive, 2);
    EXPECT_EQ(form.ComponentCount(), 2);
  }
  EXPECT_EQ(Tracked::alive, 0);
  EXPECT_EQ(view.destroyed, (std::vector<const Component*>{frameAddress, innerAddress, firstAddress}))
      << "the last created goes first, and a frame's own components go with it";
}

TEST(UiOwnership, RemovedComponentLeavesItsOwnerAndItsOwnerHearsOfIt) {
  Listener owner;
  auto& a = owner.Create<Tracked>(L"A");
  owner.Create<Tracked>(L"B");
  {
    std::unique_ptr<Component> taken = owner.RemoveComponent(a);
    EXPECT_EQ(taken->Owner(), nullptr);
    EXPECT_EQ(owner.FindComponent(L"A"), nullptr);
  }
  EXPECT_EQ(Tracked::alive, 1);
  owner.RemoveComponent(*owner.FindComponent(L"B"));
  EXPECT_EQ(Tracked::alive, 0);
  EXPECT_EQ(owner.removed, (std::vector<std::wstring>{L"A", L"B"}));
}

TEST(UiOwnership, DestroyingAControlDropsEveryReferenceToIt) {
  Form form;
  auto& edit = form.Create<Edit>(L"ALCountValue");
  auto& upDown = form.Create<UpDown>(L"UpDownALCount");
  auto& menu = form.Create<PopupMenu>(L"PopupMenu");
  auto& item = form.Create<MenuItem>(L"Quit");
  auto& tray = form.Create<TrayIcon>(L"TrayIcon");
  auto& images = form.Create<ImageList>(L"Images");
  auto& list = form.Create<ListView>(L"List");
  edit.SetParent(&form);
  upDown.SetAssociate(&edit);
  form.SetActiveControl(&edit);
  menu.Add(item);
  tray.SetPopupMenu(&menu);
  list.SetSmallImages(&images);

  form.RemoveComponent(edit);
  form.RemoveComponent(menu);
  form.RemoveComponent(images);

  EXPECT_EQ(upDown.Associate(), nullptr);
  EXPECT_EQ(form.ActiveControl(), nullptr);
  EXPECT_EQ(form.ControlCount(), 0);
  EXPECT_EQ(tray.PopupMenu(), nullptr);
  EXPECT_EQ(item.Menu(), nullptr);
  EXPECT_EQ(list.SmallImages(), nullptr);
  upDown.UserClick(UDBtnType::btNext);  // must not touch the destroyed edit
  EXPECT_EQ(upDown.Position(), 1);
}

TEST(UiOwnership, ParentAndChildrenMayGoInAnyOrder) {
  Form form;
  auto& pages = form.Create<PageControl>(L"Pages");
  auto& sheet = form.Create<TabSheet>(L"Sheet");
  auto& other = form.Create<TabSheet>(L"Other");
  auto& box = form.Create<CheckBox>(L"Box");
  pages.SetParent(&form);
  sheet.SetParent(&pages);
  other.SetParent(&pages);
  box.SetParent(&sheet);

  form.RemoveComponent(sheet);  // the active page goes: the next one takes over
  EXPECT_EQ(pages.ActivePage(), &other);
  EXPECT_EQ(box.Parent(), nullptr);
  form.RemoveComponent(pages);  // its remaining page outlives it
  EXPECT_EQ(other.PageControl(), nullptr);
  EXPECT_EQ(other.Parent(), nullptr);
}

TEST(UiOwnership, NamesAreUniquePerOwner) {
  Form form;
  auto& a = form.Create<Label>(L"Caption1");
  form.Create<Label>(L"Caption2");
  EXPECT_THROW(a.SetName(L"caption2"), std::invalid_argument);
  EXPECT_EQ(a.Name(), L"Caption1");
  auto& frame = form.Create<Frame>(L"MenuFrame");
  EXPECT_NO_THROW(frame.Create<Label>(L"Caption1")) << "another owner, another scope";
  EXPECT_EQ(form.FindPath(L"MenuFrame.caption1"), frame.FindComponent(L"Caption1"));
}

TEST(UiOwnership, ControlTreeRefusesCycles) {
  Panel outer, inner;
  inner.SetParent(&outer);
  EXPECT_THROW(outer.SetParent(&inner), std::invalid_argument);
  EXPECT_THROW(outer.SetParent(&outer), std::invalid_argument);
}

TEST(UiOwnership, FontColourAndShowHintFlowDownUntilAControlSetsItsOwn) {
  Form form;
  Panel panel;
  Label plain, own;
  Edit edit;
  panel.SetParent(&form);
  for (Control* c : std::initializer_list<Control*>{&plain, &own, &edit}) c->SetParent(&panel);
  own.SetFont(Font{.Height = -12, .Style = {FontStyle::fsBold}});
  form.SetFont(Font{.Name = L"Calibri"});
  panel.SetColor(clWhite);
  form.SetShowHint(true);

  EXPECT_EQ(plain.Font().Name, L"Calibri");
  EXPECT_EQ(own.Font().Name, L"Segoe UI");
  EXPECT_FALSE(own.ParentFont());
  own.SetParentFont(true);
  EXPECT_EQ(own.Font().Name, L"Calibri");

  EXPECT_EQ(plain.Color(), clWhite) << "a label takes the colour of the panel it sits on";
  EXPECT_EQ(edit.Color(), clWindow) << "an edit has a colour of its own";
  EXPECT_TRUE(plain.ShowHint());
  plain.SetShowHint(false);
  EXPECT_FALSE(plain.ShowHint());
  EXPECT_TRUE(edit.ShowHint());
}

}  // namespace
}  // namespace zt::ui
