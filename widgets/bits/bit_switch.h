#pragma once

#include "widgets/bits/bit_control.h"
#include "widgets/bits/bit_sbevel.h"

namespace bitcalc::widgets {

enum TBtnOrientation { boHorizontal, boVertical };

// Whether a press at (x, y) on a width x height switch lands in the half the
// lever leaves free: the lower or right half while the shown state is on, the
// upper or left half while it is off. The middle line belongs to neither.
bool PressInFreeHalf(int width, int height, bool vertical, bool shown, int x, int y);
// The middle of that free half: where a click flips the switch.
framework::TPoint FreeHalfCentre(int width, int height, bool vertical, bool shown);

// A bit control in a recessed slot with a lever that covers one half of its
// button area. Presses on the lever are dropped; a press on the free half
// goes to the base's press handling (a toggle in mSwitch).
class TBitSwitch : public TBitControl {
 public:
  explicit TBitSwitch(framework::TComponent* owner);

  TBitSBevel& BevelOuter() { return bevel_outer_; }
  const TBitSBevel& BevelOuter() const { return bevel_outer_; }
  framework::TColor BtnColorShadow() const { return btn_color_shadow_; }
  void SetBtnColorShadow(framework::TColor v) { SetAndRedrawState(btn_color_shadow_, v); }
  framework::TColor BtnColorHighlight() const { return btn_color_highlight_; }
  void SetBtnColorHighlight(framework::TColor v) { SetAndRedrawState(btn_color_highlight_, v); }
  framework::TColor BtnColorFace() const { return btn_color_face_; }
  void SetBtnColorFace(framework::TColor v) { SetAndRedrawState(btn_color_face_, v); }
  int BtnBevelWidth() const { return btn_bevel_width_; }
  void SetBtnBevelWidth(int v);

  // The area inside the bevel, as the last full paint placed it (empty
  // before the first one).
  const framework::TRect& ContentRect() const { return content_rect_; }

  // A check box a click on the free half toggles.
  QAccessibleInterface* CreateAccessible() override;

 protected:
  TBtnOrientation Orientation() const { return orientation_; }
  void SetOrientation(TBtnOrientation v);

  // Paints the button area r (of an off-screen bitmap) for the shown state.
  virtual void PaintButton(framework::TCanvas& /*canvas*/, const framework::TRect& /*r*/,
                           bool /*vertical*/, bool /*shown*/) {}
  // The state the lever shows; Checked unless a subclass swaps the picture.
  virtual bool ShownState() const { return Checked(); }

  template <typename T>
  void SetAndRedrawState(T& field, const T& value) {
    if (field == value) return;
    field = value;
    RedrawState();
  }

  void Paint() override;
  void Redraw() override { Repaint(); }
  void RedrawState() override;
  void MouseDown(framework::TMouseButton button, framework::TShiftState shift, int x,
                 int y) override;

 private:
  TBtnOrientation orientation_ = boVertical;
  TBitSBevel bevel_outer_;
  framework::TColor btn_color_shadow_ = framework::clBtnShadow;
  framework::TColor btn_color_highlight_ = framework::clBtnHighlight;
  framework::TColor btn_color_face_ = framework::clBtnFace;
  int btn_bevel_width_ = 2;
  framework::TRect content_rect_;
  bool vertical_ = true;
};

}  // namespace bitcalc::widgets
