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
// The canvas opens a painter on the image the first time it draws and keeps
// it open; reading the image through Image() closes it again, so what is read
// always includes everything drawn so far, and the next drawing call simply
// reopens it (clip and pen position carry over).
class TBitmap : public TObject {
 public:
  TBitmap();
  TBitmap(int width, int height);
  ~TBitmap() override;

  int Width() const { return image_.width(); }
  int Height() const { return image_.height(); }
  bool Empty() const { return image_.isNull(); }

  // Resizes, keeping the pixels that still fit; a size of zero empties it.
  void SetSize(int width, int height);
  void SetWidth(int width) { SetSize(width, Height()); }
  void SetHeight(int height) { SetSize(Width(), height); }

  TCanvas& Canvas();

  // The pixels, with all drawing so far applied.
  const QImage& Image() const;

  // clNone outside the bitmap.
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);

  // Takes a copy of image (any format; alpha is dropped).
  void LoadFromImage(const QImage& image);
  void Assign(const TBitmap& other) { LoadFromImage(other.Image()); }

 private:
  class BitmapCanvas;

  void FinishPainting() const;

  mutable QImage image_;
  std::unique_ptr<BitmapCanvas> canvas_;
};

}  // namespace bitcalc::framework
