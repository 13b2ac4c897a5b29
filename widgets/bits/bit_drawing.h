#pragma once

#include <string>

#include "framework/raster/canvas.h"

namespace bitcalc::widgets {

// Drawing helpers shared by the bit widgets.

// Step i of n from c1 towards c2: each channel moves by (c2 - c1) / n * i,
// rounded to nearest with halves to even. Colours that resolve alike give c1
// back untouched, so a system colour stays a system colour. n = 0 counts as 1.
framework::TColor InterpolateColor(framework::TColor c1, framework::TColor c2, int n, int i);

// n nested one-pixel frames inside r, each with its top and left edges in
// topLeft and its right and bottom edges in bottomRight; r comes back shrunk
// by n on every side.
void DrawFrame3D(framework::TCanvas& canvas, framework::TRect& r, framework::TColor topLeft,
                 framework::TColor bottomRight, int n);

// Where a text of the given extent starts so that its reference point lies at
// (x, y). align 0-8: column align % 3 (left, centre, right), row align / 3
// (top, middle, bottom).
framework::TPoint AlignedTextOrigin(int x, int y, int align, int width, int height);

// Draws text with its reference point at (x, y), measured in the canvas font.
void TextOutAligned(framework::TCanvas& canvas, int x, int y, int align, const std::string& text);

}  // namespace bitcalc::widgets
