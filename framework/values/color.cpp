#include "framework/values/color.h"

#include <array>

namespace bitcalc::framework {

namespace {

// The standard Windows values of the system colours. They are fixed rather
// than read from the desktop theme so that every machine paints the same
// pixels. Index = the low byte of the system colour constant.
constexpr std::array<TColor, 31> kSystemColors = {
    RGB(200, 200, 200),  //  0 clScrollBar
    RGB(0, 0, 0),        //  1 clBackground
    RGB(153, 180, 209),  //  2 clActiveCaption
    RGB(191, 205, 219),  //  3 clInactiveCaption
    RGB(240, 240, 240),  //  4 clMenu
    RGB(255, 255, 255),  //  5 clWindow
    RGB(100, 100, 100),  //  6 clWindowFrame
    RGB(0, 0, 0),        //  7 clMenuText
    RGB(0, 0, 0),        //  8 clWindowText
    RGB(0, 0, 0),        //  9 clCaptionText
    RGB(180, 180, 180),  // 10 clActiveBorder
    RGB(244, 247, 252),  // 11 clInactiveBorder
    RGB(171, 171, 171),  // 12 clAppWorkSpace
    RGB(0, 120, 215),    // 13 clHighlight
    RGB(255, 255, 255),  // 14 clHighlightText
    RGB(240, 240, 240),  // 15 clBtnFace
    RGB(160, 160, 160),  // 16 clBtnShadow
    RGB(109, 109, 109),  // 17 clGrayText
    RGB(0, 0, 0),        // 18 clBtnText
    RGB(0, 0, 0),        // 19 clInactiveCaptionText
    RGB(255, 255, 255),  // 20 clBtnHighlight
    RGB(105, 105, 105),  // 21 cl3DDkShadow
    RGB(227, 227, 227),  // 22 cl3DLight
    RGB(0, 0, 0),        // 23 clInfoText
    RGB(255, 255, 225),  // 24 clInfoBk
    RGB(0, 0, 0),        // 25 (unused index)
    RGB(0, 102, 204),    // 26 clHotLight
    RGB(185, 209, 234),  // 27 clGradientActiveCaption
    RGB(215, 228, 242),  // 28 clGradientInactiveCaption
    RGB(0, 120, 215),    // 29 clMenuHighlight
    RGB(240, 240, 240),  // 30 clMenuBar
};

}  // namespace

TColor ColorToRGB(TColor c) {
  if (IsSystemColor(c)) {
    const unsigned index = unsigned(c) & 0xFF;
    return index < kSystemColors.size() ? kSystemColors[index] : clBlack;
  }
  return c & 0xFFFFFF;
}

QColor ToQColor(TColor c) {
  const TColor rgb = ColorToRGB(c);
  return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

}  // namespace bitcalc::framework
