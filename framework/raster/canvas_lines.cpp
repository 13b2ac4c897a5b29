#include <QPen>
#include <QPolygon>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <span>

#include "framework/raster/canvas.h"

namespace bitcalc::framework {

namespace {

// On/off run lengths of the one-pixel dashed styles, in pixels along the line.
std::span<const int> DashPattern(TPenStyle style) {
  static constexpr std::array<int, 2> kDash = {18, 6};
  static constexpr std::array<int, 2> kDot = {3, 3};
  static constexpr std::array<int, 4> kDashDot = {9, 6, 3, 6};
  static constexpr std::array<int, 6> kDashDotDot = {9, 3, 3, 3, 3, 3};
  switch (style) {
    case psDash:
      return kDash;
    case psDot:
      return kDot;
    case psDashDot:
      return kDashDot;
    case psDashDotDot:
      return kDashDotDot;
    default:
      return {};
  }
}

// True when the pixel at position pos along a patterned line is "on".
bool PatternOn(std::span<const int> pattern, int pos) {
  int period = 0;
  for (int len : pattern) period += len;
  int offset = pos % period;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (offset < pattern[i]) return i % 2 == 0;
    offset -= pattern[i];
  }
  return false;
}

// Collects pixels into horizontal or vertical runs of one colour, so a line
// goes out as a few rectangles rather than one call per pixel.
class RunPainter {
 public:
  explicit RunPainter(QPainter* p) : p_(p) {}
  ~RunPainter() { Flush(); }

  void Add(TPoint px, const QColor& color) {
    const bool extendsRow = run_.height() == 1 && px.Y == run_.top() &&
                            (px.X == run_.left() - 1 || px.X == run_.right() + 1);
    const bool extendsColumn = run_.width() == 1 && px.X == run_.left() &&
                               (px.Y == run_.top() - 1 || px.Y == run_.bottom() + 1);
    if (!run_.isEmpty() && color == color_ && (extendsRow || extendsColumn)) {
      run_ = run_.united(QRect(px.X, px.Y, 1, 1));
      return;
    }
    Flush();
    run_ = QRect(px.X, px.Y, 1, 1);
    color_ = color;
  }

  void Flush() {
    if (!run_.isEmpty()) p_->fillRect(run_, color_);
    run_ = QRect();
  }

 private:
  QPainter* p_;
  QRect run_;
  QColor color_;
};

}  // namespace

void TCanvas::PaintLinePixels(QPainter* p, const std::vector<TPoint>& pixels, int& patternPos) {
  const QColor ink = ToQColor(pen_.Color());
  const auto pattern = DashPattern(pen_.Style());
  // The gaps of a dashed line take the background colour, which a solid
  // brush sets; with a clear brush they stay untouched.
  const bool fillGaps = !brush_.IsClear();
  const QColor gap = ToQColor(brush_.Color());
  RunPainter runs(p);
  for (const TPoint& px : pixels) {
    if (pattern.empty() || PatternOn(pattern, patternPos))
      runs.Add(px, ink);
    else if (fillGaps)
      runs.Add(px, gap);
    ++patternPos;
  }
}

void TCanvas::PaintSegment(QPainter* p, TPoint from, TPoint to, int& patternPos) {
  // A solid straight segment is a single rectangle: its pixels need no walk.
  if (DashPattern(pen_.Style()).empty() && (from.X == to.X || from.Y == to.Y)) {
    const int length = std::abs(to.X - from.X) + std::abs(to.Y - from.Y);
    if (length == 0) return;
    const QRect run = from.Y == to.Y ? QRect(std::min(from.X, to.X + 1), from.Y, length, 1)
                                     : QRect(from.X, std::min(from.Y, to.Y + 1), 1, length);
    p->fillRect(run, ToQColor(pen_.Color()));
    patternPos += length;
    return;
  }
  PaintLinePixels(p, LinePixels(from, to), patternPos);
}

void TCanvas::WideLines(QPainter* p, const std::vector<TPoint>& points, bool closed) {
  QPolygon polygon;
  for (const TPoint& pt : points) polygon << QPoint(pt.X, pt.Y);
  p->save();
  // Moves the path onto pixel centres, so the stroke spreads evenly to
  // both sides of the pixels the coordinates name.
  p->translate(0.5, 0.5);
  p->setPen(QPen(ToQColor(pen_.Color()), pen_.Width(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p->setBrush(Qt::NoBrush);
  if (closed)
    p->drawPolygon(polygon);
  else
    p->drawPolyline(polygon);
  p->restore();
}

void TCanvas::LineTo(int x, int y) {
  const TPoint from = penPos_;
  penPos_ = {x, y};
  QPainter* p = AcquirePainter();
  if (!p || pen_.IsClear()) return;
  if (pen_.Width() > 1) {
    WideLines(p, {from, penPos_}, false);
    return;
  }
  int patternPos = 0;
  PaintSegment(p, from, penPos_, patternPos);
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
  QPainter* p = AcquirePainter();
  if (!p || pen_.IsClear() || points.size() < 2) return;
  if (pen_.Width() > 1) {
    WideLines(p, points, false);
    return;
  }
  // Each segment leaves out its end, which the next segment starts on; only
  // the last point stays unpainted. The dash pattern runs on across corners.
  int patternPos = 0;
  for (std::size_t i = 0; i + 1 < points.size(); ++i)
    PaintSegment(p, points[i], points[i + 1], patternPos);
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
  QPainter* p = AcquirePainter();
  if (!p || points.size() < 2) return;
  if (!brush_.IsClear() && points.size() >= 3) {
    // Qt's aliased fill takes the pixels whose centres lie inside, which
    // leaves out the right and bottom edges as the Windows fill does.
    QPolygon polygon;
    for (const TPoint& pt : points) polygon << QPoint(pt.X, pt.Y);
    p->save();
    p->setPen(Qt::NoPen);
    p->setBrush(ToQColor(brush_.Color()));
    p->drawPolygon(polygon, Qt::OddEvenFill);
    p->restore();
  }
  if (pen_.IsClear()) return;
  if (pen_.Width() > 1) {
    WideLines(p, points, true);
    return;
  }
  int patternPos = 0;
  for (std::size_t i = 0; i < points.size(); ++i)
    PaintSegment(p, points[i], points[(i + 1) % points.size()], patternPos);
}

}  // namespace bitcalc::framework
