#pragma once

#include "framework/text/font.h"
#include "framework/values/color.h"
#include "framework/values/persistent.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

// The colours of a glossy panel in one state: the upper half shades from
// Color to ColorTo, the lower half from ColorMirror to ColorMirrorTo, with an
// optional frame (clNone: none) and the text colour.
struct TGlossColors {
  TColor Color = clWhite;
  TColor ColorTo = clWhite;
  TColor ColorMirror = clSilver;
  TColor ColorMirrorTo = clWhite;
  TColor BorderColor = clGray;
  TColor TextColor = clBlack;
  friend bool operator==(const TGlossColors&, const TGlossColors&) = default;
};

enum TGlossState { gsNormal, gsHot, gsDown };

// One appearance of the status panels: its colours at rest, under the mouse
// (hot) and pressed (down), and the text style. Every change is reported
// through OnChange.
class TGlossBackground : public TPersistent {
 public:
  TGlossBackground() { normal_.BorderColor = clNone; }

  const TGlossColors& Colors(TGlossState state) const {
    return state == gsHot ? hot_ : state == gsDown ? down_ : normal_;
  }
  // Every colour of one state at once, reported as one change.
  void SetColors(TGlossState state, const TGlossColors& colors);

  TColor Color() const { return normal_.Color; }
  void SetColor(TColor v) { SetField(normal_.Color, v); }
  TColor ColorTo() const { return normal_.ColorTo; }
  void SetColorTo(TColor v) { SetField(normal_.ColorTo, v); }
  TColor ColorMirror() const { return normal_.ColorMirror; }
  void SetColorMirror(TColor v) { SetField(normal_.ColorMirror, v); }
  TColor ColorMirrorTo() const { return normal_.ColorMirrorTo; }
  void SetColorMirrorTo(TColor v) { SetField(normal_.ColorMirrorTo, v); }
  TColor BorderColor() const { return normal_.BorderColor; }
  void SetBorderColor(TColor v) { SetField(normal_.BorderColor, v); }
  TColor TextColor() const { return normal_.TextColor; }
  void SetTextColor(TColor v) { SetField(normal_.TextColor, v); }
  TFontStyles TextStyle() const { return text_style_; }
  void SetTextStyle(TFontStyles v) { SetField(text_style_, v); }

  TColor ColorHot() const { return hot_.Color; }
  void SetColorHot(TColor v) { SetField(hot_.Color, v); }
  TColor ColorHotTo() const { return hot_.ColorTo; }
  void SetColorHotTo(TColor v) { SetField(hot_.ColorTo, v); }
  TColor ColorMirrorHot() const { return hot_.ColorMirror; }
  void SetColorMirrorHot(TColor v) { SetField(hot_.ColorMirror, v); }
  TColor ColorMirrorHotTo() const { return hot_.ColorMirrorTo; }
  void SetColorMirrorHotTo(TColor v) { SetField(hot_.ColorMirrorTo, v); }
  TColor BorderColorHot() const { return hot_.BorderColor; }
  void SetBorderColorHot(TColor v) { SetField(hot_.BorderColor, v); }
  TColor TextColorHot() const { return hot_.TextColor; }
  void SetTextColorHot(TColor v) { SetField(hot_.TextColor, v); }

  TColor ColorDown() const { return down_.Color; }
  void SetColorDown(TColor v) { SetField(down_.Color, v); }
  TColor ColorDownTo() const { return down_.ColorTo; }
  void SetColorDownTo(TColor v) { SetField(down_.ColorTo, v); }
  TColor ColorMirrorDown() const { return down_.ColorMirror; }
  void SetColorMirrorDown(TColor v) { SetField(down_.ColorMirror, v); }
  TColor ColorMirrorDownTo() const { return down_.ColorMirrorTo; }
  void SetColorMirrorDownTo(TColor v) { SetField(down_.ColorMirrorTo, v); }
  TColor BorderColorDown() const { return down_.BorderColor; }
  void SetBorderColorDown(TColor v) { SetField(down_.BorderColor, v); }
  TColor TextColorDown() const { return down_.TextColor; }
  void SetTextColorDown(TColor v) { SetField(down_.TextColor, v); }

 private:
  TGlossColors normal_;
  TGlossColors hot_;
  TGlossColors down_;
  TFontStyles text_style_ = 0;
};

}  // namespace bitcalc::widgets
