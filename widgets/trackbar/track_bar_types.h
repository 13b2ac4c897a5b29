#pragma once

namespace bitcalc::widgets {

enum TTrackBarOrientation { trHorizontal, trVertical };

enum TThumbShape {
  tsPointer,
  tsRectangle,
  tsRoundRect,
  tsRound,
  tsLine,
  tsPointerLeftUp,
  tsPointerRightUp,
  tsTriangle,
  tsTriangleLeft,
  tsTriangleRight,
};

// Which side of the slider carries the tick marks: right (vertical) or
// bottom (horizontal), left or top, or both.
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };

enum TTickStyle { tsNone, tsAuto, tsManual };

enum TLabelPosition {
  lpTopCenter,
  lpTopLeft,
  lpTopRight,
  lpBottomCenter,
  lpBottomLeft,
  lpBottomRight,
};

enum TTrackButtonShape { bsRound, bsRectangle };

// The in-out kinds run from one colour to the other over the first half and
// back over the second.
enum TGradientDirection { gdHorizontal, gdVertical, gdHorizontalInOut, gdVerticalInOut };

enum TGlossGradient { ggRadial, ggVertical, ggDiagonalForward, ggDiagonalBackward };

}  // namespace bitcalc::widgets
