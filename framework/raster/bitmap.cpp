#include "framework/raster/bitmap.h"

#include <QPainter>
#include <algorithm>

namespace bitcalc::framework {

// The canvas of a bitmap: it opens its painter on the bitmap's image when a
// drawing call needs one and closes it when the image is read or replaced.
class TBitmap::BitmapCanvas : public TCanvas {
 public:
  explicit BitmapCanvas(QImage& image) : image_(image) {}
  ~BitmapCanvas() override { Close(); }

  void Close() {
    if (!painter_.isActive()) return;
    Unbind();
    painter_.end();
  }

 protected:
  QPainter* AcquirePainter() override {
    if (painter_.isActive()) return &painter_;
    if (image_.isNull() || !painter_.begin(&image_)) return nullptr;
    Bind(&painter_);
    return &painter_;
  }

  const QImage* Surface() const override { return &image_; }

 private:
  QImage& image_;
  QPainter painter_;
};

TBitmap::TBitmap() : canvas_(std::make_unique<BitmapCanvas>(image_)) {}

TBitmap::TBitmap(int width, int height) : TBitmap() {
  SetSize(width, height);
}

TBitmap::~TBitmap() {
  canvas_->Close();
}

void TBitmap::FinishPainting() const {
  canvas_->Close();
}

TCanvas& TBitmap::Canvas() {
  return *canvas_;
}

const QImage& TBitmap::Image() const {
  FinishPainting();
  return image_;
}

void TBitmap::SetSize(int width, int height) {
  width = std::max(0, width);
  height = std::max(0, height);
  if (width == Width() && height == Height()) return;
  FinishPainting();
  if (width == 0 || height == 0) {
    image_ = QImage();
    return;
  }
  QImage resized(width, height, QImage::Format_RGB32);
  resized.fill(Qt::white);
  if (!image_.isNull()) {
    QPainter p(&resized);
    p.drawImage(QPoint(0, 0), image_);
  }
  image_ = resized;
}

TColor TBitmap::Pixel(int x, int y) const {
  const QImage& image = Image();
  if (!image.valid(x, y)) return clNone;
  const QRgb c = image.pixel(x, y);
  return RGB(qRed(c), qGreen(c), qBlue(c));
}

void TBitmap::SetPixel(int x, int y, TColor color) {
  FinishPainting();
  if (image_.valid(x, y) && color != clNone) image_.setPixel(x, y, ToQColor(color).rgb());
}

void TBitmap::LoadFromImage(const QImage& image) {
  FinishPainting();
  if (image.isNull()) {
    image_ = QImage();
    return;
  }
  // Composed over white, so pixels that were transparent read as white
  // rather than as whatever colour the alpha channel hid.
  QImage opaque(image.size(), QImage::Format_RGB32);
  opaque.fill(Qt::white);
  QPainter p(&opaque);
  p.drawImage(QPoint(0, 0), image);
  p.end();
  image_ = opaque;
}

}  // namespace bitcalc::framework
