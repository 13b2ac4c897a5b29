#include "framework/controls/component.h"

#include <algorithm>
#include <cctype>

namespace bitcalc::framework {

namespace {

bool SameText(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

void Erase(std::vector<TComponent*>& list, TComponent* c) {
  list.erase(std::remove(list.begin(), list.end(), c), list.end());
}

}  // namespace

// A component made while its owner's layout is being applied takes its stored
// settings as part of that layout, so it is loading until the owner is done.
TComponent::TComponent(TComponent* owner) {
  if (!owner) return;
  owner->Insert(this);
  if (owner->IsLoading()) state_ |= csLoading;
}

TComponent::~TComponent() {
  state_ |= csDestroying;
  // Tell everyone who asked, so that no dangling reference survives.
  while (!free_notifies_.empty()) {
    TComponent* other = free_notifies_.back();
    free_notifies_.pop_back();
    Erase(other->free_notifies_, this);
    other->Notification(this, opRemove);
  }
  // Owned components go in reverse creation order, as a stack unwinds.
  while (!components_.empty()) delete components_.back();
  if (owner_) owner_->Remove(this);
}

void TComponent::SetName(const std::string& name) {
  name_ = name;
}

int TComponent::ComponentIndex() const {
  if (!owner_) return -1;
  const auto& list = owner_->components_;
  return int(std::find(list.begin(), list.end(), this) - list.begin());
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_)
    if (SameText(c->name_, name)) return c;
  return nullptr;
}

void TComponent::BeginLoading() {
  state_ |= csLoading;
  for (TComponent* c : components_) c->BeginLoading();
}

void TComponent::EndLoading() {
  state_ &= ~csLoading;
  Loaded();
  for (TComponent* c : components_) c->EndLoading();
}

void TComponent::FreeNotification(TComponent* other) {
  if (!other || other == this) return;
  if (std::find(free_notifies_.begin(), free_notifies_.end(), other) == free_notifies_.end()) {
    free_notifies_.push_back(other);
    other->free_notifies_.push_back(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent* other) {
  if (!other) return;
  Erase(free_notifies_, other);
  Erase(other->free_notifies_, this);
}

void TComponent::Notification(TComponent* component, TComponentOperation operation) {
  if (operation == opRemove) Erase(components_, component);
}

void TComponent::Insert(TComponent* c) {
  components_.push_back(c);
  c->owner_ = this;
}

void TComponent::Remove(TComponent* c) {
  Erase(components_, c);
  c->owner_ = nullptr;
}

}  // namespace bitcalc::framework
