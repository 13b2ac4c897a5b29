#pragma once

#include <string>

#include "framework/values/color.h"

namespace bitcalc::widgets {

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
  framework::TColor ColorHot = framework::clNone;
  framework::TColor ColorHotTo = framework::clNone;
  framework::TColor ColorDown = framework::clNone;
  framework::TColor ColorDownTo = framework::clNone;
  framework::TColor ColorSelected = framework::clNone;
  framework::TColor ColorSelectedTo = framework::clNone;
  framework::TColor BorderSelectedColor = framework::clBlack;
};

// The colours a preset gives a selector and its grid.
struct TSelectorPreset {
  framework::TColor Color = framework::clBtnFace;
  framework::TColor ColorTo = framework::clNone;
  framework::TColor ColorHot = framework::clNone;
  framework::TColor ColorHotTo = framework::clNone;
  framework::TColor ColorDown = framework::clNone;
  framework::TColor ColorDownTo = framework::clNone;
  framework::TColor BorderColor = framework::clNone;
  framework::TColor BorderHotColor = framework::clNone;
  framework::TColor BorderDropDownColor = framework::clNone;
  int DropDownWidth = 12;
  TSelectorCellColors Cells;
};

// The colour set of a preset; esCustom has none (it keeps whatever is set).
TSelectorPreset SelectorPreset(TStyledAppearanceStyle style);

// The preset that matches a platform colour scheme name: "NormalColor" is
// blue, "HomeStead" olive, "Metallic" silver, and any other is classic.
TStyledAppearanceStyle AppearanceStyleForScheme(const std::string& colorScheme);

}  // namespace bitcalc::widgets
