#pragma once

#include "framework/raster/canvas.h"
#include "widgets/trackbar/track_bar_types.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

// The track bar's own colour and gradient routines.

// A one-pixel line in the pen's colour from (x1, y1) up to, not including, (x2, y2).
void DrawLine(TCanvas& canvas, int x1, int y1, int x2, int y2);

// c1 weighted by percent against c2, per channel, rounded halves to even:
// 100 or more gives c1, 0 or less gives c2.
TColor BlendColors(TColor c1, TColor c2, int percent);

// A stepped gradient in Steps bands from `from` towards `to` (which the last
// band stops one step short of), across r when horizontal, else down it.
// Bands are one pixel longer than their spacing, so neighbours overlap and
// the later one wins.
void DrawStepGradient(TCanvas& canvas, TColor from, TColor to, int steps, const TRect& r,
                      bool horizontal);

// DrawStepGradient by direction; the in-out kinds paint the second half
// starting one pixel early, so the two halves share their middle line.
void DrawDirectedGradient(TCanvas& canvas, TColor from, TColor to, TGradientDirection direction,
                          const TRect& r, int steps);

// An engraved groove: outer left and top edges and an inner right and bottom
// edge in dark, the opposite edges in light.
void Draw3DFrame(TCanvas& canvas, const TRect& r, TColor dark, TColor light);

}  // namespace bitcalc::widgets
