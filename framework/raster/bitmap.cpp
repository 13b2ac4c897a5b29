#include "framework/raster/bitmap.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

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

TBitmap::TBitmap(int width, int height, qreal devicePixelRatio) : TBitmap() {
  Reallocate(width, height, devicePixelRatio);
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
  Reallocate(width, height, ratio_);
}

void TBitmap::SetDevicePixelRatio(qreal v) {
  Reallocate(width_, height_, v);
}

void TBitmap::Reallocate(int width, int height, qreal ratio) {
  width = std::max(0, width);
  height = std::max(0, height);
  if (!(ratio > 0)) ratio = 1;
  if (width == width_ && height == height_ && ratio == ratio_) return;
  FinishPainting();
  width_ = width;
  height_ = height;
  ratio_ = ratio;
  if (width == 0 || height == 0) {
    image_ = QImage();
    return;
  }
  QImage resized(int(std::ceil(width * ratio)), int(std::ceil(height * ratio)),
                 QImage::Format_RGB32);
  resized.setDevicePixelRatio(ratio);
  resized.fill(Qt::white);
  if (!image_.isNull()) {
    // Both images carry their ratio, so the old picture lands at its size in
    // canvas pixels; no smoothing, so a rescaled pixel stays one colour.
    QPainter p(&resized);
    p.drawImage(QPoint(0, 0), image_);
  }
  image_ = resized;
}

QRect TBitmap::DeviceBlock(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return {};
  const auto first = [this](int v) { return int(std::floor(v * ratio_)); };
  const auto last = [&](int v) { return std::max(first(v), first(v + 1) - 1); };
  return QRect(QPoint(first(x), first(y)), QPoint(last(x), last(y))) & image_.rect();
}

TColor TBitmap::Pixel(int x, int y) const {
  const QImage& image = Image();
  const QRect block = DeviceBlock(x, y);
  if (block.isEmpty()) return clNone;
  const QRgb c = image.pixel(block.topLeft());
  return RGB(qRed(c), qGreen(c), qBlue(c));
}

void TBitmap::SetPixel(int x, int y, TColor color) {
  FinishPainting();
  const QRect block = DeviceBlock(x, y);
  if (block.isEmpty() || color == clNone) return;
  const QRgb c = ToQColor(color).rgb();
  for (int dy = block.top(); dy <= block.bottom(); ++dy)
    for (int dx = block.left(); dx <= block.right(); ++dx) image_.setPixel(dx, dy, c);
}

void TBitmap::LoadFromImage(const QImage& image) {
  FinishPainting();
  if (image.isNull()) {
    image_ = QImage();
    width_ = height_ = 0;
    return;
  }
  // Composed over white, so pixels that were transparent read as white
  // rather than as whatever colour the alpha channel hid.
  QImage opaque(image.size(), QImage::Format_RGB32);
  opaque.setDevicePixelRatio(image.devicePixelRatio());
  opaque.fill(Qt::white);
  QPainter p(&opaque);
  p.drawImage(QPoint(0, 0), image);
  p.end();
  image_ = opaque;
  ratio_ = image.devicePixelRatio();
  width_ = int(std::ceil(image.deviceIndependentSize().width()));
  height_ = int(std::ceil(image.deviceIndependentSize().height()));
}

}  // namespace bitcalc::framework
