#pragma once

#include <cstdint>

#include "framework/controls/control_types.h"

namespace bitcalc::framework {

class TWinControl;

// What a windowed control asks of the window it sits on: the form implements
// it, so controls can move the focus and hand on dialog keys without knowing
// the form itself.
class TDialogHost {
 public:
  // The focused control of the window, or nullptr.
  virtual TWinControl* ActiveControl() const = 0;
  // Moves the focus to the next (or previous) tab stop after current.
  virtual void SelectNext(TWinControl* current, bool forward) = 0;
  // Offers a dialog key (Enter, Escape) to the window's controls; true when
  // one of them acted on it.
  virtual bool DialogKey(std::uint16_t key, TShiftState shift) = 0;

 protected:
  ~TDialogHost() = default;
};

}  // namespace bitcalc::framework
