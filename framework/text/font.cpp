#include "framework/text/font.h"

#include <QByteArray>
#include <QFile>
#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <tuple>

#include "framework/text/fonts.h"
#include "framework/values/rounding.h"

namespace bitcalc::framework {

namespace {

constexpr int kScreenPpi = 96;
constexpr int kPointsPerInch = 72;

// Height 0 asks for "the default size"; the program's default font is 8
// points, 11 pixels.
constexpr int kDefaultEm = 11;

// Multiplies and divides with a 64-bit intermediate, rounding halves away
// from zero, as the Windows conversion between points and pixels does.
int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const std::int64_t p = std::int64_t(a) * b;
  const bool negative = (p < 0) != (c < 0);
  const std::int64_t q = (std::llabs(p) + std::llabs(c) / 2) / std::llabs(c);
  return int(negative ? -q : q);
}

// The few design values of a face that the Windows metrics are built from,
// in font units.
struct FaceTables {
  bool valid = false;
  int unitsPerEm = 0;
  int winAscent = 0;
  int winDescent = 0;
  int hheaAscender = 0;
  int hheaDescender = 0;
  int hheaLineGap = 0;
  int advanceWidthMax = 0;
  int avgCharWidth = 0;
};

int ReadU16(const QByteArray& table, int offset) {
  const auto* p = reinterpret_cast<const unsigned char*>(table.constData()) + offset;
  return (p[0] << 8) | p[1];
}

int ReadS16(const QByteArray& table, int offset) {
  return std::int16_t(std::uint16_t(ReadU16(table, offset)));
}

qint64 ReadU32(const QByteArray& table, int offset) {
  return (qint64(ReadU16(table, offset)) << 16) | ReadU16(table, offset + 2);
}

// The three tables are read straight from the font file, a few hundred
// bytes: loading the face as Qt does to draw with it would map the file and
// run its hinting program, for a size or style that may never be drawn (a
// font set one attribute at a time passes through several). Only a plain
// TrueType or OpenType file is read; for anything else the tables stay
// unknown.
FaceTables ReadFaceTables(const TFontFile& file) {
  FaceTables t;
  QFile f(file.path);
  if (file.path.isEmpty() || file.index != 0 ||
      !f.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
    return t;
  const auto readAt = [&f](qint64 offset, qint64 size) {
    return f.seek(offset) ? f.read(size) : QByteArray();
  };
  const QByteArray header = readAt(0, 12);
  if (header.size() < 12 || header.startsWith("ttcf")) return t;
  const int count = ReadU16(header, 4);
  const QByteArray directory = readAt(12, 16 * count);
  if (directory.size() < 16 * count) return t;
  QByteArray head, hhea, os2;
  for (int i = 0; i < count; ++i) {
    const QByteArray tag = directory.mid(16 * i, 4);
    QByteArray* table = tag == "head"   ? &head
                        : tag == "hhea" ? &hhea
                        : tag == "OS/2" ? &os2
                                        : nullptr;
    if (table) *table = readAt(ReadU32(directory, 16 * i + 8), ReadU32(directory, 16 * i + 12));
  }
  if (head.size() < 20 || hhea.size() < 12 || os2.size() < 78) return t;
  t.unitsPerEm = ReadU16(head, 18);
  t.hheaAscender = ReadS16(hhea, 4);
  t.hheaDescender = ReadS16(hhea, 6);
  t.hheaLineGap = ReadS16(hhea, 8);
  t.advanceWidthMax = ReadU16(hhea, 10);
  t.avgCharWidth = ReadS16(os2, 2);
  t.winAscent = ReadU16(os2, 74);
  t.winDescent = ReadU16(os2, 76);
  t.valid = t.unitsPerEm > 0 && t.winAscent + t.winDescent > 0;
  return t;
}

// The tables do not depend on the size, so they are read once per face. A
// bold or italic request may be served by another file of the family.
const FaceTables& TablesFor(const std::string& name, TFontStyles style) {
  static std::map<std::tuple<QString, bool, bool>, FaceTables> cache;
  const QString family = ResolveFontFamily(name);
  const bool bold = (style & fsBold) != 0;
  const bool italic = (style & fsItalic) != 0;
  const auto key = std::make_tuple(family, bold, italic);
  auto it = cache.find(key);
  if (it == cache.end())
    it = cache.emplace(key, ReadFaceTables(FontFileFor(family, bold, italic))).first;
  return it->second;
}

}  // namespace

int TFont::Size() const {
  return -MulDiv(height_, kPointsPerInch, kScreenPpi);
}

void TFont::SetSize(int points) {
  SetHeight(-MulDiv(points, kScreenPpi, kPointsPerInch));
}

void TFont::Assign(const TFont& other) {
  if (SameAs(other)) return;
  name_ = other.name_;
  height_ = other.height_;
  style_ = other.style_;
  color_ = other.color_;
  orientation_ = other.orientation_;
  Changed();
}

bool TFont::SameAs(const TFont& other) const {
  return name_ == other.name_ && height_ == other.height_ && style_ == other.style_ &&
         color_ == other.color_ && orientation_ == other.orientation_;
}

int TFont::PixelHeight() const {
  if (height_ < 0) return -height_;
  if (height_ == 0) return kDefaultEm;
  // A positive height is the cell (ascent + descent); the em is the part of
  // it that the design's em square takes up.
  const FaceTables& t = TablesFor(name_, style_);
  if (!t.valid) return height_;
  return std::max(1, RoundHalfEven(double(height_) * t.unitsPerEm / (t.winAscent + t.winDescent)));
}

QFont TFont::ToQFont() const {
  QFont f(ResolveFontFamily(name_));
  f.setPixelSize(PixelHeight());
  f.setBold((style_ & fsBold) != 0);
  f.setItalic((style_ & fsItalic) != 0);
  f.setUnderline((style_ & fsUnderline) != 0);
  f.setStrikeOut((style_ & fsStrikeOut) != 0);
  // Hinting moves advance widths, and the Windows text output neither kerns
  // nor joins letters into ligatures: all three are fixed so that measured and
  // drawn widths agree everywhere. Without shaping, a long text also lays out
  // in about half the time.
  f.setHintingPreference(QFont::PreferFullHinting);
  f.setKerning(false);
  f.setStyleStrategy(QFont::PreferNoShaping);
  return f;
}

// Windows builds the cell from usWinAscent and usWinDescent scaled to the em; the external leading
// is whatever part of the hhea line gap the win values do not already cover. For Tahoma at an
// 11-pixel em (2049 + 423 units of 2048) that is 11 + 2 = 13 pixels with no leading.
TTextMetric TFont::Metrics() const {
  const FaceTables& t = TablesFor(name_, style_);
  TTextMetric m;
  if (!t.valid) {
    const QFontMetrics qm(ToQFont());
    m.Ascent = qm.ascent();
    m.Descent = qm.descent();
    m.Height = m.Ascent + m.Descent;
    m.InternalLeading = std::max(0, m.Height - PixelHeight());
    m.ExternalLeading = std::max(0, qm.leading());
    m.AveCharWidth = qm.averageCharWidth();
    m.MaxCharWidth = qm.maxWidth();
    return m;
  }
  // A cell height keeps its fractional em, so the rounded cell comes back.
  const double em = height_ > 0 ? double(height_) * t.unitsPerEm / (t.winAscent + t.winDescent)
                                : double(PixelHeight());
  const double scale = em / t.unitsPerEm;
  if (height_ > 0) {
    // A cell height is the cell: the em was chosen to give exactly that.
    m.Height = height_;
    m.Ascent = RoundHalfEven(t.winAscent * scale);
    m.Descent = m.Height - m.Ascent;
  } else {
    // Hinting grid-fits the ascender up to the next whole pixel, unless it
    // is already within a sixteenth of one (Tahoma's ascender overshoots its
    // em by a single unit and earns no pixel). Arial's 19-pixel cell is
    // therefore 18 + 4 = 22, as the platform measures it.
    m.Ascent = int(std::ceil(t.winAscent * scale - 1.0 / 16));
    m.Descent = RoundHalfEven(t.winDescent * scale);
    m.Height = m.Ascent + m.Descent;
  }
  m.InternalLeading = std::max(0, m.Height - RoundHalfEven(em));
  const int hheaHeight = t.hheaAscender - t.hheaDescender;
  const int gap = t.hheaLineGap - ((t.winAscent + t.winDescent) - hheaHeight);
  m.ExternalLeading = gap > 0 ? RoundHalfEven(gap * scale) : 0;
  m.AveCharWidth = RoundHalfEven(t.avgCharWidth * scale);
  m.MaxCharWidth = RoundHalfEven(t.advanceWidthMax * scale);
  return m;
}

}  // namespace bitcalc::framework
