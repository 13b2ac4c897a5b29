#pragma once

#include <QBrush>
#include <QImage>
#include <QPainterPath>
#include <optional>
#include <vector>

#include "framework/values/color.h"

class QPainter;

namespace bitcalc::framework {

// The anti-aliased drawing layer that sits beside the integer canvas. It is
// used where shapes need smooth edges and true gradients (the track bar's
// glossy thumb, pictures in styled hints); everything else goes through
// TCanvas and its exact pixel rules.
//
// Coordinates are floating point. A pixel (x, y) covers the square from
// (x, y) to (x + 1, y + 1), as on the integer canvas, so a rectangle with whole
// coordinates fills exactly the same pixels that TCanvas would.

struct TGPPointF {
  double X = 0;
  double Y = 0;
};

struct TGPRectF {
  double X = 0;
  double Y = 0;
  double Width = 0;
  double Height = 0;
};

// A sequence of figures. Lines added one after another join into one open
// figure (the end of one is connected to the start of the next) until
// CloseFigure; ellipses and rectangles are closed figures of their own.
// Overlapping figures are filled by the even-odd rule, so an ellipse inside
// a rectangle cuts a hole.
class TGPPath {
 public:
  void AddLine(double x1, double y1, double x2, double y2);
  void AddLines(const std::vector<TGPPointF>& points);
  void AddEllipse(double x, double y, double width, double height);
  void AddRectangle(const TGPRectF& rect);
  void CloseFigure();

  TGPRectF GetBounds() const;
  const QPainterPath& QtPath() const { return path_; }

 private:
  void ContinueFigureAt(QPointF p);

  QPainterPath path_;
  bool figureOpen_ = false;
};

class TGPPen {
 public:
  explicit TGPPen(TColor color, double width = 1.0) : color_(color), width_(width) {}
  TColor Color() const { return color_; }
  double Width() const { return width_; }

 private:
  TColor color_;
  double width_;
};

// Base of the brushes. Each keeps the ready-made Qt brush; a brush may also
// limit the area it paints (a path gradient paints only inside its ellipse).
class TGPBrush {
 public:
  virtual ~TGPBrush() = default;
  const QBrush& QtBrush() const { return brush_; }
  const std::optional<QPainterPath>& PaintableArea() const { return area_; }

 protected:
  QBrush brush_;
  std::optional<QPainterPath> area_;
};

class TGPSolidBrush : public TGPBrush {
 public:
  explicit TGPSolidBrush(TColor color);
};

enum class TGPLinearGradientMode {
  Horizontal,        // left edge → right edge
  Vertical,          // top edge → bottom edge
  ForwardDiagonal,   // top-left corner → bottom-right corner
  BackwardDiagonal,  // top-right corner → bottom-left corner
};

// What a gradient does beyond its end points: Tile starts it again, Clamp
// keeps the end colours.
enum class TGPWrapMode { Tile, Clamp };

// A two-colour linear gradient, by default tiled.
//
// Built from a rectangle and a mode, the gradient is laid out in the
// rectangle's own proportions: for a diagonal mode the colour is constant
// along lines parallel to the other diagonal, so the two remaining corners
// both take the middle colour whatever the rectangle's aspect.
class TGPLinearGradientBrush : public TGPBrush {
 public:
  TGPLinearGradientBrush(TGPPointF from, TGPPointF to, TColor fromColor, TColor toColor);
  TGPLinearGradientBrush(const TGPRectF& rect, TColor fromColor, TColor toColor,
                         TGPLinearGradientMode mode);

  void SetWrapMode(TGPWrapMode mode);
  // Replaces the two colours by colours[i] at positions[i] (0 = start,
  // 1 = end, ascending). Lists of different lengths or shorter than two
  // leave the brush unchanged.
  void SetInterpolationColors(const std::vector<TColor>& colors,
                              const std::vector<double>& positions);

 private:
  void Rebuild();

  QLinearGradient gradient_;
  QTransform transform_;
};

// A gradient that runs from a centre point out to the edge of an ellipse:
// the ellipse inscribed in the bounds of the path it is made from. It paints
// only inside that ellipse; whatever lies outside is left as it was.
class TGPPathGradientBrush : public TGPBrush {
 public:
  explicit TGPPathGradientBrush(const TGPPath& path);

  void SetCenterColor(TColor color);
  void SetSurroundColor(TColor color);
  // Defaults to the centre of the ellipse. Points outside the ellipse are
  // brought onto its edge.
  void SetCenterPoint(TGPPointF point);

 private:
  void Rebuild();

  TGPRectF ellipse_;
  TGPPointF center_;
  TColor centerColor_ = clWhite;
  TColor surroundColor_ = clWhite;
};

// A drawing surface on an existing painter. It draws with anti-aliasing and
// leaves the painter as it found it when destroyed. Its clip works inside the
// painter's own clip: SetClip narrows what the painter was already limited to
// and ResetClip returns to that, never beyond it.
class TGPGraphics {
 public:
  explicit TGPGraphics(QPainter* painter);
  ~TGPGraphics();
  TGPGraphics(const TGPGraphics&) = delete;
  TGPGraphics& operator=(const TGPGraphics&) = delete;

  void SetClip(const TGPPath& path);
  void ResetClip();

  void FillPath(const TGPBrush& brush, const TGPPath& path);
  void FillRectangle(const TGPBrush& brush, const TGPRectF& rect);
  void FillEllipse(const TGPBrush& brush, const TGPRectF& rect);
  void DrawPath(const TGPPen& pen, const TGPPath& path);
  // Draws the image at its natural size with its own transparency.
  void DrawImage(const QImage& image, double x, double y);

 private:
  void RestartFromBase();
  void Fill(const TGPBrush& brush, const QPainterPath& shape);

  QPainter* painter_;
};

}  // namespace bitcalc::framework
