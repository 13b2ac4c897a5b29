#include "resources/program_icon.h"

#include <QBuffer>
#include <QByteArray>
#include <QtEndian>
#include <cstdint>
#include <string>

#include "resources/resource_file.h"
#include "resources/resource_image.h"

namespace bitcalc::resources {

namespace {

std::uint32_t Read32(const std::string& b, std::size_t at) {
  return at + 4 <= b.size() ? qFromLittleEndian<std::uint32_t>(b.data() + at) : 0;
}
std::uint16_t Read16(const std::string& b, std::size_t at) {
  return at + 2 <= b.size() ? qFromLittleEndian<std::uint16_t>(b.data() + at) : 0;
}

}  // namespace

// An icon's image is a bitmap without its file header, twice as high as the
// picture: the colour rows, then a one-bit mask. Giving it a file header and
// the true height lets the built-in bitmap reader decode it, so no image
// plugin has to be loaded for one small picture.
QImage ProgramIcon() {
  const std::string ico = ResourceFile("bitcalc.ico");
  if (Read16(ico, 2) != 1 || Read16(ico, 4) < 1) return {};
  const std::uint32_t size = Read32(ico, 6 + 8);
  const std::uint32_t offset = Read32(ico, 6 + 12);
  if (offset >= ico.size() || size > ico.size() - offset) return {};
  std::string dib = ico.substr(offset, size);
  const auto width = std::int32_t(Read32(dib, 4));
  const auto height = std::int32_t(Read32(dib, 8)) / 2;
  const std::uint16_t bits = Read16(dib, 14);
  if (width <= 0 || height <= 0 || width > 256 || height > 256 || bits != 4) return {};
  qToLittleEndian<std::int32_t>(height, dib.data() + 8);
  const std::uint32_t colours = Read32(dib, 32) ? Read32(dib, 32) : 16;
  const std::uint32_t pixelsAt = 14 + Read32(dib, 0) + 4 * colours;
  const std::size_t colourRow = (std::size_t(width) * bits + 31) / 32 * 4;
  const std::size_t maskRow = (std::size_t(width) + 31) / 32 * 4;
  const std::size_t maskAt = pixelsAt - 14 + colourRow * std::size_t(height);
  if (maskAt + maskRow * std::size_t(height) > dib.size()) return {};

  QByteArray file("BM", 2);
  file.append(QByteArray(12, '\0'));
  qToLittleEndian<std::uint32_t>(std::uint32_t(14 + dib.size()), file.data() + 2);
  qToLittleEndian<std::uint32_t>(pixelsAt, file.data() + 10);
  file.append(dib.data(), qsizetype(dib.size()));
  QBuffer buffer(&file);
  buffer.open(QIODevice::ReadOnly);
  QImage image = DecodeBitmap(&buffer).convertToFormat(QImage::Format_ARGB32);
  if (image.isNull()) return {};
  for (int y = 0; y < height; ++y) {
    const char* mask = dib.data() + maskAt + maskRow * std::size_t(height - 1 - y);
    for (int x = 0; x < width; ++x)
      if (mask[x / 8] & (0x80 >> (x % 8))) image.setPixel(x, y, 0);
  }
  return image;
}

}  // namespace bitcalc::resources
