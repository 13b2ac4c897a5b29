#include "widgets/trackbar/track_bar_geometry.h"

#include <algorithm>
#include <cstdint>

#include "framework/values/rounding.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

// The geometry is worked out across and along the track and turned into
// rectangles at the end: across is x in vertical orientation, y otherwise.
TRect Make(const TTrackLayout& l, int across0, int along0, int across1, int along1) {
  return l.Vertical() ? TRect{across0, along0, across1, along1}
                      : TRect{along0, across0, along1, across1};
}
int Across0(const TTrackLayout& l, const TRect& r) {
  return l.Vertical() ? r.Left : r.Top;
}
int Across1(const TTrackLayout& l, const TRect& r) {
  return l.Vertical() ? r.Right : r.Bottom;
}
int Along0(const TTrackLayout& l, const TRect& r) {
  return l.Vertical() ? r.Top : r.Left;
}
int Along1(const TTrackLayout& l, const TRect& r) {
  return l.Vertical() ? r.Bottom : r.Right;
}

bool HasTopLeftTicks(const TTrackLayout& l) {
  return l.TickStyle != tsNone && l.TickPosition != tmBottomRight;
}

int Span(const TTrackLayout& l) {
  return l.Max - l.Min;
}

int Travel(const TTrackLayout& l) {
  const TRect t = TrackRect(l);
  return Along1(l, t) - Along0(l, t) - l.ThumbWidth;
}

// Half the thumb keeps the first and last tick level with the thumb's centre.
int HalfThumb(const TTrackLayout& l) {
  return l.ThumbWidth > 0 ? l.ThumbWidth / 2 : 0;
}

// The buttons sit at the ends of the inner rectangle, centred on the thumb's
// path: the minimum one at the bottom (vertical) or left, the maximum one at
// the other end.
TRect ButtonRect(const TTrackLayout& l, bool maxButton) {
  if (l.ButtonsExtent <= 0) return kNoRect;
  const TRect inner = InnerRect(l);
  const int across0 = Across0(l, ThumbRect(l, l.Min)) + (l.ThumbSize - l.ButtonSize) / 2;
  const int along0 = maxButton == l.Vertical() ? Along0(l, inner) : Along1(l, inner) - l.ButtonSize;
  return Make(l, across0, along0, across0 + l.ButtonSize, along0 + l.ButtonSize);
}

}  // namespace

TRect InnerRect(const TTrackLayout& l) {
  return Rect(0, 0, l.Width, l.Height).Shrunk(kFrameWidth + kTrackMargin);
}

TRect TrackRect(const TTrackLayout& l) {
  const TRect inner = InnerRect(l);
  const int label0 = l.LabelAtStart ? l.LabelExtent : 0;
  const int label1 = l.LabelAtStart ? 0 : l.LabelExtent;
  return Make(l, Across0(l, inner) + l.SliderOffset + label0, Along0(l, inner) + l.ButtonsExtent,
              Across1(l, inner) - label1, Along1(l, inner) - l.ButtonsExtent);
}

TRect SliderRect(const TTrackLayout& l) {
  if (!l.SliderShown) return kNoRect;
  const TRect track = TrackRect(l);
  const int across0 =
      HasTopLeftTicks(l) ? Across1(l, TopLeftTickRect(l)) + l.TickSpacing : Across0(l, track);
  return Make(l, across0, Along0(l, track), across0 + l.SliderSize, Along1(l, track));
}

TRect BottomRightTickRect(const TTrackLayout& l) {
  if (l.TickStyle == tsNone || l.TickPosition == tmTopLeft) return kNoRect;
  const TRect track = TrackRect(l);
  int across0 = Across0(l, track);
  if (l.SliderShown)
    across0 = Across1(l, SliderRect(l)) - (l.SliderBorder3D ? 1 : 0) + l.TickSpacing;
  else if (HasTopLeftTicks(l))
    across0 = Across1(l, TopLeftTickRect(l)) + 2 * l.TickSpacing;
  return Make(l, across0, Along0(l, track) + HalfThumb(l), across0 + l.TickLength,
              Along1(l, track) - HalfThumb(l));
}

TRect TopLeftTickRect(const TTrackLayout& l) {
  if (!HasTopLeftTicks(l)) return kNoRect;
  const TRect track = TrackRect(l);
  return Make(l, Across0(l, track), Along0(l, track) + HalfThumb(l),
              Across0(l, track) + l.TickLength, Along1(l, track) - HalfThumb(l));
}

TRect ThumbRect(const TTrackLayout& l, int position) {
  const TRect track = TrackRect(l);
  int across0, across1;
  if (l.ThumbIsLine) {
    across0 = Across0(l, InnerRect(l));
    across1 = (l.Vertical() ? l.Width : l.Height) - kFrameWidth;
  } else {
    if (l.SliderShown) {
      const TRect s = SliderRect(l);
      across0 = Across0(l, s) + (Across1(l, s) - Across0(l, s)) / 2 - l.ThumbSize / 2;
    } else if (l.TickStyle == tsNone) {
      across0 = Across0(l, track);
    } else if (l.TickPosition == tmBottomRight) {
      across0 = Across0(l, BottomRightTickRect(l));
    } else {
      across0 = Across0(l, TopLeftTickRect(l)) + l.TickSpacing - l.ThumbSize / 2;
    }
    across1 = across0 + l.ThumbSize;
  }
  const int span = Span(l);
  const int offset =
      span > 0 ? int(std::int64_t(Travel(l)) * (std::int64_t(position) - l.Min) / span) : 0;
  if (l.Vertical()) {
    const int bottom = track.Bottom - offset;
    return {across0, bottom - l.ThumbWidth, across1, bottom};
  }
  const int left = track.Left + offset;
  return {left, across0, left + l.ThumbWidth, across1};
}

TRect LabelRect(const TTrackLayout& l) {
  if (l.LabelExtent <= 0) return kNoRect;
  const TRect inner = InnerRect(l);
  const int across0 = l.LabelAtStart ? Across0(l, inner) : Across1(l, inner) - l.LabelExtent;
  return Make(l, across0, Along0(l, inner), across0 + l.LabelExtent, Along1(l, inner));
}

TRect MinButtonRect(const TTrackLayout& l) {
  return ButtonRect(l, false);
}

TRect MaxButtonRect(const TTrackLayout& l) {
  return ButtonRect(l, true);
}

int TickOffset(const TTrackLayout& l, int value) {
  const int span = Span(l);
  if (span <= 0) return 0;
  const double scale = double(Travel(l)) / span;
  return int((double(value) - l.Min) * scale);
}

int DragPosition(const TTrackLayout& l, int x, int y) {
  const TRect track = TrackRect(l);
  const int length = Along1(l, track) - Along0(l, track) - HalfThumb(l);
  if (Span(l) <= 0 || length == 0) return l.Min;
  const double along =
      l.Vertical() ? track.Bottom - HalfThumb(l) - y : x - track.Left - HalfThumb(l);
  return RoundHalfEven(along / length * Span(l) + l.Min);
}

TPoint DragPointFor(const TTrackLayout& l, int value) {
  const TPoint centre = ThumbRect(l, value).Centre();
  const TRect track = TrackRect(l);
  for (int d = 0; d <= Along1(l, track) - Along0(l, track); ++d) {
    for (const int along : {d, -d}) {
      const TPoint p =
          l.Vertical() ? TPoint{centre.X, centre.Y + along} : TPoint{centre.X + along, centre.Y};
      if (DragPosition(l, p.X, p.Y) == value) return p;
    }
  }
  return centre;
}

TRect UnionRect(const TRect& a, const TRect& b) {
  if (a.IsEmpty()) return b;
  if (b.IsEmpty()) return a;
  return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
          std::max(a.Bottom, b.Bottom)};
}

}  // namespace bitcalc::widgets
