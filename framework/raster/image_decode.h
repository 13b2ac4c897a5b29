#pragma once

#include <QByteArray>
#include <QImage>
#include <string>

namespace bitcalc::framework {

// Decodes an image file held in memory (Windows bitmap, PNG, JPEG, GIF or
// icon; the format is told from the bytes, not from a name). Pictures come
// from stored properties, so any byte string must be safe here: bytes of no
// accepted format, a header that cannot be read, or a claim of more than
// kMaxDecodedImageSide pixels on a side or kMaxDecodedImagePixels in all give
// a null image. A file cut short inside its pixel data may still decode, with
// the missing part left as the format's reader fills it.
constexpr int kMaxDecodedImageSide = 8192;
constexpr long long kMaxDecodedImagePixels = 16LL * 1024 * 1024;

QImage DecodeImage(const QByteArray& bytes);
QImage DecodeImage(const std::string& bytes);

}  // namespace bitcalc::framework
