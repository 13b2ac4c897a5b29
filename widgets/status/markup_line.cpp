#include <algorithm>

#include "widgets/status/markup_layout.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

// Text runs are measured and drawn at most this many characters at a time, so
// that no single call has to place a run longer than the painter can
// position. A word longer than that still stays whole on its line: the run
// after a piece does not follow a space.
constexpr std::size_t kMaxRun = 1024;

// A piece of a long run ends before any '&' near its end (with the '&'s
// right before it), so that neither an entity nor a prefix is cut in two.
std::size_t PieceEnd(const std::string& s, std::size_t pos) {
  const std::size_t cut = pos + kMaxRun;
  for (std::size_t i = cut; i > cut - 8; --i) {
    if (s[i - 1] != '&') continue;
    std::size_t start = i - 1;
    while (start > pos && s[start - 1] == '&') --start;
    return start > pos ? start : cut;
  }
  return cut;
}

// Text may start far left of the device and still reach into it; its
// rectangle stays within what the painter can place glyphs at.
TRect DrawRect(long long left, long long top, long long right, long long bottom) {
  auto c = [](long long v) { return int(std::clamp(v, -(1LL << 24), 1LL << 24)); };
  return {c(left), c(top), c(right), c(bottom)};
}

bool OffDevice(long long left, long long right, long long top, long long bottom) {
  return left > kDrawLimit || right < -kDrawLimit || top > kDrawLimit || bottom < -kDrawLimit;
}

}  // namespace

std::size_t TMarkupLayout::ChunkEnd(std::size_t pos, std::size_t end, TMarkupScanner& scan) const {
  const std::size_t lt = std::min(scan.Next('<', pos), end);
  const std::size_t space = wordWrap_ ? std::min(scan.Next(' ', pos), end) : end;
  std::size_t chunkEnd = end;
  if (lt < end && (space == end || space > lt))
    chunkEnd = lt;
  else if (space < end)
    chunkEnd = space + 1;
  return chunkEnd - pos > kMaxRun ? PieceEnd(markup_, pos) : chunkEnd;
}

std::size_t TMarkupLayout::RunLine(TMarkupState& s, TLinePass& p, std::size_t pos, std::size_t end,
                                   TMarkupScanner& scan) {
  p.X = p.Line.Left + s.Offset;
  if (p.Paints && s.ParagraphFill)
    Fill({frame_.Left, p.Line.Top, frame_.Right, p.Line.Top + heights_.H}, s.Background);
  bool lineEnds = false;
  while (pos < end && !lineEnds) {
    const std::size_t chunkEnd = ChunkEnd(pos, end, scan);
    if (chunkEnd > pos) {
      if (!TakeText(s, p, std::string_view(markup_).substr(pos, chunkEnd - pos))) break;
      pos = chunkEnd;
    }
    if (pos >= end || markup_[pos] != '<') continue;
    const std::size_t rest = end - pos;
    if (rest <= 2) {
      pos = end;
      continue;
    }
    const std::size_t close = scan.Next('>', pos);
    const std::size_t tagEnd = close < end ? close + 1 : end;
    const TTagOutcome outcome =
        HandleTag(s, p, TMarkupTag(std::string_view(markup_).substr(pos, tagEnd - pos)), rest);
    if (outcome == toStay) break;
    pos = tagEnd;
    lineEnds = outcome == toEndLine;
  }
  p.W -= p.Trailing;
  if (p.W > widest_) widest_ = p.W + 2;
  return pos;
}

bool TMarkupLayout::TakeText(TMarkupState& s, TLinePass& p, std::string_view raw) {
  const std::string shown = ShowChunk(raw);
  Use(s.Font);
  const TSize extent = Extent(shown, !p.Paints);
  const long long th = extent.cy;
  if (s.Subscript) heights_.Sub = std::max(heights_.Sub, th / 4);
  if (s.Superscript) heights_.Sup = std::max(heights_.Sup, th / 4);
  heights_.H = std::max(heights_.H, th);
  if (s.Hidden) return true;

  const long long cw = extent.cx;
  if (p.Paints) DrawChunk(s, p, shown, cw);
  p.W += cw;
  if (p.Second && !p.Paints && s.InAnchor) {
    // Links are hit-tested from where the text of the line starts.
    const long long x = hitX_ - p.Line.Left;
    if (x >= p.W - cw && x <= p.W) {
      p.HitText = true;
      if (hitY_ > p.Line.Top) p.HitHref = s.Href;
    }
  }
  if (!p.Second && wordWrap_) {
    const long long available = Available(s, p);
    // A word wider than the line is taken anyway, and so is one that
    // continues a word a tag interrupted.
    if (!(p.W < available || cw >= available || !p.EndsWithSpace)) {
      p.W -= cw;
      return false;
    }
  }
  p.EndsWithSpace = raw.back() == ' ';
  p.Trailing = p.EndsWithSpace ? canvas_.TextWidth(" ") : 0;
  p.X += cw;
  return true;
}

void TMarkupLayout::DrawChunk(const TMarkupState& s, const TLinePass& p, const std::string& shown,
                              long long cw) {
  const long long base = Base(p);
  long long bottom = base - heights_.ImgAli;
  if (s.Superscript) bottom -= heights_.Sup;
  if (s.Subscript) bottom += heights_.Sub;
  if (OffDevice(p.X, p.X + cw, p.Line.Top, bottom + 1)) return;
  // Text coloured clNone (a blink phase over a clear brush) is not drawn.
  if (s.Font.Color != clNone) {
    canvas_.Brush().SetStyle(bsClear);
    if (s.Shadow) {
      TRect shadow = DrawRect(p.X + 1, p.Line.Top + 1, p.Line.Right + 1, bottom + 1);
      canvas_.Font().SetColor(clGray);
      canvas_.DrawText(shown, shadow, flags_);
      canvas_.Font().SetColor(s.Font.Color);
    }
    if (s.Background != clNone) {
      canvas_.Brush().SetStyle(bsSolid);
      canvas_.Brush().SetColor(s.Background);
    }
    if (s.Font.Orientation % 3600 != 0) {
      // Turned text stands on the base line, rising from where it starts.
      const TRect at = DrawRect(p.X, bottom, p.X, bottom);
      canvas_.TextOut(at.Left, at.Top, shown);
    } else {
      TRect out = DrawRect(p.X, p.Line.Top, p.Line.Right, bottom);
      canvas_.DrawText(shown, out, flags_);
    }
  }
  if (s.ErrorLine) DrawZigZag(p.X, std::min(p.X + cw, p.Line.Right), base);
}

// A red zig-zag two pixels high along the base line, its phase tied to the
// x position so that neighbouring runs join up.
void TMarkupLayout::DrawZigZag(long long left, long long right, long long base) {
  long long x = left / 2 * 2;
  // Whole periods outside the device are skipped; the phase repeats every 4.
  if (x < -kDrawLimit) x += (-kDrawLimit - x) / 4 * 4;
  right = std::min(right, kDrawLimit);
  if (x >= right || base > kDrawLimit || base < -kDrawLimit) return;
  int phase = x % 4 == 0 ? 2 : 0;
  canvas_.Pen().SetColor(clRed);
  canvas_.Pen().SetWidth(1);
  canvas_.Pen().SetStyle(psSolid);
  canvas_.MoveTo(int(x), int(base + phase - 1));
  for (; x < right; x += 2) {
    phase = 2 - phase;
    canvas_.LineTo(int(x + 2), int(base + phase - 1));
  }
}

}  // namespace bitcalc::widgets
