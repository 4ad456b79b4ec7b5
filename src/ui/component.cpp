#include "ui/component.h"

#include <algorithm>

namespace zt::ui {

namespace {

wchar_t FoldAscii(wchar_t c) { return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

void Erase(std::vector<Component*>& list, const Component* item) {
  list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}  // namespace

bool SameName(std::wstring_view a, std::wstring_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
           return FoldAscii(x) == FoldAscii(y);
         });
}

Component::Component() = default;

Component::~Component() {
  if (view_) view_->Destroying(*this);
  // Those that asked to hear about this component drop their references now.
  while (!freeNotifies_.empty()) {
    Component* other = freeNotifies_.back();
    freeNotifies_.pop_back();
    Erase(other->freeNotifies_, this);
    other->Notification(*this, Operation::opRemove);
  }
  // Owned components go in reverse creation order, as the framework does.
  while (!components_.empty()) {
    Component* owned = components_.back();
    components_.pop_back();
    owned->owner_ = nullptr;
    delete owned;
  }
  if (owner_) {
    Erase(owner_->components_, this);
    owner_->Notification(*this, Operation::opRemove);
  }
}

void Component::SetName(std::wstring name) {
  if (name == name_) return;
  if (owner_ && !name.empty()) {
    Component* other = owner_->FindComponent(name);
    if (other && other != this)
      throw std::invalid_argument("a component named " + Narrow(name) + " already exists");
  }
  name_ = std::move(name);
  Changed(Property::Name);
}

void Component::InsertComponent(std::unique_ptr<Component> component) {
  if (!component) throw std::invalid_argument("no component to insert");
  if (component->owner_) throw std::logic_error("the component already has an owner");
  if (!component->name_.empty() && FindComponent(component->name_))
    throw std::invalid_argument("a component named " + Narrow(component->name_) + " already exists");
  Component* raw = component.release();
  raw->owner_ = this;
  components_.push_back(raw);
  Notification(*raw, Operation::opInsert);
}

std::unique_ptr<Component> Component::RemoveComponent(Component& component) {
  if (component.owner_ != this) throw std::logic_error("the component is not owned by this one");
  Notification(component, Operation::opRemove);
  Erase(components_, &component);
  component.owner_ = nullptr;
  return std::unique_ptr<Component>(&component);
}

Component* Component::FindComponent(std::wstring_view name) const {
  if (name.empty()) return nullptr;
  for (Component* component : components_)
    if (SameName(component->name_, name)) return component;
  return nullptr;
}

Component* Component::FindPath(std::wstring_view path) const {
  const Component* current = this;
  while (current) {
    auto dot = path.find(L'.');
    Component* next = current->FindComponent(path.substr(0, dot));
    if (dot == std::wstring_view::npos) return next;
    current = next;
    path.remove_prefix(dot + 1);
  }
  return nullptr;
}

std::vector<StringProperty> Component::StringProperties() { return {}; }

void Component::Notification(Component& component, Operation operation) {
  if (operation != Operation::opRemove) return;
  // A copy: a receiver may not change the list, but a forwarded call must not
  // see a half-updated one either.
  std::vector<Component*> owned = components_;
  for (Component* c : owned)
    if (c != &component) c->Notification(component, operation);
}

void Component::FreeNotification(Component& component) {
  if (&component == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), &component) == freeNotifies_.end()) {
    freeNotifies_.push_back(&component);
    component.freeNotifies_.push_back(this);
  }
}

void Component::RemoveFreeNotification(Component& component) {
  Erase(freeNotifies_, &component);
  Erase(component.freeNotifies_, this);
}

Host* Component::FindHost() const {
  for (const Component* c = this; c; c = c->owner_)
    if (c->host_) return c->host_;
  return nullptr;
}

Host& Component::RequireHost() const {
  Host* host = FindHost();
  if (!host) throw std::logic_error("no host for " + Narrow(name_));
  return *host;
}

void Component::Changed(const Change& change) {
  if (view_) view_->Changed(*this, change);
}

std::string Component::Narrow(std::wstring_view text) {
  std::string result;
  for (wchar_t c : text) result += (c >= 32 && c < 127) ? static_cast<char>(c) : '?';
  return result;
}

}  // namespace zt::ui
