#include "widgets/status/status_bar_geometry.h"

#include <algorithm>
#include <numeric>

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {
int LeftOf(const std::vector<int>& laidOut, int i) {
  return std::accumulate(laidOut.begin(), laidOut.begin() + i, 0);
}
bool IsLast(const std::vector<int>& laidOut, int i) {
  return i == int(laidOut.size()) - 1;
}
}  // namespace

std::vector<int> LaidOutWidths(const std::vector<int>& widths, int barWidth, int stretch) {
  std::vector<int> out = widths;
  if (stretch < 0 || stretch >= int(out.size())) return out;
  const int others = std::accumulate(out.begin(), out.end(), 0) - out[std::size_t(stretch)];
  out[std::size_t(stretch)] = std::max(0, barWidth - others);
  return out;
}

TRect PanelRect(const std::vector<int>& laidOut, int i, int barWidth, int barHeight) {
  const int x = LeftOf(laidOut, i);
  const int right = IsLast(laidOut, i) ? std::max(barWidth - 1, x) : x + laidOut[std::size_t(i)];
  return Rect(x, 1, right, barHeight - 1);
}

TRect PanelPaintRect(const std::vector<int>& laidOut, int i, int barWidth, int barHeight,
                     bool stretched) {
  const int x = LeftOf(laidOut, i);
  TRect p = Rect(x == 0 ? 1 : x, 0, x + laidOut[std::size_t(i)], barHeight - 1);
  if (IsLast(laidOut, i) && !stretched) p.Right = std::max(barWidth, x);
  if (p.Right == barWidth - 1) p.Right = barWidth - 2;
  return p;
}

int PanelAt(const std::vector<int>& laidOut, int x, int barWidth, int barHeight) {
  for (int i = 0; i < int(laidOut.size()); ++i) {
    const TRect r = PanelRect(laidOut, i, barWidth, barHeight);
    if (r.Left <= x && x <= r.Right) return i;
  }
  return -1;
}

}  // namespace bitcalc::widgets
