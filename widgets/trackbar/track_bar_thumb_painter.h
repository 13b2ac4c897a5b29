#pragma once

#include <vector>

#include "framework/raster/canvas.h"
#include "framework/raster/graphics_aa.h"
#include "widgets/trackbar/track_bar_gloss.h"

namespace bitcalc::widgets {

// Band count of the single-gradient thumb fill (upper colours only).
inline constexpr int kThumbGradientSteps = 64;

// The corners of a pointer-shaped thumb in r, in path order: the points face
// across the track, toward the start (left or top) and/or the end (right or
// bottom) side, and each is as long as half the thumb's extent along the track.
std::vector<framework::TPoint> PointerOutline(const framework::TRect& r, bool vertical,
                                              bool startPoint, bool endPoint);

// A rectangle with its corners rounded to radius, as a polygon fine enough to
// clip a thumb or button a few dozen pixels across.
std::vector<framework::TPoint> RoundedOutline(const framework::TRect& r, int radius);

// One part of a glossy fill: a linear gradient from a to b over r, or for
// ggRadial a solid fill with an ellipse glowing toward the top centre (upper
// part) or the bottom centre (lower part).
void FillGlossHalf(framework::TGPGraphics& g, const framework::TRect& r, framework::TColor a,
                   framework::TColor b, TGlossGradient kind, bool isUpper);

// The two-part fill over r: the lower part first, then the upper one, which
// overlap by two rows.
void DrawGloss(framework::TGPGraphics& g, const framework::TRect& r, const TGlossLook& look);

// Fills the shape with corners `outline` (inside r) in look's colours: the
// glossy fill through the anti-aliased layer when both pairs are set, else a
// stepped gradient or a solid fill clipped to the shape.
void FillGlossShape(framework::TCanvas& canvas, const framework::TRect& r,
                    const std::vector<framework::TPoint>& outline, const TGlossLook& look);

// The whole thumb in r: fill and outline of its shape.
void PaintThumbShape(framework::TCanvas& canvas, const framework::TRect& r, TThumbShape shape,
                     bool vertical, TTickMark ticks, const TGlossLook& look);

}  // namespace bitcalc::widgets
