#pragma once

#include <QImage>
#include <memory>

#include "framework/raster/canvas.h"
#include "framework/values/color.h"
#include "framework/values/object.h"

namespace bitcalc::framework {

// An off-screen picture with its own canvas. The pixels live in a 32-bit RGB
// image; a new or enlarged area starts white.
//
// Sizes and coordinates are in canvas pixels. At a device pixel ratio above 1
// (a buffer for a high-density screen) each canvas pixel is that many device
// pixels across, so what is drawn keeps the target's full resolution and the
// bitmap goes onto such a target one to one.
//
// The canvas opens a painter on the image the first time it draws and keeps
// it open; reading the image through Image() closes it again, so what is read
// always includes everything drawn so far, and the next drawing call simply
// reopens it (clip and pen position carry over).
class TBitmap : public TObject {
 public:
  TBitmap();
  TBitmap(int width, int height, qreal devicePixelRatio = 1);
  ~TBitmap() override;

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return image_.isNull(); }

  // Resizes, keeping the pixels that still fit; a size of zero empties it.
  void SetSize(int width, int height);
  // Device pixels per canvas pixel; a change keeps the picture, rescaled.
  qreal DevicePixelRatio() const { return ratio_; }
  void SetDevicePixelRatio(qreal v);
  void SetWidth(int width) { SetSize(width, Height()); }
  void SetHeight(int height) { SetSize(Width(), height); }

  TCanvas& Canvas();

  // The pixels, with all drawing so far applied.
  const QImage& Image() const;

  // clNone outside the bitmap.
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);

  // Takes a copy of image (any format; alpha is dropped) with its device
  // pixel ratio.
  void LoadFromImage(const QImage& image);
  void Assign(const TBitmap& other) { LoadFromImage(other.Image()); }

 private:
  class BitmapCanvas;

  void FinishPainting() const;
  void Reallocate(int width, int height, qreal ratio);
  // The device pixels of canvas pixel (x, y); empty outside the bitmap.
  QRect DeviceBlock(int x, int y) const;

  mutable QImage image_;
  int width_ = 0;
  int height_ = 0;
  qreal ratio_ = 1;
  std::unique_ptr<BitmapCanvas> canvas_;
};

}  // namespace bitcalc::framework
