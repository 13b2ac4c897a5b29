#include "widgets/entry/spin_edit_geometry.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

TRect SpinButtonHostRect(int width, int height, bool sunkenEdge, bool rightToLeft) {
  if (sunkenEdge) {
    const int side = height - 3;
    return rightToLeft ? Bounds(-1, -1, side, side) : Bounds(width - height - 1, -1, side, side);
  }
  return rightToLeft ? Bounds(0, 0, height, height) : Bounds(width - height, 0, height, height);
}

TRect SpinUpDownRect(int clientWidth, int clientHeight, bool rightToLeft) {
  const int left = rightToLeft ? 0 : clientWidth - kSpinUpDownWidth;
  return Bounds(left, 0, kSpinUpDownWidth, clientHeight);
}

TRect SpinTextArea(int clientWidth, int clientHeight, int buttonWidth, bool rightToLeft) {
  if (rightToLeft) return Rect(buttonWidth + 1, 0, clientWidth - 1, clientHeight + 1);
  return Rect(0, 0, clientWidth - buttonWidth - 2, clientHeight + 1);
}

}  // namespace bitcalc::widgets
