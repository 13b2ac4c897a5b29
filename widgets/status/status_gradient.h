#pragma once

#include "framework/raster/canvas.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

// The status bar's own gradient and colour mixing.

// c1 and c2 mixed p percent to (100 - p): p >= 100 gives c1, p <= 0 gives c2,
// each exactly as given; otherwise system colours are resolved and each
// channel rounds to nearest.
TColor BlendColor(TColor c1, TColor c2, int p);

// n bands from c1 to c2 across r, along y when vertical, else along x. Band i
// starts round(i * extent / n) from r's near edge, is round(extent / n) + 1
// long and takes c1 + round(i * (c2 - c1) / n) per channel, so the last bands
// reach one pixel past r's far edge. A one-pixel column shaded along y is
// drawn as a line per band instead, from (Left, y) to (Right, y + length).
void DrawGradient(TCanvas& canvas, TColor c1, TColor c2, int n, const TRect& r, bool vertical);

// A glossy background: the upper half of g from color to colorTo and the lower
// half from mirror to mirrorTo in 128 bands each, or all of g from color to
// colorTo when mirror is clNone; nothing when color is clNone. Then a
// one-pixel frame around g unless border is clNone.
void DrawMirrorGradient(TCanvas& canvas, const TRect& g, TColor color, TColor colorTo,
                        TColor mirror, TColor mirrorTo, TColor border);

}  // namespace bitcalc::widgets
