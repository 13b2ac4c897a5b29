#pragma once

#include "framework/raster/canvas.h"
#include "widgets/bits/bit_persistent.h"

namespace bitcalc::widgets {

// Where pixel (x, y) of a width x height area lies on a gradient of the given
// style, as a step out of kGradientSteps: 0 is the start colour, the maximum
// the end colour. Styles ending in 1 run from the start colour (at the left,
// top or centre) to the end colour; those ending in 2 run the other way; those
// ending in 3 go out and back (start colour at both ends, end colour in the
// middle). gsRectangle grows in rectangles from the centre, the diamonds in
// diamonds, gsTopLeft and gsTopRight run diagonally from the named corner.
constexpr int kGradientSteps = 256;
int GradientStep(TGradientStyle style, int x, int y, int width, int height);

// Fills r with a gradient from `from` to `to`.
void FillGradient(framework::TCanvas& canvas, const framework::TRect& r, framework::TColor from,
                  framework::TColor to, TGradientStyle style);

}  // namespace bitcalc::widgets
