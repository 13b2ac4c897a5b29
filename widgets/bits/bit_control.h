#pragma once

#include <cstdint>

#include "framework/controls/graphic_control.h"
#include "widgets/bits/flash_service.h"

namespace bitcalc::widgets {

// How a bit control answers the left mouse button.
enum TMode {
  mButton,       // on while pressed
  mSwitch,       // each press toggles
  mIndicator,    // the mouse changes nothing
  mRadioButton,  // a press makes this control's bit the only one set
};

// Base of the two-state bit widgets. Checked is mirrored in bit StatusBit of
// the 32-bit StatusInt; controls of one owner with the same non-zero
// GroupIndex share one StatusInt. Subclasses paint; the base decides how
// presses change the state and which notifications follow.
class TBitControl : public framework::TGraphicControl, public TFlashTarget {
 public:
  explicit TBitControl(framework::TComponent* owner);
  ~TBitControl() override;

  bool Checked() const { return checked_; }
  void SetChecked(bool v);
  TFlashFreq Frequency() const { return frequency_; }
  void SetFrequency(TFlashFreq v);
  bool Flashing() const { return flashing_; }
  void SetFlashing(bool v);
  std::int32_t StatusInt() const { return status_int_; }
  void SetStatusInt(std::int32_t v);
  int StatusBit() const { return status_bit_; }
  void SetStatusBit(int v);
  int GroupIndex() const { return group_index_; }
  void SetGroupIndex(int v);
  TMode Mode() const { return mode_; }
  void SetMode(TMode v);

  // Raised after Checked or Flashing changed.
  framework::TNotifyEvent OnStatusChanged;
  // Raised after StatusInt changed.
  framework::TNotifyEvent OnStatusIntChanged;

  // The flash service's call: paint one phase of flashing.
  void FlashMessage(bool on) override { FlashPaint(on); }

 protected:
  // Repaint the whole control.
  virtual void Redraw() {}
  // Repaint what depends on Checked only.
  virtual void RedrawState() {}
  virtual void GroupChanged() {}
  virtual void StatusIntChanged() {}
  // Paint the on or off appearance of one flash phase.
  virtual void FlashPaint(bool /*on*/) {}

  void TextChanged() override { Redraw(); }
  void MouseDown(framework::TMouseButton button, framework::TShiftState shift, int x,
                 int y) override;
  void MouseUp(framework::TMouseButton button, framework::TShiftState shift, int x, int y) override;

 private:
  std::uint32_t BitMask() const { return 1u << status_bit_; }
  bool BitOf(std::int32_t word) const { return (std::uint32_t(word) & BitMask()) != 0; }
  void UpdateFlashEntry();
  void AssignToGroup(std::int32_t v);
  static const TBitControl* FirstOfGroup(const framework::TComponent* owner, int group);

  bool checked_ = false;
  TFlashFreq frequency_ = ff1Hz;
  bool flashing_ = false;
  std::int32_t status_int_ = 0;
  int status_bit_ = 0;
  int group_index_ = 0;
  TMode mode_ = mIndicator;
};

}  // namespace bitcalc::widgets
