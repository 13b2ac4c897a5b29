#include "framework/raster/image_decode.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QColor>
#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

using namespace bitcalc::framework;

namespace {

QImage SamplePicture() {
  QImage image(23, 17, QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      image.setPixelColor(x, y, QColor(x * 11, y * 15, (x + y) * 5, x == 0 ? 0 : 255));
  return image;
}

QByteArray Encode(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(image.save(&buffer, format)) << format;
  return bytes;
}

// Qt reads GIF but cannot write it, so the fuzz tests start from this 1 x 1
// transparent picture.
const QByteArray kTinyGif(
    "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00!\xf9\x04\x01\x00\x00\x00"
    "\x00,\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02D\x01\x00;",
    43);

// Every well-formed sample file of the formats a picture may hold.
std::vector<QByteArray> SampleFiles() {
  const QImage picture = SamplePicture();
  return {Encode(picture, "PNG"), Encode(picture, "BMP"), Encode(picture, "JPEG"),
          Encode(picture, "ICO"), kTinyGif};
}

void PutLE(QByteArray& b, int at, std::uint32_t v, int size) {
  for (int i = 0; i < size; ++i) b[at + i] = char((v >> (8 * i)) & 0xFF);
}

void PutBE(QByteArray& b, int at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = char((v >> (8 * (3 - i))) & 0xFF);
}

std::uint32_t Crc32(const char* data, int size) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (int i = 0; i < size; ++i) {
    crc ^= std::uint8_t(data[i]);
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

TEST(DecodeImage, PngMadeHereComesBackPixelForPixel) {
  const QImage original = SamplePicture();
  const QImage decoded = DecodeImage(Encode(original, "PNG"));
  ASSERT_FALSE(decoded.isNull());
  ASSERT_EQ(decoded.size(), original.size());
  EXPECT_EQ(decoded.convertToFormat(QImage::Format_ARGB32), original);
  EXPECT_EQ(decoded.pixelColor(0, 5).alpha(), 0);  // transparency kept
}

TEST(DecodeImage, WindowsBitmapFromAStdString) {
  const QImage original = SamplePicture().convertToFormat(QImage::Format_RGB32);
  const QByteArray bmp = Encode(original, "BMP");
  const QImage decoded = DecodeImage(bmp.toStdString());
  ASSERT_EQ(decoded.size(), original.size());
  EXPECT_EQ(decoded.pixelColor(7, 9), original.pixelColor(7, 9));
  EXPECT_EQ(decoded.pixelColor(22, 16), original.pixelColor(22, 16));
}

TEST(DecodeImage, EveryAcceptedFormatDecodes) {
  for (const QByteArray& file : SampleFiles())
    EXPECT_FALSE(DecodeImage(file).isNull()) << file.left(4).toHex().toStdString();
  EXPECT_EQ(DecodeImage(kTinyGif).size(), QSize(1, 1));
}

TEST(DecodeImage, GarbageEmptyAndUnwantedFormatsGiveNull) {
  EXPECT_TRUE(DecodeImage(QByteArray()).isNull());
  EXPECT_TRUE(DecodeImage(std::string("definitely not a picture")).isNull());
  EXPECT_TRUE(DecodeImage(QByteArray(4096, '\xAB')).isNull());
  // A text format Qt can read, but that no picture property holds.
  EXPECT_TRUE(DecodeImage(QByteArray("P1\n2 2\n0 1\n1 0\n")).isNull());
}

TEST(DecodeImage, HugeClaimedSizeGivesNull) {
  // A bitmap header for 60000 x 60000 at 24 bits with no pixel data behind it.
  QByteArray bmp(54, '\0');
  bmp[0] = 'B';
  bmp[1] = 'M';
  PutLE(bmp, 2, 54, 4);
  PutLE(bmp, 10, 54, 4);
  PutLE(bmp, 14, 40, 4);
  PutLE(bmp, 18, 60000, 4);
  PutLE(bmp, 22, 60000, 4);
  PutLE(bmp, 26, 1, 2);
  PutLE(bmp, 28, 24, 2);
  EXPECT_TRUE(DecodeImage(bmp).isNull());

  // A valid PNG whose header is rewritten to claim 40000 x 3 (too wide) and
  // 5000 x 5000 (too many pixels), checksums fixed so the header is believed.
  for (auto [w, h] : {std::array<std::uint32_t, 2>{40000, 3}, {5000, 5000}}) {
    QByteArray png = Encode(SamplePicture(), "PNG");
    PutBE(png, 16, w);
    PutBE(png, 20, h);
    PutBE(png, 29, Crc32(png.constData() + 12, 17));
    EXPECT_TRUE(DecodeImage(png).isNull()) << w << " x " << h;
  }
}

// Fuzz-style: whatever the bytes, decoding returns, and what it returns is
// either null or an image within the size limits. The image readers' own
// complaints about the damage are muted.
class DecodeImageFuzz : public ::testing::Test {
 protected:
  void SetUp() override { previous_ = qInstallMessageHandler(Mute); }
  void TearDown() override { qInstallMessageHandler(previous_); }
  static void Mute(QtMsgType, const QMessageLogContext&, const QString&) {}
  QtMessageHandler previous_ = nullptr;

  void Check(const QByteArray& bytes) {
    const QImage image = DecodeImage(bytes);
    if (image.isNull()) return;
    ++decoded_;
    EXPECT_LE(image.width(), kMaxDecodedImageSide);
    EXPECT_LE(image.height(), kMaxDecodedImageSide);
  }
  std::mt19937 random_{20240611};
  int decoded_ = 0;
};

TEST_F(DecodeImageFuzz, EveryTruncationOfEachFormat) {
  for (const QByteArray& whole : SampleFiles())
    for (qsizetype length = 0; length < whole.size(); ++length) Check(whole.left(length));
  // Cut inside the signature and header, nothing can be decoded.
  const QImage picture = SamplePicture();
  const QByteArray png = Encode(picture, "PNG");
  const QByteArray bmp = Encode(picture, "BMP");
  for (int length = 0; length < 33; ++length) EXPECT_TRUE(DecodeImage(png.left(length)).isNull());
  for (int length = 0; length < 54; ++length) EXPECT_TRUE(DecodeImage(bmp.left(length)).isNull());
}

TEST_F(DecodeImageFuzz, RandomBytesBehindEachSignature) {
  const std::array<QByteArray, 6> signatures = {
      QByteArray(),         QByteArray("\x89PNG\r\n\x1a\n", 8), QByteArray("BM"),
      QByteArray("GIF89a"), QByteArray("\xFF\xD8\xFF", 3),      QByteArray("\0\0\1\0", 4)};
  std::uniform_int_distribution<int> length(0, 400);
  std::uniform_int_distribution<int> byte(0, 255);
  for (const QByteArray& signature : signatures) {
    for (int round = 0; round < 400; ++round) {
      QByteArray bytes = signature;
      for (int n = length(random_); n > 0; --n) bytes.append(char(byte(random_)));
      Check(bytes);
    }
  }
  EXPECT_EQ(decoded_, 0);  // random tails never make a whole picture
}

TEST_F(DecodeImageFuzz, RandomDamageToValidFiles) {
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> flips(1, 8);
  for (const QByteArray& whole : SampleFiles()) {
    std::uniform_int_distribution<qsizetype> where(0, whole.size() - 1);
    for (int round = 0; round < 300; ++round) {
      QByteArray bytes = whole;
      for (int n = flips(random_); n > 0; --n) bytes[where(random_)] = char(byte(random_));
      Check(bytes);
    }
  }
}

}  // namespace
