#pragma once

#include <QImage>
#include <string>

#include "framework/controls/control_types.h"
#include "framework/raster/canvas.h"
#include "widgets/status/styled_office_status_panel.h"

namespace bitcalc::widgets {

// The parts of a status bar's picture that are not panel content.

// Columns the resize grip takes at the bar's right end.
constexpr int kSizeGripWidth = 15;

// The two-pixel separator at the left of panel paint rectangle p: columns
// p.Left and p.Left + 1 shade from light mixes of colorTo (the panel's
// normal ColorTo) to colorTo at mid-height and back.
void PaintPanelSeparator(framework::TCanvas& canvas, const framework::TRect& p,
                         framework::TColor colorTo);

// The frame of a width x height bar: left, bottom and right edges in border,
// the top edge in a lighter mix of it, or in border too when external.
void PaintStatusFrame(framework::TCanvas& canvas, int width, int height, framework::TColor border,
                      bool external);

// Diagonal rows of dots in the bottom-right corner.
void PaintSizeGrip(framework::TCanvas& canvas, int width, int height);

// Panels of the kinds that show no markup.
void PaintPanelProgress(framework::TCanvas& canvas, const framework::TRect& p,
                        const TStatusPanelProgress& progress);
// A picture at its natural size, centred across p's height and placed along
// it as alignment says.
void PaintPanelPicture(framework::TCanvas& canvas, const framework::TRect& p, const QImage& picture,
                       framework::TAlignment alignment);
void PaintPanelPlainText(framework::TCanvas& canvas, const framework::TRect& p,
                         const std::string& text, framework::TAlignment alignment,
                         unsigned ellipsis);

}  // namespace bitcalc::widgets
