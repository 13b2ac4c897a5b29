#pragma once

#include <functional>

namespace bitcalc::framework {

// Root of every object that can send an event. Events carry their sender as
// the first argument, so handlers can tell several sources apart.
class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

// Raises an event if a handler is bound.
inline void Notify(const TNotifyEvent& event, TObject* sender) {
  if (event) event(sender);
}

}  // namespace bitcalc::framework
