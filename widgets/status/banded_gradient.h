#pragma once

#include "framework/raster/canvas.h"

namespace bitcalc::widgets {

// A two-colour gradient drawn as n solid bands across r, along x or along y.
// Band i takes each of red, green and blue as c1's + round(i * (c2's - c1's)
// / n) (system colours resolved first), so the last band stops one step short
// of c2. It starts round(i * extent / n) from r's near edge and is
// bandLength pixels long; neighbours overlap where bandLength exceeds the
// step. With cutAtEdge the bands stop at r's far edge, otherwise the last
// ones may reach past it. n below 1 counts as 1. Leaves pen and brush in the
// last band's colour.
void DrawBandedGradient(framework::TCanvas& canvas, const framework::TRect& r, framework::TColor c1,
                        framework::TColor c2, int n, bool vertical, int bandLength, bool cutAtEdge);

// The step between band starts, extent / n, as a real number.
double BandStep(const framework::TRect& r, int n, bool vertical);

// The colour of band i of n from c1 to c2, both already resolved to RGB.
framework::TColor BandColor(framework::TColor c1, framework::TColor c2, int i, int n);

}  // namespace bitcalc::widgets
