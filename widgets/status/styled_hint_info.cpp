#include "widgets/status/styled_hint_info.h"

#include "framework/raster/bitmap.h"
#include "framework/raster/image_decode.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {
bool IsWindowsBitmap(const std::string& bytes) {
  return bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
}
}  // namespace

QImage TEncodedPicture::Decode() const {
  return DecodeImage(bytes_);
}

TSize TEncodedPicture::Size() const {
  const QImage image = Decode();
  return {image.width(), image.height()};
}

TSize TEncodedPicture::Draw(TCanvas& canvas, int x, int y) const {
  const QImage image = Decode();
  if (image.isNull()) return {0, 0};
  if (IsWindowsBitmap(bytes_)) {
    TBitmap bitmap;
    bitmap.LoadFromImage(image);
    canvas.DrawTransparent(x, y, bitmap, bitmap.Pixel(0, bitmap.Height() - 1));
  } else {
    canvas.StretchDraw(Rect(x, y, x + image.width(), y + image.height()), image);
  }
  return {image.width(), image.height()};
}

std::string TStyledHintInfo::NotesText() const {
  std::string text;
  for (const std::string& line : Notes) {
    if (&line != &Notes.front()) text += "\r\n";
    text += line;
  }
  return text;
}

void TStyledHintInfo::SetNotesText(const std::string& text) {
  Notes.clear();
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    Notes.push_back(text.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
}

}  // namespace bitcalc::widgets
