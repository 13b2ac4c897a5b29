#include "framework/raster/image_decode.h"

#include <QBuffer>
#include <QImageReader>
#include <array>

namespace bitcalc::framework {

namespace {

// Only the formats a picture property is expected to hold. Leaving out the
// rest (the text-based XPM/XBM/PPM readers and anything a plugin adds) keeps
// stray bytes from being read as some obscure format.
constexpr std::array<const char*, 5> kAcceptedFormats = {"bmp", "png", "jpeg", "gif", "ico"};

bool IsAccepted(const QByteArray& format) {
  for (const char* accepted : kAcceptedFormats)
    if (format == accepted) return true;
  return false;
}

bool SizeIsSane(QSize size) {
  return size.width() > 0 && size.height() > 0 && size.width() <= kMaxDecodedImageSide &&
         size.height() <= kMaxDecodedImageSide &&
         static_cast<long long>(size.width()) * size.height() <= kMaxDecodedImagePixels;
}

}  // namespace

QImage DecodeImage(const QByteArray& bytes) {
  if (bytes.isEmpty()) return {};
  QBuffer buffer;
  buffer.setData(bytes);
  if (!buffer.open(QIODevice::ReadOnly)) return {};

  const QByteArray format = QImageReader::imageFormat(&buffer);
  if (!IsAccepted(format)) return {};
  buffer.seek(0);

  QImageReader reader(&buffer, format);
  reader.setDecideFormatFromContent(false);
  reader.setAutoTransform(false);
  // The header's claimed size is checked before any pixel memory is taken.
  // A reader that cannot tell its size up front still meets the same test on
  // the decoded image, with Qt's own allocation limit guarding the read.
  const QSize claimed = reader.size();
  if (claimed.isValid() && !SizeIsSane(claimed)) return {};

  QImage image;
  if (!reader.read(&image) || !SizeIsSane(image.size())) return {};
  return image;
}

QImage DecodeImage(const std::string& bytes) {
  return DecodeImage(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

}  // namespace bitcalc::framework
