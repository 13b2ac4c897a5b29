#pragma once

#include <string>
#include <vector>

#include "widgets/bits/bit_switch.h"

namespace bitcalc::widgets {

// Geometry of the button area r of a toggle switch, for the shown state.

// The half of r the lever covers: the upper or left half while on, the
// lower or right half while off.
framework::TRect LeverRect(const framework::TRect& r, bool vertical, bool shown);
// Where the state text is centred: the middle of the half the lever leaves free.
framework::TPoint StateTextCentre(const framework::TRect& r, bool vertical, bool shown);
// The rows (vertical) or columns (horizontal) at which a grip pair starts,
// every 4 pixels across face, the lever's area inside its bevel.
std::vector<int> GripPositions(const framework::TRect& face, bool vertical);

// Painting routines of the button area.
void PaintStateField(framework::TCanvas& canvas, const framework::TRect& r,
                     framework::TColor color);
// The lever's outline and face, then its raised bevel; returns the face left inside.
framework::TRect PaintLever(framework::TCanvas& canvas, const framework::TRect& lever,
                            framework::TColor face, framework::TColor highlight,
                            framework::TColor shadow, int bevelWidth);
void PaintGrips(framework::TCanvas& canvas, const framework::TRect& face, bool vertical,
                framework::TColor highlight, framework::TColor shadow);

// The lever switch of the operand bits: a state-coloured field with the state
// text on one half, the lever on the other. The shown state (Checked XOR
// SwapGraphic) places lever and text; Checked alone picks colour and text.
class TBitToggleSwitch : public TBitSwitch {
 public:
  explicit TBitToggleSwitch(framework::TComponent* owner);

  using TBitSwitch::Orientation;
  using TBitSwitch::SetOrientation;

  bool SwapGraphic() const { return swap_graphic_; }
  void SetSwapGraphic(bool v) { SetAndRedrawState(swap_graphic_, v); }
  const std::string& TextOff() const { return text_off_; }
  void SetTextOff(const std::string& v) { SetAndRedraw(text_off_, v); }
  const std::string& TextOn() const { return text_on_; }
  void SetTextOn(const std::string& v) { SetAndRedraw(text_on_, v); }
  framework::TColor ColorOn() const { return color_on_; }
  void SetColorOn(framework::TColor v) { SetAndRedraw(color_on_, v); }
  framework::TColor ColorOff() const { return color_off_; }
  void SetColorOff(framework::TColor v) { SetAndRedraw(color_off_, v); }

 protected:
  void PaintButton(framework::TCanvas& canvas, const framework::TRect& r, bool vertical,
                   bool shown) override;
  bool ShownState() const override { return Checked() != swap_graphic_; }

 private:
  template <typename T>
  void SetAndRedraw(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Redraw();
  }

  bool swap_graphic_ = false;
  std::string text_off_ = "0";
  std::string text_on_ = "1";
  framework::TColor color_on_ = framework::clLime;
  framework::TColor color_off_ = framework::clRed;
};

}  // namespace bitcalc::widgets
