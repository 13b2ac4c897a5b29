#include "framework/raster/graphics_aa.h"

#include <QPainter>
#include <QPen>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace bitcalc::framework {

namespace {

QPointF ToQt(TGPPointF p) {
  return {p.X, p.Y};
}
QRectF ToQt(const TGPRectF& r) {
  return {r.X, r.Y, r.Width, r.Height};
}

// Maps the unit square onto rect. Gradients are laid out in the unit square
// and stretched with this, which is what keeps them in the rectangle's own
// proportions.
QTransform UnitSquareTo(const TGPRectF& rect) {
  return QTransform(rect.Width, 0, 0, rect.Height, rect.X, rect.Y);
}

}  // namespace

// --- TGPPath ---------------------------------------------------------------

void TGPPath::ContinueFigureAt(QPointF p) {
  if (!figureOpen_) {
    path_.moveTo(p);
    figureOpen_ = true;
  } else if (path_.currentPosition() != p) {
    path_.lineTo(p);
  }
}

void TGPPath::AddLine(double x1, double y1, double x2, double y2) {
  ContinueFigureAt({x1, y1});
  path_.lineTo(x2, y2);
}

void TGPPath::AddLines(const std::vector<TGPPointF>& points) {
  if (points.empty()) return;
  ContinueFigureAt(ToQt(points.front()));
  for (std::size_t i = 1; i < points.size(); ++i) path_.lineTo(ToQt(points[i]));
}

void TGPPath::AddEllipse(double x, double y, double width, double height) {
  path_.addEllipse(QRectF(x, y, width, height));
  figureOpen_ = false;
}

void TGPPath::AddRectangle(const TGPRectF& rect) {
  path_.addRect(ToQt(rect));
  figureOpen_ = false;
}

void TGPPath::CloseFigure() {
  if (!figureOpen_) return;
  path_.closeSubpath();
  figureOpen_ = false;
}

TGPRectF TGPPath::GetBounds() const {
  const QRectF r = path_.boundingRect();
  return {r.x(), r.y(), r.width(), r.height()};
}

// --- Brushes ---------------------------------------------------------------

TGPSolidBrush::TGPSolidBrush(TColor color) {
  brush_ = QBrush(ToQColor(color));
}

TGPLinearGradientBrush::TGPLinearGradientBrush(TGPPointF from, TGPPointF to, TColor fromColor,
                                               TColor toColor)
    : gradient_(ToQt(from), ToQt(to)) {
  gradient_.setColorAt(0, ToQColor(fromColor));
  gradient_.setColorAt(1, ToQColor(toColor));
  gradient_.setSpread(QGradient::RepeatSpread);
  Rebuild();
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& rect, TColor fromColor,
                                               TColor toColor, TGPLinearGradientMode mode) {
  switch (mode) {
    case TGPLinearGradientMode::Horizontal:
      gradient_.setFinalStop(1, 0);
      break;
    case TGPLinearGradientMode::Vertical:
      gradient_.setFinalStop(0, 1);
      break;
    case TGPLinearGradientMode::ForwardDiagonal:
      gradient_.setFinalStop(1, 1);
      break;
    case TGPLinearGradientMode::BackwardDiagonal:
      gradient_.setStart(1, 0);
      gradient_.setFinalStop(0, 1);
      break;
  }
  gradient_.setColorAt(0, ToQColor(fromColor));
  gradient_.setColorAt(1, ToQColor(toColor));
  gradient_.setSpread(QGradient::RepeatSpread);
  transform_ = UnitSquareTo(rect);
  Rebuild();
}

void TGPLinearGradientBrush::SetWrapMode(TGPWrapMode mode) {
  gradient_.setSpread(mode == TGPWrapMode::Tile ? QGradient::RepeatSpread : QGradient::PadSpread);
  Rebuild();
}

void TGPLinearGradientBrush::SetInterpolationColors(const std::vector<TColor>& colors,
                                                    const std::vector<double>& positions) {
  if (colors.size() != positions.size() || colors.size() < 2) return;
  QGradientStops stops;
  for (std::size_t i = 0; i < colors.size(); ++i)
    stops.append({std::clamp(positions[i], 0.0, 1.0), ToQColor(colors[i])});
  gradient_.setStops(stops);
  Rebuild();
}

void TGPLinearGradientBrush::Rebuild() {
  brush_ = QBrush(gradient_);
  brush_.setTransform(transform_);
}

TGPPathGradientBrush::TGPPathGradientBrush(const TGPPath& path) : ellipse_(path.GetBounds()) {
  center_ = {ellipse_.X + ellipse_.Width / 2, ellipse_.Y + ellipse_.Height / 2};
  QPainterPath area;
  area.addEllipse(ToQt(ellipse_));
  area_ = area;
  Rebuild();
}

void TGPPathGradientBrush::SetCenterColor(TColor color) {
  centerColor_ = color;
  Rebuild();
}

void TGPPathGradientBrush::SetSurroundColor(TColor color) {
  surroundColor_ = color;
  Rebuild();
}

void TGPPathGradientBrush::SetCenterPoint(TGPPointF point) {
  center_ = point;
  Rebuild();
}

void TGPPathGradientBrush::Rebuild() {
  // In the unit square the ellipse is the circle of radius 0.5 about
  // (0.5, 0.5); the centre point becomes the radial gradient's focal point,
  // so every ray from it runs from the centre colour to the surround colour
  // at the edge.
  QPointF focal(0.5, 0.5);
  if (ellipse_.Width > 0 && ellipse_.Height > 0) {
    focal = {(center_.X - ellipse_.X) / ellipse_.Width, (center_.Y - ellipse_.Y) / ellipse_.Height};
    const QPointF offset = focal - QPointF(0.5, 0.5);
    const double distance = std::hypot(offset.x(), offset.y());
    if (distance > 0.5) focal = QPointF(0.5, 0.5) + offset * (0.5 / distance);
  }
  QRadialGradient gradient(QPointF(0.5, 0.5), 0.5, focal);
  gradient.setColorAt(0, ToQColor(centerColor_));
  gradient.setColorAt(1, ToQColor(surroundColor_));
  brush_ = QBrush(gradient);
  brush_.setTransform(UnitSquareTo(ellipse_));
}

// --- TGPGraphics -----------------------------------------------------------

TGPGraphics::TGPGraphics(QPainter* painter) : painter_(painter) {
  // One saved level holds the painter as the caller had it; RestartFromBase
  // goes back to it, and the destructor pops it.
  painter_->save();
  painter_->setRenderHint(QPainter::Antialiasing, true);
}

TGPGraphics::~TGPGraphics() {
  painter_->restore();
}

void TGPGraphics::RestartFromBase() {
  painter_->restore();
  painter_->save();
  painter_->setRenderHint(QPainter::Antialiasing, true);
}

void TGPGraphics::SetClip(const TGPPath& path) {
  RestartFromBase();
  painter_->setClipPath(path.QtPath(),
                        painter_->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

void TGPGraphics::ResetClip() {
  RestartFromBase();
}

void TGPGraphics::Fill(const TGPBrush& brush, const QPainterPath& shape) {
  const auto& area = brush.PaintableArea();
  painter_->fillPath(area ? shape.intersected(*area) : shape, brush.QtBrush());
}

void TGPGraphics::FillPath(const TGPBrush& brush, const TGPPath& path) {
  Fill(brush, path.QtPath());
}

void TGPGraphics::FillRectangle(const TGPBrush& brush, const TGPRectF& rect) {
  QPainterPath shape;
  shape.addRect(ToQt(rect));
  Fill(brush, shape);
}

void TGPGraphics::FillEllipse(const TGPBrush& brush, const TGPRectF& rect) {
  QPainterPath shape;
  shape.addEllipse(ToQt(rect));
  Fill(brush, shape);
}

void TGPGraphics::DrawPath(const TGPPen& pen, const TGPPath& path) {
  QPen qpen(ToQColor(pen.Color()), pen.Width(), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
  painter_->strokePath(path.QtPath(), qpen);
}

void TGPGraphics::DrawImage(const QImage& image, double x, double y) {
  if (image.isNull()) return;
  painter_->drawImage(QPointF(x, y), image);
}

}  // namespace bitcalc::framework
