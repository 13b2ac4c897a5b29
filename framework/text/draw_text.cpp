#include "framework/text/draw_text.h"

#include <algorithm>

namespace bitcalc::framework {

namespace {

const QString kEllipsis = QStringLiteral("...");

struct Prefixed {
  QString text;
  std::vector<int> underlines;
};

// "&x" shows x underlined and "&&" shows one '&'; a '&' with nothing after
// it shows nothing.
Prefixed ResolvePrefixes(const QString& text, bool noPrefix) {
  if (noPrefix) return {text, {}};
  Prefixed out;
  out.text.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] != u'&') {
      out.text += text[i];
      continue;
    }
    if (++i >= text.size()) break;
    if (text[i] != u'&' && text[i] != u'\r' && text[i] != u'\n')
      out.underlines.push_back(int(out.text.size()));
    out.text += text[i];
  }
  return out;
}

TTextLine MakeLine(const Prefixed& source, int start, int length, const TTextMeasurer& m) {
  TTextLine line;
  line.Text = source.text.mid(start, length);
  for (int u : source.underlines)
    if (u >= start && u < start + length) line.Underlines.push_back(u - start);
  line.Width = m.Width(line.Text);
  return line;
}

bool IsBlank(QChar c) {
  return c == u' ';
}

// Greedy word wrap of [start, end) of the source into lines.
void WrapParagraph(const Prefixed& source, int start, int end, int maxWidth, const TTextMeasurer& m,
                   std::vector<TTextLine>& lines) {
  const QString& s = source.text;
  int pos = start;
  do {
    int fit = -1;
    int scan = pos;
    while (scan < end || fit < 0) {
      int next = scan;
      while (next < end && IsBlank(s[next])) ++next;
      while (next < end && !IsBlank(s[next])) ++next;
      if (fit >= 0 && m.Width(QStringView(s).mid(pos, next - pos)) > maxWidth) break;
      fit = next;
      scan = next;
      if (next >= end) break;
    }
    int lineEnd = fit;
    while (lineEnd > pos && IsBlank(s[lineEnd - 1])) --lineEnd;
    lines.push_back(MakeLine(source, pos, lineEnd - pos, m));
    pos = fit;
    while (pos < end && IsBlank(s[pos])) ++pos;  // the break eats the blanks
  } while (pos < end);
}

// The longest prefix of head that, with "..." and tail after it, fits.
int FittingHead(QStringView head, QStringView tail, int maxWidth, const TTextMeasurer& m) {
  int keep = int(head.size());
  while (keep > 0 && m.Width(head.left(keep).toString() + kEllipsis + tail.toString()) > maxWidth)
    --keep;
  return keep;
}

void Ellipsize(TTextLine& line, bool path, int maxWidth, const TTextMeasurer& m) {
  if (line.Width <= maxWidth) return;
  qsizetype split = line.Text.size();
  if (path) {
    // The part after the last separator is the one worth keeping whole.
    const qsizetype sep = std::max(line.Text.lastIndexOf(u'\\'), line.Text.lastIndexOf(u'/'));
    if (sep >= 0) split = sep;
  }
  const QStringView head = QStringView(line.Text).left(split);
  const QStringView tail = QStringView(line.Text).mid(split);
  const int keep = FittingHead(head, tail, maxWidth, m);
  const int shift = int(kEllipsis.size()) - int(split - keep);
  std::vector<int> underlines;
  for (int u : line.Underlines) {
    if (u < keep)
      underlines.push_back(u);
    else if (u >= split)
      underlines.push_back(u + shift);
  }
  line.Text = head.left(keep).toString() + kEllipsis + tail.toString();
  line.Underlines = std::move(underlines);
  line.Width = m.Width(line.Text);
}

}  // namespace

TTextWidths::TTextWidths(const QFont& font) : metrics_(font), exact_(font) {
  struct Hash {
    size_t operator()(const QFont& f) const { return qHash(f); }
  };
  // Never destroyed: a font must not be released after the application,
  // and with it Qt's font cache, has gone.
  static auto& tables = *new std::unordered_map<QFont, std::unordered_map<char16_t, int>, Hash>;
  advances_ = &tables[font];
}

int TTextWidths::Of(QStringView text) const {
  int width = 0;
  qsizetype from = 0;
  for (qsizetype tab = text.indexOf(u'\t'); tab >= 0; tab = text.indexOf(u'\t', from)) {
    width += Run(text.mid(from, tab - from));
    width += metrics_.horizontalAdvance(QChar(u'\t'));
    from = tab + 1;
  }
  return width + Run(text.mid(from));
}

int TTextWidths::Run(QStringView run) const {
  // Qt's measure of a string ends at U+009C, the string terminator.
  if (const qsizetype end = run.indexOf(QChar(0x9C)); end >= 0) run = run.left(end);
  long long fixed = 0;
  for (const QChar c : run) {
    // A character that is not an ordinary printing one (a control
    // character, a soft hyphen, half a surrogate pair) or that takes no room
    // of its own (a combining mark) is left to Qt's measure of the whole run.
    if (!c.isPrint() || c.category() == QChar::Mark_NonSpacing)
      return metrics_.horizontalAdvance(run.toString());
    auto [it, added] = advances_->try_emplace(c.unicode(), 0);
    if (added) it->second = qRound(exact_.horizontalAdvance(c) * 64);
    fixed += it->second;
  }
  // Rounded as Qt rounds the run's width.
  return int((fixed + 32) >> 6);
}

int TTextMeasurer::Advance(QStringView run) const {
  return widths_.Of(run);
}

int TTextMeasurer::OffsetOf(QStringView line, int index) const {
  const QStringView part = line.left(index);
  if (tab_ <= 0) return Advance(part);
  int x = 0;
  qsizetype from = 0;
  for (qsizetype tab = part.indexOf(u'\t'); tab >= 0; tab = part.indexOf(u'\t', from)) {
    x += Advance(part.mid(from, tab - from));
    x = (x / tab_ + 1) * tab_;
    from = tab + 1;
  }
  return x + Advance(part.mid(from));
}

int TTextMeasurer::CharWidth(QStringView line, int index) const {
  if (tab_ > 0 && line[index] == u'\t') return OffsetOf(line, index + 1) - OffsetOf(line, index);
  return Advance(line.mid(index, 1));
}

std::vector<std::pair<int, QStringView>> TTextMeasurer::Segments(QStringView line) const {
  std::vector<std::pair<int, QStringView>> out;
  if (tab_ <= 0) {
    out.emplace_back(0, line);
    return out;
  }
  qsizetype from = 0;
  for (;;) {
    const qsizetype tab = line.indexOf(u'\t', from);
    const QStringView piece = line.mid(from, tab < 0 ? -1 : tab - from);
    if (!piece.isEmpty()) out.emplace_back(OffsetOf(line, int(from)), piece);
    if (tab < 0) break;
    from = tab + 1;
  }
  return out;
}

QString StripPrefixes(const QString& text) {
  return ResolvePrefixes(text, false).text;
}

std::vector<TTextLine> LayoutDrawText(const QString& text, unsigned flags, int maxWidth,
                                      const TTextMeasurer& measure) {
  std::vector<TTextLine> lines;
  if (text.isEmpty()) return lines;
  const Prefixed source = ResolvePrefixes(text, (flags & DT_NOPREFIX) != 0);
  const QString& s = source.text;
  const bool single = (flags & DT_SINGLELINE) != 0;
  const bool wrap = (flags & DT_WORDBREAK) != 0;
  int start = 0;
  for (;;) {
    int end = start;
    while (end < s.size() && (single || (s[end] != u'\r' && s[end] != u'\n'))) ++end;
    if (wrap && end > start)
      WrapParagraph(source, start, end, maxWidth, measure, lines);
    else
      lines.push_back(MakeLine(source, start, end - start, measure));
    if (end >= s.size()) break;
    start = end + (s[end] == u'\r' && end + 1 < s.size() && s[end + 1] == u'\n' ? 2 : 1);
  }
  if (flags & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS)) {
    const bool path = (flags & DT_PATH_ELLIPSIS) != 0;
    for (TTextLine& line : lines) Ellipsize(line, path, maxWidth, measure);
  }
  return lines;
}

}  // namespace bitcalc::framework
