#pragma once
// The root of the component model: named components, each owned by another
// component, and the view that mirrors a component in a real window.
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ui/types.h"

namespace zt::ui {

class Component;
class Host;

// What changed in a component, so its view can update the window. List-like
// properties say which entries changed.
enum class Property {
  Name,
  Parent,    // the control moved to another parent
  Controls,  // a child control was inserted into / removed from this one
  ZOrder,    // the control moved to the front or back of its siblings
  Bounds,
  Visible,
  Enabled,
  Caption,  // Caption or Text
  Hint,
  Font,
  Color,
  Cursor,
  Style,      // options of the kind that shape the window (ReadOnly, BorderStyle, Flat, ...)
  Checked,    // check box / radio button / speed button Down / list item check (index)
  Items,      // combo, list view and menu items (see ListChange)
  ItemIndex,  // the selected item (list view: index of the item whose selection changed)
  Columns,
  Groups,
  Lines,      // memo lines (see ListChange)
  Selection,  // memo SelStart / SelLength
  Position,
  Range,  // Min, Max, Increment, Frequency
  ActivePage,
  TabVisible,
  ActiveControl,
  Picture,
  Interval,     // timer interval
  Balloon,      // tray icon balloon title, text, flags, time-out
  BeginUpdate,  // a batch of list changes starts
  EndUpdate,    // ... and ends
  Repaint,      // nothing changed: the control is to be drawn on the screen now
};

enum class ListChange { Reset, Inserted, Removed, Updated };

struct Change {
  Property property;
  ListChange list = ListChange::Reset;  // for list-like properties
  int index = -1;                       // first entry concerned
  int count = 0;                        // number of entries concerned

  static Change Of(Property property) { return Change{property}; }
  static Change List(Property property, ListChange list, int index, int count = 1) {
    return Change{property, list, index, count};
  }
};

// Mirrors a component in a real window. The model pushes every change of its
// state here (after storing it, before firing events); it never asks the view
// for anything.
class ComponentView {
 public:
  virtual ~ComponentView() = default;
  virtual void Changed(Component& component, const Change& change) = 0;
  // Called from the component's base destructor: use the reference as a key only.
  virtual void Destroying(Component& component) = 0;
};

// A translatable string property, addressed by its path relative to the
// component ("Caption", "Items", "Columns[0].Caption", ...). `set` behaves as the
// property's setter does, events included.
struct StringProperty {
  std::wstring path;
  std::function<std::wstring()> get;
  std::function<void(const std::wstring&)> set;
};

enum class Operation { opInsert, opRemove };

// Thrown when a lookup by name finds nothing (or a component of another kind).
class ComponentNotFound : public std::out_of_range {
 public:
  using std::out_of_range::out_of_range;
};

class Component {
 public:
  Component();
  virtual ~Component();
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  // The framework's class name ("TCheckBox", ...).
  virtual std::wstring_view ClassName() const { return L"TComponent"; }

  const std::wstring& Name() const { return name_; }
  void SetName(std::wstring name);

  Component* Owner() const { return owner_; }
  // Owned components in creation order.
  const std::vector<Component*>& Components() const { return components_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }

  // Creates a component owned by this one; the owner destroys it. Without a
  // name it keeps the one its constructor gave (a dialog class names itself).
  template <class T>
  T& Create(std::wstring name = {}) {
    auto component = std::make_unique<T>();
    T& result = *component;
    if (!name.empty()) component->SetName(std::move(name));
    InsertComponent(std::move(component));
    return result;
  }
  // Takes ownership of a component that has no owner.
  void InsertComponent(std::unique_ptr<Component> component);
  // Gives up ownership; dropping the result destroys the component.
  std::unique_ptr<Component> RemoveComponent(Component& component);

  // An owned component by name, compared without regard to (ASCII) case;
  // nullptr when there is none.
  Component* FindComponent(std::wstring_view name) const;
  // By name or by a dotted path through nested owners ("MenuFrame.System");
  // throws ComponentNotFound when there is none or it is of another kind.
  template <class T>
  T& Find(std::wstring_view path) const {
    T* found = dynamic_cast<T*>(FindPath(path));
    if (!found) throw ComponentNotFound("no component of that kind named " + Narrow(path));
    return *found;
  }
  Component* FindPath(std::wstring_view path) const;

  std::intptr_t Tag() const { return tag_; }
  void SetTag(std::intptr_t tag) { tag_ = tag; }

  // Translatable string properties of this component alone (not of owned ones).
  virtual std::vector<StringProperty> StringProperties();

  // The opRemove notification reaches the owner of a component being removed
  // or destroyed, and every component that asked for it with FreeNotification.
  // The default forwards opRemove to all owned components, as the framework does.
  virtual void Notification(Component& component, Operation operation);
  // Asks to be told (by Notification) when `component` is destroyed, and tells
  // it the same about this one.
  void FreeNotification(Component& component);
  void RemoveFreeNotification(Component& component);

  ComponentView* View() const { return view_; }
  void SetView(ComponentView* view) { view_ = view; }

  // The host of platform operations: this component's, else its owner's, ...
  void SetHost(Host* host) { host_ = host; }
  Host* FindHost() const;
  Host& RequireHost() const;  // throws std::logic_error when there is none

 protected:
  // Pushes a change to the view, if any.
  virtual void Changed(const Change& change);
  void Changed(Property property) { Changed(Change::Of(property)); }

  static std::string Narrow(std::wstring_view text);

 private:
  std::wstring name_;
  Component* owner_ = nullptr;
  std::vector<Component*> components_;  // owned
  std::vector<Component*> freeNotifies_;
  std::intptr_t tag_ = 0;
  ComponentView* view_ = nullptr;
  Host* host_ = nullptr;
};

// Case-insensitive (ASCII) comparison of component names.
bool SameName(std::wstring_view a, std::wstring_view b);

}  // namespace zt::ui
