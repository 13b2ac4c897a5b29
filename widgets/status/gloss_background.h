#pragma once

#include "framework/text/font.h"
#include "framework/values/color.h"
#include "framework/values/persistent.h"

namespace bitcalc::widgets {

// The colours of a glossy panel in one state: the upper half shades from
// Color to ColorTo, the lower half from ColorMirror to ColorMirrorTo, with an
// optional frame (clNone: none) and the text colour.
struct TGlossColors {
  framework::TColor Color = framework::clWhite;
  framework::TColor ColorTo = framework::clWhite;
  framework::TColor ColorMirror = framework::clSilver;
  framework::TColor ColorMirrorTo = framework::clWhite;
  framework::TColor BorderColor = framework::clGray;
  framework::TColor TextColor = framework::clBlack;
  friend bool operator==(const TGlossColors&, const TGlossColors&) = default;
};

enum TGlossState { gsNormal, gsHot, gsDown };

// One appearance of the status panels: its colours at rest, under the mouse
// (hot) and pressed (down), and the text style. Every change is reported
// through OnChange.
class TGlossBackground : public framework::TPersistent {
 public:
  TGlossBackground() { normal_.BorderColor = framework::clNone; }

  const TGlossColors& Colors(TGlossState state) const {
    return state == gsHot ? hot_ : state == gsDown ? down_ : normal_;
  }
  // Every colour of one state at once, reported as one change.
  void SetColors(TGlossState state, const TGlossColors& colors);

  framework::TColor Color() const { return normal_.Color; }
  void SetColor(framework::TColor v) { SetField(normal_.Color, v); }
  framework::TColor ColorTo() const { return normal_.ColorTo; }
  void SetColorTo(framework::TColor v) { SetField(normal_.ColorTo, v); }
  framework::TColor ColorMirror() const { return normal_.ColorMirror; }
  void SetColorMirror(framework::TColor v) { SetField(normal_.ColorMirror, v); }
  framework::TColor ColorMirrorTo() const { return normal_.ColorMirrorTo; }
  void SetColorMirrorTo(framework::TColor v) { SetField(normal_.ColorMirrorTo, v); }
  framework::TColor BorderColor() const { return normal_.BorderColor; }
  void SetBorderColor(framework::TColor v) { SetField(normal_.BorderColor, v); }
  framework::TColor TextColor() const { return normal_.TextColor; }
  void SetTextColor(framework::TColor v) { SetField(normal_.TextColor, v); }
  framework::TFontStyles TextStyle() const { return text_style_; }
  void SetTextStyle(framework::TFontStyles v) { SetField(text_style_, v); }

  framework::TColor ColorHot() const { return hot_.Color; }
  void SetColorHot(framework::TColor v) { SetField(hot_.Color, v); }
  framework::TColor ColorHotTo() const { return hot_.ColorTo; }
  void SetColorHotTo(framework::TColor v) { SetField(hot_.ColorTo, v); }
  framework::TColor ColorMirrorHot() const { return hot_.ColorMirror; }
  void SetColorMirrorHot(framework::TColor v) { SetField(hot_.ColorMirror, v); }
  framework::TColor ColorMirrorHotTo() const { return hot_.ColorMirrorTo; }
  void SetColorMirrorHotTo(framework::TColor v) { SetField(hot_.ColorMirrorTo, v); }
  framework::TColor BorderColorHot() const { return hot_.BorderColor; }
  void SetBorderColorHot(framework::TColor v) { SetField(hot_.BorderColor, v); }
  framework::TColor TextColorHot() const { return hot_.TextColor; }
  void SetTextColorHot(framework::TColor v) { SetField(hot_.TextColor, v); }

  framework::TColor ColorDown() const { return down_.Color; }
  void SetColorDown(framework::TColor v) { SetField(down_.Color, v); }
  framework::TColor ColorDownTo() const { return down_.ColorTo; }
  void SetColorDownTo(framework::TColor v) { SetField(down_.ColorTo, v); }
  framework::TColor ColorMirrorDown() const { return down_.ColorMirror; }
  void SetColorMirrorDown(framework::TColor v) { SetField(down_.ColorMirror, v); }
  framework::TColor ColorMirrorDownTo() const { return down_.ColorMirrorTo; }
  void SetColorMirrorDownTo(framework::TColor v) { SetField(down_.ColorMirrorTo, v); }
  framework::TColor BorderColorDown() const { return down_.BorderColor; }
  void SetBorderColorDown(framework::TColor v) { SetField(down_.BorderColor, v); }
  framework::TColor TextColorDown() const { return down_.TextColor; }
  void SetTextColorDown(framework::TColor v) { SetField(down_.TextColor, v); }

 private:
  TGlossColors normal_;
  TGlossColors hot_;
  TGlossColors down_;
  framework::TFontStyles text_style_ = 0;
};

}  // namespace bitcalc::widgets
