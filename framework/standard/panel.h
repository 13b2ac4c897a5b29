#pragma once

#include "framework/controls/win_control.h"

namespace bitcalc::framework {

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

// A plain container: filled with Color, framed by an outer and an inner
// bevel with BorderWidth pixels of Color between them, and the caption drawn
// on one line, vertically centred in what the bevels leave.
class TPanel : public TCustomControl {
 public:
  explicit TPanel(TComponent* owner);

  TBevelCut BevelOuter() const { return bevel_outer_; }
  void SetBevelOuter(TBevelCut v);
  TBevelCut BevelInner() const { return bevel_inner_; }
  void SetBevelInner(TBevelCut v);
  // The width of each bevel, at least 1.
  int BevelWidth() const { return bevel_width_; }
  void SetBevelWidth(int v);
  int BorderWidth() const { return border_width_; }
  void SetBorderWidth(int v);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v);

  // What the bevels and the border leave of the client area.
  TRect InnerRect() const;

 protected:
  void Paint() override;

 private:
  TBevelCut bevel_outer_ = bvRaised;
  TBevelCut bevel_inner_ = bvNone;
  int bevel_width_ = 1;
  int border_width_ = 0;
  TAlignment alignment_ = taCenter;
};

}  // namespace bitcalc::framework
