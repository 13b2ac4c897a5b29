#pragma once

#include "framework/values/color.h"
#include "framework/values/geometry.h"
#include "framework/values/persistent.h"

namespace bitcalc::widgets {

// The small objects the bit widgets' properties are made of. Each one reports
// every change through OnChange; the owning widget binds that to its repaint.
class TBitPersistent : public framework::TPersistent {};

// Margins applied to a rectangle: Left and Top move those edges in, Right and
// Bottom move theirs in from the other side.
class TBitOffset : public TBitPersistent {
 public:
  int Top() const { return top_; }
  int Left() const { return left_; }
  int Right() const { return right_; }
  int Bottom() const { return bottom_; }
  void SetTop(int v) { SetField(top_, v); }
  void SetLeft(int v) { SetField(left_, v); }
  void SetRight(int v) { SetField(right_, v); }
  void SetBottom(int v) { SetField(bottom_, v); }

  framework::TRect Apply(const framework::TRect& r) const {
    return {r.Left + left_, r.Top + top_, r.Right - right_, r.Bottom - bottom_};
  }

 private:
  int top_ = 0;
  int left_ = 0;
  int right_ = 0;
  int bottom_ = 0;
};

enum TGradientStyle {
  gsHorizontal1,
  gsHorizontal2,
  gsHorizontal3,
  gsVertical1,
  gsVertical2,
  gsVertical3,
  gsElliptic1,
  gsElliptic2,
  gsElliptic3,
  gsRectangle,
  gsDiamond1,
  gsDiamond2,
  gsTopLeft,
  gsTopRight,
};

// A gradient fill of a bevel's surface, painted only while Visible.
class TBitGradSettings : public TBitPersistent {
 public:
  framework::TColor ColorFrom() const { return color_from_; }
  framework::TColor ColorTo() const { return color_to_; }
  bool Visible() const { return visible_; }
  TGradientStyle Style() const { return style_; }
  void SetColorFrom(framework::TColor v) { SetField(color_from_, v); }
  void SetColorTo(framework::TColor v) { SetField(color_to_, v); }
  void SetVisible(bool v) { SetField(visible_, v); }
  void SetStyle(TGradientStyle v) { SetField(style_, v); }

 private:
  framework::TColor color_from_ = framework::RGB(226, 226, 226);
  framework::TColor color_to_ = framework::RGB(143, 143, 143);
  bool visible_ = false;
  TGradientStyle style_ = gsHorizontal1;
};

}  // namespace bitcalc::widgets
