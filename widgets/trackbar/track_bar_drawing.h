#pragma once

#include "framework/raster/canvas.h"
#include "widgets/trackbar/track_bar_types.h"

namespace bitcalc::widgets {

// The track bar's own colour and gradient routines.

// A one-pixel line in the pen's colour from (x1, y1) up to, not including, (x2, y2).
void DrawLine(framework::TCanvas& canvas, int x1, int y1, int x2, int y2);

// c1 weighted by percent against c2, per channel, rounded halves to even:
// 100 or more gives c1, 0 or less gives c2.
framework::TColor BlendColors(framework::TColor c1, framework::TColor c2, int percent);

// A stepped gradient in Steps bands from `from` towards `to` (which the last
// band stops one step short of), across r when horizontal, else down it.
// Bands are one pixel longer than their spacing, so neighbours overlap and
// the later one wins.
void DrawStepGradient(framework::TCanvas& canvas, framework::TColor from, framework::TColor to,
                      int steps, const framework::TRect& r, bool horizontal);

// DrawStepGradient by direction; the in-out kinds paint the second half
// starting one pixel early, so the two halves share their middle line.
void DrawDirectedGradient(framework::TCanvas& canvas, framework::TColor from, framework::TColor to,
                          TGradientDirection direction, const framework::TRect& r, int steps);

// An engraved groove: outer left and top edges and an inner right and bottom
// edge in dark, the opposite edges in light.
void Draw3DFrame(framework::TCanvas& canvas, const framework::TRect& r, framework::TColor dark,
                 framework::TColor light);

}  // namespace bitcalc::widgets
