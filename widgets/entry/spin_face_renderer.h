#pragma once

#include "framework/raster/bitmap.h"
#include "framework/values/geometry.h"

namespace bitcalc::widgets {

// The two halves of the diagonal spin button, and which of them is drawn pressed.
enum SpinPressState { spNone, spTop, spBottom };

// The half of a W x H button that (x, y) lies in. The anti-diagonal runs from the
// bottom-left to the top-right corner; a point on it belongs to the top half.
SpinPressState SpinHalfAt(int x, int y, int w, int h);

// Top-left corners of the arrows on a W x H face for glyphs of gw x gh pixels.
// The up arrow moves one pixel right and down while its half is pressed; the
// down arrow stays where it is.
framework::TPoint SpinUpArrowOrigin(int w, int h, int gw, int gh, bool topPressed);
framework::TPoint SpinDownArrowOrigin(int w, int h, int gw, int gh);

// Paints one face of a W x H button into face (sized to W x H): both triangles
// raised for spNone, the named one sunk otherwise. Each glyph's bottom-left pixel
// is its transparent colour, which becomes the button face colour.
void RenderSpinFace(framework::TBitmap& face, SpinPressState state, int w, int h,
                    const framework::TBitmap& upGlyph, const framework::TBitmap& downGlyph);

}  // namespace bitcalc::widgets
