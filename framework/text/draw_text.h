#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QString>
#include <QStringView>
#include <unordered_map>
#include <utility>
#include <vector>

namespace bitcalc::framework {

// Flags of TCanvas::DrawText, with the values the Windows headers give them.
constexpr unsigned DT_TOP = 0x0000;
constexpr unsigned DT_LEFT = 0x0000;
constexpr unsigned DT_CENTER = 0x0001;
constexpr unsigned DT_RIGHT = 0x0002;
constexpr unsigned DT_VCENTER = 0x0004;  // only with DT_SINGLELINE
constexpr unsigned DT_BOTTOM = 0x0008;   // only with DT_SINGLELINE
constexpr unsigned DT_WORDBREAK = 0x0010;
constexpr unsigned DT_SINGLELINE = 0x0020;
constexpr unsigned DT_EXPANDTABS = 0x0040;
constexpr unsigned DT_NOCLIP = 0x0100;
constexpr unsigned DT_EXTERNALLEADING = 0x0200;
constexpr unsigned DT_CALCRECT = 0x0400;
constexpr unsigned DT_NOPREFIX = 0x0800;
constexpr unsigned DT_PATH_ELLIPSIS = 0x4000;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;

// The advances of text in one font, every character a glyph: a tab is not
// expanded but measured as the font's glyph for it, as the platform's text
// extent does (Qt's own measure would move it to the next tab stop).
//
// A run of ordinary characters is measured as QFontMetrics measures it, but
// as the sum of its characters' advances, each asked of Qt once per font and
// kept in a table all measurers of the font share: laying the run out every
// time costs many times more. The fonts are hinted in full and neither kerned
// nor shaped, so a run is exactly the sum of its characters.
class TTextWidths {
 public:
  explicit TTextWidths(const QFont& font);

  int Of(QStringView text) const;
  const QFontMetrics& Metrics() const { return metrics_; }

 private:
  int Run(QStringView run) const;

  QFontMetrics metrics_;
  QFontMetricsF exact_;
  std::unordered_map<char16_t, int>* advances_;  // in 64ths of a pixel
};

// Measures runs of text in one font. With a tab width, a tab moves to the next
// multiple of that width from the start of the line; without one a tab is an
// ordinary character.
class TTextMeasurer {
 public:
  TTextMeasurer(const TTextWidths& widths, int tabWidth) : widths_(widths), tab_(tabWidth) {}

  // Width of a whole line.
  int Width(QStringView line) const { return OffsetOf(line, int(line.size())); }

  // Distance from the start of the line to the character at index.
  int OffsetOf(QStringView line, int index) const;

  // Width of the single character at index.
  int CharWidth(QStringView line, int index) const;

  // The tab-free pieces of a line with the offset each starts at.
  std::vector<std::pair<int, QStringView>> Segments(QStringView line) const;

 private:
  int Advance(QStringView run) const;

  const TTextWidths& widths_;
  int tab_;
};

// One laid-out line: its visible characters, which of them carry the
// keyboard-prefix underline, and its width.
struct TTextLine {
  QString Text;
  std::vector<int> Underlines;
  int Width = 0;
};

// The characters text shows with its prefixes resolved ('&x' shows x, '&&'
// one '&'), for reading out rather than drawing.
QString StripPrefixes(const QString& text);

// Breaks text into the lines DrawText shows: prefixes resolved ('&x'
// underlines x, '&&' is one '&') unless DT_NOPREFIX; lines split at CR, LF
// and CR LF unless DT_SINGLELINE; words wrapped to maxWidth with
// DT_WORDBREAK (a word wider than the line keeps a line of its own); and each
// line still wider than maxWidth shortened with "..." under DT_END_ELLIPSIS
// or DT_PATH_ELLIPSIS. An empty text has no lines.
std::vector<TTextLine> LayoutDrawText(const QString& text, unsigned flags, int maxWidth,
                                      const TTextMeasurer& measure);

}  // namespace bitcalc::framework
