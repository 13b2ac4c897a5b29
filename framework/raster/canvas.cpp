#include "framework/raster/canvas.h"

#include <QPaintEngine>
#include <algorithm>
#include <cmath>
#include <utility>

#include "framework/raster/bitmap.h"

namespace bitcalc::framework {

TCanvas::TCanvas() = default;

TCanvas::TCanvas(QPainter* painter) {
  Attach(painter);
}

TCanvas::~TCanvas() = default;

void TCanvas::Attach(QPainter* painter) {
  Detach();
  if (!painter) return;
  painter_ = painter;
  base_ = painter->worldTransform();
  outerClip_.reset();
  if (painter->hasClipping()) outerClip_ = painter->clipRegion();
  clip_.reset();
  penPos_ = {};
  ResetPainterState();
}

void TCanvas::Detach() {
  if (!painter_) return;
  if (clip_) {
    if (outerClip_)
      painter_->setClipRegion(*outerClip_);
    else
      painter_->setClipping(false);
  }
  painter_ = nullptr;
}

void TCanvas::Bind(QPainter* painter) {
  painter_ = painter;
  base_ = painter->worldTransform();
  outerClip_.reset();
  ResetPainterState();
  ApplyClip();
}

void TCanvas::Unbind() {
  painter_ = nullptr;
}

void TCanvas::ResetPainterState() {
  QPainter* p = painter_;
  // Figures are pixel-exact; only glyphs keep the smoothing the font
  // configuration asks for.
  p->setRenderHint(QPainter::Antialiasing, false);
  p->setRenderHint(QPainter::SmoothPixmapTransform, false);
  p->setRenderHint(QPainter::TextAntialiasing, true);
  p->setCompositionMode(QPainter::CompositionMode_SourceOver);
  p->setOpacity(1.0);
  p->setBackgroundMode(Qt::TransparentMode);
  p->setPen(Qt::NoPen);
  p->setBrush(Qt::NoBrush);
  p->setBrushOrigin(0, 0);
  painterHasFont_ = false;
}

void TCanvas::ApplyClip() {
  QPainter* p = painter_;
  if (!p) return;
  if (!clip_) {
    if (outerClip_)
      p->setClipRegion(*outerClip_);
    else
      p->setClipping(false);
    return;
  }
  QRegion region = *clip_;
  if (outerClip_) region &= *outerClip_;
  p->setClipRegion(region);
}

void TCanvas::SetClipRect(const TRect& r) {
  clip_ = QRegion(r.IsEmpty() ? QRect() : r.ToQRect());
  ApplyClip();
}

void TCanvas::IntersectClipRect(const TRect& r) {
  const QRegion rect(r.IsEmpty() ? QRect() : r.ToQRect());
  clip_ = clip_ ? *clip_ & rect : rect;
  ApplyClip();
}

void TCanvas::SelectClipRegion(const QRegion& region) {
  clip_ = region;
  ApplyClip();
}

void TCanvas::RemoveClip() {
  clip_.reset();
  ApplyClip();
}

qreal TCanvas::DevicePixelRatio() const {
  // The engine's device is the real target: the window's backing store, or
  // the image a widget is rendered into; the painter's own device would be
  // the widget in both cases.
  if (painter_ && painter_->paintEngine() && painter_->paintEngine()->paintDevice())
    return painter_->paintEngine()->paintDevice()->devicePixelRatio();
  const QImage* surface = Surface();
  return surface ? surface->devicePixelRatio() : 1.0;
}

const QImage* TCanvas::Surface() const {
  if (!painter_ || !painter_->device() || painter_->device()->devType() != QInternal::Image)
    return nullptr;
  return static_cast<const QImage*>(painter_->device());
}

TColor TCanvas::Pixel(int x, int y) const {
  const QImage* image = Surface();
  if (!image) return clNone;
  if ((clip_ && !clip_->contains(QPoint(x, y))) ||
      (outerClip_ && !outerClip_->contains(QPoint(x, y))))
    return clNone;
  const QPointF mapped = base_.map(QPointF(x, y)) * image->devicePixelRatio();
  const QPoint d(int(std::floor(mapped.x())), int(std::floor(mapped.y())));
  if (!image->valid(d)) return clNone;
  const QRgb c = image->pixel(d);
  return RGB(qRed(c), qGreen(c), qBlue(c));
}

void TCanvas::SetPixel(int x, int y, TColor color) {
  if (QPainter* p = AcquirePainter(); p && color != clNone)
    p->fillRect(QRect(x, y, 1, 1), ToQColor(color));
}

void TCanvas::FillSpans(QPainter* p, const std::vector<TSpan>& spans, const QColor& color) {
  // A span with the extent of one that ended on the row above continues its
  // rectangle, so every straight stretch of a figure's edges goes out as one
  // rectangle, however the spans of a row interleave.
  std::vector<QRect> open;  // rectangles whose last row is the row above
  std::vector<QRect> continued;
  std::size_t i = 0;
  while (i < spans.size()) {
    const int y = spans[i].Y;
    continued.clear();
    for (; i < spans.size() && spans[i].Y == y; ++i) {
      const TSpan& s = spans[i];
      if (s.X1 <= s.X0) continue;
      const auto it = std::find_if(open.begin(), open.end(), [&](const QRect& r) {
        return r.left() == s.X0 && r.right() + 1 == s.X1 && r.bottom() + 1 == y;
      });
      if (it == open.end()) {
        continued.push_back(QRect(s.X0, y, s.X1 - s.X0, 1));
      } else {
        continued.push_back(it->adjusted(0, 0, 0, 1));
        open.erase(it);
      }
    }
    for (const QRect& r : open) p->fillRect(r, color);
    open.swap(continued);
  }
  for (const QRect& r : open) p->fillRect(r, color);
}

void TCanvas::Figure(int left, int top, int right, int bottom, int cornerW, int cornerH) {
  QPainter* p = AcquirePainter();
  if (!p) return;
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  const TRect box{left, top, right, bottom};
  const bool outlined = !pen_.IsClear();
  // Without an outline the figure is the interior alone, which stops one
  // pixel short of the right and bottom edges.
  const TRect inside = outlined ? box : TRect{left, top, right - 1, bottom - 1};
  if (cornerW <= 0 || cornerH <= 0) {
    // Square corners: the fill is one rectangle and the outline at most four.
    if (!brush_.IsClear() && !inside.IsEmpty())
      p->fillRect(inside.ToQRect(), ToQColor(brush_.Color()));
    if (outlined)
      for (const TRect& side : SquareOutline(box, pen_.Width()))
        p->fillRect(side.ToQRect(), ToQColor(pen_.Color()));
    return;
  }
  if (!brush_.IsClear())
    FillSpans(p, RoundRectFill(inside, cornerW, cornerH), ToQColor(brush_.Color()));
  if (outlined)
    FillSpans(p, RoundRectOutline(box, cornerW, cornerH, pen_.Width()), ToQColor(pen_.Color()));
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
  Figure(left, top, right, bottom, 0, 0);
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int cornerW, int cornerH) {
  Figure(left, top, right, bottom, cornerW, cornerH);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
  Figure(left, top, right, bottom, std::abs(right - left), std::abs(bottom - top));
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  QPainter* p = AcquirePainter();
  if (!p || pen_.IsClear()) return;
  const TRect box{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
  const auto outline = RoundRectOutline(box, box.Width(), box.Height(), pen_.Width());
  FillSpans(p, ClipSpansToSweep(outline, box, {x3, y3}, {x4, y4}), ToQColor(pen_.Color()));
}

void TCanvas::FillRect(const TRect& r) {
  QPainter* p = AcquirePainter();
  if (!p || brush_.IsClear() || r.IsEmpty()) return;
  p->fillRect(r.ToQRect(), ToQColor(brush_.Color()));
}

void TCanvas::FrameRect(const TRect& r) {
  QPainter* p = AcquirePainter();
  if (!p || brush_.IsClear() || r.IsEmpty()) return;
  const QColor c = ToQColor(brush_.Color());
  p->fillRect(QRect(r.Left, r.Top, r.Width(), 1), c);
  p->fillRect(QRect(r.Left, r.Bottom - 1, r.Width(), 1), c);
  p->fillRect(QRect(r.Left, r.Top, 1, r.Height()), c);
  p->fillRect(QRect(r.Right - 1, r.Top, 1, r.Height()), c);
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
  if (QPainter* p = AcquirePainter(); p && !bitmap.Empty())
    p->drawImage(QPoint(x, y), bitmap.Image());
}

void TCanvas::CopyRect(const TRect& dest, const TBitmap& bitmap, const TRect& src) {
  QPainter* p = AcquirePainter();
  if (!p || dest.IsEmpty() || src.IsEmpty() || bitmap.Empty()) return;
  // Qt reads the source rectangle in the image's device pixels.
  const qreal ratio = bitmap.DevicePixelRatio();
  const QRectF source(src.Left * ratio, src.Top * ratio, src.Width() * ratio, src.Height() * ratio);
  p->drawImage(QRectF(dest.ToQRect()), bitmap.Image(), source);
}

void TCanvas::DrawTransparent(int x, int y, const TBitmap& bitmap, TColor transparent) {
  QPainter* p = AcquirePainter();
  if (!p || bitmap.Empty()) return;
  if (transparent == clNone) {
    p->drawImage(QPoint(x, y), bitmap.Image());
    return;
  }
  QImage keyed = bitmap.Image().convertToFormat(QImage::Format_ARGB32);
  const QRgb key = ToQColor(transparent).rgb() & 0xFFFFFF;
  for (int row = 0; row < keyed.height(); ++row) {
    auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(row));
    for (int col = 0; col < keyed.width(); ++col)
      if ((line[col] & 0xFFFFFF) == key) line[col] = 0;
  }
  p->drawImage(QPoint(x, y), keyed);
}

void TCanvas::StretchDraw(const TRect& dest, const QImage& image) {
  QPainter* p = AcquirePainter();
  if (!p || dest.IsEmpty() || image.isNull()) return;
  p->drawImage(dest.ToQRect(), image);
}

void TCanvas::TileDraw(const TRect& dest, const QImage& image) {
  QPainter* p = AcquirePainter();
  if (!p || dest.IsEmpty() || image.isNull()) return;
  // A texture brush lets the painter cover only what the clip shows, however
  // large dest is.
  p->setBrushOrigin(dest.Left, dest.Top);
  p->fillRect(dest.ToQRect(), QBrush(image));
  p->setBrushOrigin(0, 0);
}

}  // namespace bitcalc::framework
