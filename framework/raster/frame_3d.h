#pragma once

#include "framework/raster/canvas.h"

namespace bitcalc::framework {

// Draws width nested one-pixel rings just inside r and moves r inwards past
// them. In each ring the top and left edges take topLeft and the bottom and
// right edges take bottomRight; the top-right and bottom-left corner pixels
// belong to the bottom-right pair, as on a raised or sunken Windows edge.
// The canvas's brush is left as it was.
void Frame3D(TCanvas& canvas, TRect& r, TColor topLeft, TColor bottomRight, int width);

}  // namespace bitcalc::framework
