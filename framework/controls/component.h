#pragma once

#include <string>
#include <vector>

#include "framework/values/object.h"

namespace bitcalc::framework {

enum TComponentStateFlag : unsigned { csLoading = 1, csDesigning = 2, csDestroying = 4 };
enum TComponentOperation { opInsert, opRemove };

// A named object with an owner. The owner keeps its components in creation
// order and deletes them with itself. While a window's stored layout is being
// applied the component is "loading": setters run but no handler should, and
// Loaded() follows once every component has its settings.
class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  const std::string& Name() const { return name_; }
  virtual void SetName(const std::string& name);

  TComponent* Owner() const { return owner_; }
  const std::vector<TComponent*>& Components() const { return components_; }
  int ComponentCount() const { return int(components_.size()); }
  int ComponentIndex() const;

  // The owned component with this name (case-insensitive), or nullptr.
  TComponent* FindComponent(const std::string& name) const;

  unsigned ComponentState() const { return state_; }
  bool IsLoading() const { return (state_ & csLoading) != 0; }
  bool IsDestroying() const { return (state_ & csDestroying) != 0; }

  // Marks this component and everything it owns as loading; a component
  // created while its owner is loading starts loading as well.
  void BeginLoading();
  // Clears the loading state and calls Loaded() on this component and then
  // on every owned component in creation order.
  void EndLoading();

  // Asks to be told (through Notification) when other is destroyed.
  void FreeNotification(TComponent* other);
  void RemoveFreeNotification(TComponent* other);

 protected:
  virtual void Loaded() {}
  virtual void Notification(TComponent* component, TComponentOperation operation);

 private:
  void Insert(TComponent* c);
  void Remove(TComponent* c);

  std::string name_;
  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> free_notifies_;
  unsigned state_ = 0;
};

}  // namespace bitcalc::framework
