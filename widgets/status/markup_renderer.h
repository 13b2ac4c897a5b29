#pragma once

#include <string>

#include "framework/raster/canvas.h"
#include "widgets/status/markup_color.h"
#include "widgets/status/picture_sources.h"

namespace bitcalc::widgets {

enum TMarkupMode {
  mmPaint,       // lays the text out and draws it
  mmLayoutOnly,  // lays it out, measures and hit-tests, and draws nothing
};

// Lays out rich text in frame on canvas, starting from the canvas's font (the
// base font that closing tags return to) and its brush colour, both of which
// it puts back before returning. Tags: <B> <I> <U> <S> bold, italic,
// underline, strike-out; <FONT FACE= COLOR= BGCOLOR= SIZE=>; <A HREF=> links in
// linkColor; <BR> <HR> <P ALIGN= INDENT= BGCOLOR= BGCOLORTO=> lines and
// paragraphs; <UL> <LI> lists; <IMG SRC= WIDTH= HEIGHT= ALIGN= WRAP> pictures
// ("IDX:n" from images, "SSYS:path" / "LSYS:path" the icon theme's small or
// large icon for the file's type, a plain name from pictures); <BODY ...>
// backgrounds; <SUB> <SUP> <SHAD> <E> <HI> <Z> <BLINK> <IND X=> <OF X=>
// <ROT A=>; each with its closing tag. Unknown tags are dropped up to their
// '>', and a '<' without one drops the rest; "&lt;" writes a '<'.
//
// Lines wrap at spaces when wordWrap is on; a line is laid out only while it
// fits completely below the ones before it (the first always is). Text after
// <BLINK> shows only while blinkOn.
//
// In mmLayoutOnly mode the result tells whether (hitX, hitY) lies on a link,
// and anchor receives that link's target (else it is left empty). width
// receives the widest line plus 2 and height the height of all lines, or of
// one line of the base font when there are none. Any text, frame and point
// are safe: the work is linear in the length of the text.
bool DrawMarkup(framework::TCanvas& canvas, const std::string& text, const framework::TRect& frame,
                TMarkupMode mode, int hitX, int hitY, bool wordWrap, framework::TColor linkColor,
                bool blinkOn, const TImageList* images, const TPictureContainer* pictures,
                std::string& anchor, int& width, int& height);

}  // namespace bitcalc::widgets
