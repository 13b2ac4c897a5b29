#pragma once

#include "framework/raster/canvas.h"
#include "widgets/status/gloss_background.h"

namespace bitcalc::widgets {

// The status bar's own gradient and colour mixing.

// c1 and c2 mixed p percent to (100 - p): p >= 100 gives c1, p <= 0 gives c2,
// each exactly as given; otherwise system colours are resolved and each
// channel rounds to nearest.
framework::TColor BlendColor(framework::TColor c1, framework::TColor c2, int p);

// n bands from c1 to c2 across r, along y when vertical, else along x. Band i
// starts round(i * extent / n) from r's near edge, is round(extent / n) + 1
// long and takes c1 + round(i * (c2 - c1) / n) per channel, so the last bands
// reach one pixel past r's far edge. A one-pixel column shaded along y is
// drawn as a line per band instead, from (Left, y) to (Right, y + length).
void DrawGradient(framework::TCanvas& canvas, framework::TColor c1, framework::TColor c2, int n,
                  const framework::TRect& r, bool vertical);

// A glossy background: the upper half of g from Color to ColorTo and the lower
// half from ColorMirror to ColorMirrorTo in 128 bands each, or all of g from
// Color to ColorTo when ColorMirror is clNone; nothing when Color is clNone.
// Then a one-pixel frame around g unless BorderColor is clNone.
void DrawMirrorGradient(framework::TCanvas& canvas, const framework::TRect& g,
                        const TGlossColors& colors);

}  // namespace bitcalc::widgets
