#pragma once

#include "framework/values/object.h"

namespace bitcalc::framework {

// A sub-object that makes up part of a component's appearance (font, pen,
// brush, bevel …). It reports every change through OnChange so the owning
// component can repaint.
class TPersistent : public TObject {
 public:
  TNotifyEvent OnChange;

  // Raises OnChange with this object as sender.
  virtual void Changed() { Notify(OnChange, this); }

 protected:
  // Stores value into field when it differs and reports the change.
  template <typename T>
  void SetField(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Changed();
  }
};

}  // namespace bitcalc::framework
