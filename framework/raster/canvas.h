#pragma once

#include <QFont>
#include <QPainter>
#include <QRegion>
#include <QTransform>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/raster/pen_brush.h"
#include "framework/raster/raster.h"
#include "framework/text/draw_text.h"
#include "framework/text/font.h"
#include "framework/values/color.h"
#include "framework/values/geometry.h"
#include "framework/values/object.h"

namespace bitcalc::framework {

class TBitmap;

struct TSize {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

// A drawing surface with the Windows drawing conventions, painted through a
// QPainter it does not own:
// - rectangles cover Left <= x < Right, Top <= y < Bottom;
// - a line leaves out its end point, a polyline only its last point;
// - Rectangle, RoundRect, Ellipse and Polygon outline with the pen and fill
//   with the brush, so a pen and brush of one colour give a solid figure of
//   exactly the rectangle; with a clear pen the fill loses its right column
//   and bottom row, and a clear brush leaves the inside untouched;
// - text is placed by the top-left corner of its cell, and a solid brush
//   paints the cell behind it (a clear brush draws the glyphs alone);
// - figures are never anti-aliased.
// Texts are code page 1250 strings (see text.h).
//
// Coordinates are canvas pixels. On a surface with a device pixel ratio above
// 1 (a high-density screen) the painter scales them, so at a whole ratio
// every figure covers whole blocks of device pixels, exactly as many as it
// covers canvas pixels times the ratio squared, while text is rendered from
// the font at the device resolution.
class TCanvas : public TObject {
 public:
  TCanvas();
  explicit TCanvas(QPainter* painter);
  ~TCanvas() override;

  // Starts drawing through painter: its rendering state is reset, its current
  // transform and clip become the canvas's origin and outer bounds, and the
  // canvas's own clip and pen position start afresh.
  void Attach(QPainter* painter);
  // Stops drawing; the painter's clip is restored as Attach found it.
  void Detach();
  QPainter* Painter() const { return painter_; }
  // Device pixels per canvas pixel on the surface drawn to (1 without one).
  // An off-screen buffer meant for this canvas is made at this ratio.
  qreal DevicePixelRatio() const;

  TPen& Pen() { return pen_; }
  TBrush& Brush() { return brush_; }
  TFont& Font() { return font_; }
  const TPen& Pen() const { return pen_; }
  const TBrush& Brush() const { return brush_; }
  const TFont& Font() const { return font_; }

  // Lines.
  TPoint PenPos() const { return penPos_; }
  void SetPenPos(TPoint p) { penPos_ = p; }
  void MoveTo(int x, int y) { penPos_ = {x, y}; }
  void LineTo(int x, int y);
  void Polyline(const std::vector<TPoint>& points);
  void Polyline(std::initializer_list<TPoint> points) { Polyline(std::vector<TPoint>(points)); }

  // Figures.
  void Polygon(const std::vector<TPoint>& points);
  void Polygon(std::initializer_list<TPoint> points) { Polygon(std::vector<TPoint>(points)); }
  void Rectangle(int left, int top, int right, int bottom);
  void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
  void RoundRect(int left, int top, int right, int bottom, int cornerW, int cornerH);
  void Ellipse(int left, int top, int right, int bottom);
  void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
  // The part of the ellipse in box (x1, y1, x2, y2) running counter-clockwise
  // from the radial through (x3, y3) to the radial through (x4, y4).
  void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void FillRect(const TRect& r);   // the brush over all of r
  void FrameRect(const TRect& r);  // a one-pixel border of r in the brush colour

  // Single pixels. Pixel reads back only from an image surface, and gives
  // clNone outside it or outside the clip.
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);

  // Text.
  void TextOut(int x, int y, const std::string& text);
  // TextOut confined to clip; a solid brush fills all of clip behind it.
  void TextRect(const TRect& clip, int x, int y, const std::string& text);
  int TextWidth(const std::string& text);
  int TextHeight(const std::string& text);
  TSize TextExtent(const std::string& text);
  TTextMetric TextMetrics();
  // Lays text (up to its first code-0 character) out in r by the DT_ flags
  // (draw_text.h) and draws it, or with DT_CALCRECT only moves r's right and
  // bottom edges to fit it. Returns the text's height; with DT_VCENTER or
  // DT_BOTTOM, the distance from r.Top to the bottom of the text.
  int DrawText(const std::string& text, TRect& r, unsigned flags);

  // Clipping, inside whatever clip the painter had when attached.
  void SetClipRect(const TRect& r);
  void IntersectClipRect(const TRect& r);
  void SelectClipRegion(const QRegion& region);
  void RemoveClip();
  bool HasClip() const { return clip_.has_value(); }

  // Bitmaps.
  void Draw(int x, int y, const TBitmap& bitmap);
  // Copies src (in the bitmap's canvas pixels) of bitmap into dest,
  // stretching by pixel repetition when the sizes differ.
  void CopyRect(const TRect& dest, const TBitmap& bitmap, const TRect& src);
  // Draw, leaving out every pixel of the transparent colour.
  void DrawTransparent(int x, int y, const TBitmap& bitmap, TColor transparent);
  // Pictures with an alpha channel (icons), blended by it: one scaled to
  // fill dest, or one repeated across dest from its top-left corner.
  void StretchDraw(const TRect& dest, const QImage& image);
  void TileDraw(const TRect& dest, const QImage& image);

 protected:
  // The painter to draw with, or null when there is none (drawing is then
  // skipped). A canvas that opens its painter on demand overrides this.
  virtual QPainter* AcquirePainter() { return painter_; }
  // The image under the canvas, for reading pixels; null on other surfaces.
  virtual const QImage* Surface() const;
  // Binds a painter without forgetting the canvas's clip and pen position.
  void Bind(QPainter* painter);
  void Unbind();

 private:
  void ResetPainterState();
  void ApplyClip();
  void FillSpans(QPainter* p, const std::vector<TSpan>& spans, const QColor& color);
  void PaintLinePixels(QPainter* p, const std::vector<TPoint>& pixels, int& patternPos);
  // One segment of a one-pixel line, from included to to left out.
  void PaintSegment(QPainter* p, TPoint from, TPoint to, int& patternPos);
  void WideLines(QPainter* p, const std::vector<TPoint>& points, bool closed);
  void Figure(int left, int top, int right, int bottom, int cornerW, int cornerH);
  // The Qt font and metrics for the current Font, rebuilt when it changed.
  const QFont& CurrentQFont();
  const TTextWidths& CurrentWidths();
  void UseFont(QPainter* p);
  // Draws one run with its cell's top-left corner at (x, y) and returns its width.
  int TextRun(QPainter* p, int x, int y, const QString& text, bool opaque);
  void DrawLine(QPainter* p, const TTextLine& line, const TTextMeasurer& m, int x, int y);

  QPainter* painter_ = nullptr;
  TPen pen_;
  TBrush brush_;
  TFont font_;
  TPoint penPos_;

  QTransform base_;                   // the painter's transform at Attach
  std::optional<QRegion> outerClip_;  // the painter's clip at Attach
  std::optional<QRegion> clip_;       // the canvas's own clip

  TFont builtFont_;  // the Font the cached Qt font was built from
  std::unique_ptr<QFont> qfont_;
  std::unique_ptr<TTextWidths> widths_;
  TTextMetric metrics_;
  bool painterHasFont_ = false;
};

}  // namespace bitcalc::framework
