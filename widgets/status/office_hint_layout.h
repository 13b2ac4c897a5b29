#pragma once

#include <string>

#include "framework/raster/canvas.h"
#include "widgets/status/styled_office_hint.h"

namespace bitcalc::widgets {

// The office hint measured and painted on any canvas, for the hint window and
// for whoever wants its figures without a window.

// The bounds of the office layout of hint's current content, from the
// proposed bounds r (already widened for the window's edges): r widened by
// HintWidth and then narrowed to the notes when there is no title, and as
// tall as title, picture or notes and help line need. Leaves the hint's
// drawing font on canvas.
framework::TRect OfficeHintBounds(framework::TCanvas& canvas, framework::TRect r,
                                  const TStyledOfficeHint& hint);

// The vertical gradient behind every hint: 64 bands from `from` at the top
// to exactly `to` at the bottom.
void PaintHintBackground(framework::TCanvas& canvas, int width, int height, framework::TColor from,
                         framework::TColor to);

// The whole hint window of width x height: background, rounded border and
// either the office layout of hint's content or the plain caption.
void PaintOfficeHint(framework::TCanvas& canvas, int width, int height,
                     const TStyledOfficeHint& hint, const std::string& caption);

}  // namespace bitcalc::widgets
