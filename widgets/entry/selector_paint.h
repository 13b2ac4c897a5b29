#pragma once

#include "framework/raster/canvas.h"

namespace bitcalc::widgets {

// Paints r in `bands` equal stripes running from `from` to `to`, top to bottom
// when vertical, else left to right; the last stripe takes what the division
// leaves over.
void FillBands(framework::TCanvas& canvas, const framework::TRect& r, framework::TColor from,
               framework::TColor to, int bands, bool vertical);

// A solid fill of r in c (pen and brush c), or, when `to` is set, bands from
// c to `to` running the given way.
void FillFace(framework::TCanvas& canvas, const framework::TRect& r, framework::TColor c,
              framework::TColor to, int bands, bool vertical);

// The outline of r in c with a clear brush; nothing when c is clNone (the
// brush is cleared all the same).
void FrameFace(framework::TCanvas& canvas, const framework::TRect& r, framework::TColor c);

// The drop-down arrow: a black downward triangle 5, 3 and 1 pixels wide with
// its top-left corner at ap.
void DrawDropArrow(framework::TCanvas& canvas, framework::TPoint ap);

}  // namespace bitcalc::widgets
