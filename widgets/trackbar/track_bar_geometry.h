#pragma once

#include "framework/values/geometry.h"
#include "widgets/trackbar/track_bar_types.h"

namespace bitcalc::widgets {

// A rectangle that holds no point.
inline constexpr framework::TRect kNoRect{-1, -1, -1, -1};

// Inset of the inner rectangle: the frame (1 px) and the track margin (2 px).
inline constexpr int kFrameWidth = 1;
inline constexpr int kTrackMargin = 2;
// Room between a tick and its number.
inline constexpr int kTickTextSpacing = 2;

// Everything the track bar's rectangles depend on. Painting, hit testing and
// partial repaints all work from the same layout, so what is drawn is what
// the mouse finds.
struct TTrackLayout {
  int Width = 0;
  int Height = 0;
  TTrackBarOrientation Orientation = trHorizontal;
  int Min = 0;
  int Max = 10;
  int ThumbWidth = 10;  // along the track
  int ThumbSize = 15;   // across it
  bool ThumbIsLine = false;
  bool SliderShown = true;  // visible and thicker than nothing
  int SliderSize = 2;
  int SliderOffset = 10;
  bool SliderBorder3D = true;
  TTickStyle TickStyle = tsAuto;
  TTickMark TickPosition = tmBottomRight;
  int TickSpacing = 8;
  int TickLength = 4;     // the tick's size, plus its number's room when shown
  int ButtonsExtent = 0;  // room the step buttons take at each end
  int ButtonSize = 0;
  int LabelExtent = 0;  // room the value label takes across the track
  bool LabelAtStart = true;

  bool Vertical() const { return Orientation == trVertical; }
};

// The rectangles, in client coordinates (kNoRect when absent).
framework::TRect InnerRect(const TTrackLayout& l);
framework::TRect TrackRect(const TTrackLayout& l);
framework::TRect SliderRect(const TTrackLayout& l);
framework::TRect BottomRightTickRect(const TTrackLayout& l);
framework::TRect TopLeftTickRect(const TTrackLayout& l);
framework::TRect ThumbRect(const TTrackLayout& l, int position);
framework::TRect LabelRect(const TTrackLayout& l);
framework::TRect MinButtonRect(const TTrackLayout& l);
framework::TRect MaxButtonRect(const TTrackLayout& l);

// How far along the track value lies from Min's end, in whole pixels of the
// floating-point scale that the ticks use (and the track click compares with).
int TickOffset(const TTrackLayout& l, int value);

// The value a thumb dragged to (x, y) stands for, before clamping.
int DragPosition(const TTrackLayout& l, int x, int y);
// A point to drag the thumb to for value (in Min..Max): the one nearest the
// middle of the thumb shown at value where DragPosition gives value.
framework::TPoint DragPointFor(const TTrackLayout& l, int value);

// The smallest rectangle holding both (kNoRect counts as nothing).
framework::TRect UnionRect(const framework::TRect& a, const framework::TRect& b);

}  // namespace bitcalc::widgets
