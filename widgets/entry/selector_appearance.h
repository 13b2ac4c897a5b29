#pragma once

#include <string>

#include "framework/values/color.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

enum TStyledAppearanceStyle {
  esOffice2003Blue,
  esOffice2003Silver,
  esOffice2003Olive,
  esOffice2003Classic,
  esWhidbey,
  esXP,
  esCustom
};

// How the grid paints its hot, pressed and selected cells.
struct TSelectorCellColors {
  TColor ColorHot = clNone;
  TColor ColorHotTo = clNone;
  TColor ColorDown = clNone;
  TColor ColorDownTo = clNone;
  TColor ColorSelected = clNone;
  TColor ColorSelectedTo = clNone;
  TColor BorderSelectedColor = clBlack;
};

// The colours a preset gives a selector and its grid.
struct TSelectorPreset {
  TColor Color = clBtnFace;
  TColor ColorTo = clNone;
  TColor ColorHot = clNone;
  TColor ColorHotTo = clNone;
  TColor ColorDown = clNone;
  TColor ColorDownTo = clNone;
  TColor BorderColor = clNone;
  TColor BorderHotColor = clNone;
  TColor BorderDropDownColor = clNone;
  int DropDownWidth = 12;
  TSelectorCellColors Cells;
};

// The colour set of a preset; esCustom has none (it keeps whatever is set).
TSelectorPreset SelectorPreset(TStyledAppearanceStyle style);

// The preset that matches a platform colour scheme name: "NormalColor" is
// blue, "HomeStead" olive, "Metallic" silver, and any other is classic.
TStyledAppearanceStyle AppearanceStyleForScheme(const std::string& colorScheme);

}  // namespace bitcalc::widgets
