#include "framework/raster/raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace bitcalc::framework {

std::vector<TPoint> LinePixels(TPoint from, TPoint to) {
  std::vector<TPoint> pixels;
  const int dx = std::abs(to.X - from.X);
  const int dy = std::abs(to.Y - from.Y);
  const int sx = to.X >= from.X ? 1 : -1;
  const int sy = to.Y >= from.Y ? 1 : -1;
  const bool xMajor = dx >= dy;
  const int major = xMajor ? dx : dy;
  const int minor = xMajor ? dy : dx;
  pixels.reserve(std::size_t(major));
  int x = from.X;
  int y = from.Y;
  // err > 0 means the ideal line has passed the midpoint to the next minor
  // coordinate; err == 0 is the exact tie and does not step.
  int err = 2 * minor - major;
  for (int i = 0; i < major; ++i) {
    pixels.push_back({x, y});
    if (err > 0) {
      if (xMajor)
        y += sy;
      else
        x += sx;
      err -= 2 * major;
    }
    err += 2 * minor;
    if (xMajor)
      x += sx;
    else
      y += sy;
  }
  return pixels;
}

namespace {

// How many pixels a rounded corner removes from the start of row `row` (0 at
// the top edge) of a box with the given corner ellipse size. Rows are
// symmetric top to bottom, so only the distance from the nearer edge matters.
int CornerInset(int row, int height, int cornerW, int cornerH) {
  if (cornerW <= 0 || cornerH <= 0) return 0;
  const int fromEdge = std::min(row, height - 1 - row);
  const double ry = cornerH / 2.0;
  const double rowCentre = fromEdge + 0.5;
  if (rowCentre >= ry) return 0;  // below the corner: a full row
  const double dy = ry - rowCentre;
  const double rx = cornerW / 2.0;
  const double half = rx * std::sqrt(std::max(0.0, 1.0 - (dy * dy) / (ry * ry)));
  // The first pixel whose centre lies at or inside the curve.
  const double inset = std::ceil(rx - half - 0.5 - 1e-9);
  return std::max(0, int(inset));
}

TRect Grown(const TRect& box, int by) {
  return box.Inflated(by, by);
}

// Row spans of `outer` minus those of `inner` (inner may be empty).
std::vector<TSpan> Subtract(const std::vector<TSpan>& outer, const std::vector<TSpan>& inner) {
  std::vector<TSpan> out;
  std::size_t j = 0;
  for (const TSpan& s : outer) {
    while (j < inner.size() && inner[j].Y < s.Y) ++j;
    if (j < inner.size() && inner[j].Y == s.Y && inner[j].X0 < inner[j].X1) {
      const TSpan& in = inner[j];
      if (in.X0 > s.X0) out.push_back({s.Y, s.X0, std::min(in.X0, s.X1)});
      if (in.X1 < s.X1) out.push_back({s.Y, std::max(in.X1, s.X0), s.X1});
    } else {
      out.push_back(s);
    }
  }
  return out;
}

}  // namespace

std::vector<TSpan> RoundRectFill(const TRect& box, int cornerW, int cornerH) {
  std::vector<TSpan> spans;
  if (box.IsEmpty()) return spans;
  const int w = std::min(cornerW, box.Width());
  const int h = std::min(cornerH, box.Height());
  spans.reserve(std::size_t(box.Height()));
  for (int row = 0; row < box.Height(); ++row) {
    const int inset = std::min(CornerInset(row, box.Height(), w, h), (box.Width() - 1) / 2);
    spans.push_back({box.Top + row, box.Left + inset, box.Right - inset});
  }
  return spans;
}

std::vector<TSpan> RoundRectOutline(const TRect& box, int cornerW, int cornerH, int width) {
  if (width > 1) {
    const TRect outer = Grown(box, (width - 1) / 2);
    const int grow = outer.Width() - box.Width();
    const TRect inner = outer.Shrunk(width);
    const int shrink = 2 * width;
    const auto outerFill =
        RoundRectFill(outer, cornerW > 0 ? cornerW + grow : 0, cornerH > 0 ? cornerH + grow : 0);
    const auto innerFill = inner.IsEmpty()
                               ? std::vector<TSpan>{}
                               : RoundRectFill(inner, std::max(0, cornerW + grow - shrink),
                                               std::max(0, cornerH + grow - shrink));
    return Subtract(outerFill, innerFill);
  }
  const auto fill = RoundRectFill(box, cornerW, cornerH);
  std::vector<TSpan> out;
  const int n = int(fill.size());
  for (int i = 0; i < n; ++i) {
    const TSpan& s = fill[std::size_t(i)];
    // A row's border reaches inwards until it meets the diagonal neighbour
    // of the nearer row above or below; the first and last rows are border
    // along their whole length.
    int leftEnd = s.X1;  // exclusive end of the left run
    int rightStart = s.X0;
    if (i > 0 && i < n - 1) {
      const TSpan& up = fill[std::size_t(i) - 1];
      const TSpan& down = fill[std::size_t(i) + 1];
      leftEnd = std::clamp(std::max(up.X0, down.X0), s.X0 + 1, s.X1);
      rightStart = std::clamp(std::min(up.X1, down.X1), s.X0, s.X1 - 1);
    }
    if (leftEnd >= rightStart) {
      out.push_back({s.Y, s.X0, s.X1});
    } else {
      out.push_back({s.Y, s.X0, leftEnd});
      out.push_back({s.Y, rightStart, s.X1});
    }
  }
  return out;
}

std::vector<TRect> SquareOutline(const TRect& box, int width) {
  const TRect outer = Grown(box, (width - 1) / 2);
  if (outer.IsEmpty()) return {};
  const TRect hole = outer.Shrunk(width);
  if (hole.IsEmpty()) return {outer};
  return {{outer.Left, outer.Top, outer.Right, hole.Top},
          {outer.Left, hole.Bottom, outer.Right, outer.Bottom},
          {outer.Left, hole.Top, hole.Left, hole.Bottom},
          {hole.Right, hole.Top, outer.Right, hole.Bottom}};
}

namespace {

// A direction from the centre of a box, in half pixels and with y growing
// upwards, so that pixel centres and whole points are both exact.
struct Direction {
  long long x = 0;
  long long y = 0;
};

// Whether a's angle, counter-clockwise from the positive x axis in [0, 2 pi),
// is no larger than b's. Exact, where an angle from atan2 would round.
bool NotAfter(Direction a, Direction b) {
  const auto lowerHalf = [](Direction d) { return d.y < 0 || (d.y == 0 && d.x < 0); };
  if (lowerHalf(a) != lowerHalf(b)) return lowerHalf(b);
  return a.x * b.y - a.y * b.x >= 0;
}

}  // namespace

std::vector<TSpan> ClipSpansToSweep(const std::vector<TSpan>& spans, const TRect& box, TPoint start,
                                    TPoint end) {
  // A point on the centre itself lies at angle 0.
  const auto towards = [&](long long x2, long long y2) {
    const Direction d{x2 - (box.Left + box.Right), (box.Top + box.Bottom) - y2};
    return d.x == 0 && d.y == 0 ? Direction{1, 0} : d;
  };
  const Direction from = towards(2LL * start.X, 2LL * start.Y);
  const Direction to = towards(2LL * end.X, 2LL * end.Y);
  if (NotAfter(from, to) && NotAfter(to, from)) return spans;
  // Measured from `from`, a direction of a smaller angle comes round after a
  // full turn: the sweep holds p when p comes round no later than `to`.
  const bool toWraps = !NotAfter(from, to);
  const auto swept = [&](Direction p) {
    const bool wraps = !NotAfter(from, p);
    return wraps != toWraps ? !wraps : NotAfter(p, to);
  };
  std::vector<TSpan> out;
  for (const TSpan& s : spans) {
    int runStart = 0;
    bool inRun = false;
    for (int x = s.X0; x <= s.X1; ++x) {
      const bool inside = x < s.X1 && swept(towards(2LL * x + 1, 2LL * s.Y + 1));
      if (inside && !inRun) runStart = x;
      if (!inside && inRun) out.push_back({s.Y, runStart, x});
      inRun = inside;
    }
  }
  return out;
}

}  // namespace bitcalc::framework
