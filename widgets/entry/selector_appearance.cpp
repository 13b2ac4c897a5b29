#include "widgets/entry/selector_appearance.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

// Button colours that tint the face toward the scheme, cells a shade
// deeper than the hot face so the picked one stands out from the hot one.
TSelectorPreset Tinted(TColor face, TColor faceTo, TColor hot, TColor down, TColor border,
                       TColor cellDown) {
  TSelectorPreset p;
  p.Color = face;
  p.ColorTo = faceTo;
  p.ColorHot = hot;
  p.ColorDown = down;
  p.BorderColor = clNone;
  p.BorderHotColor = border;
  p.BorderDropDownColor = border;
  p.Cells = {hot, clNone, cellDown, clNone, cellDown, clNone, border};
  return p;
}

}  // namespace

TSelectorPreset SelectorPreset(TStyledAppearanceStyle style) {
  switch (style) {
    case esOffice2003Classic: {
      TSelectorPreset p;
      p.Color = clBtnFace;
      p.ColorHot = RGB(181, 190, 214);
      p.ColorDown = RGB(132, 149, 181);
      p.BorderColor = clNone;
      p.BorderHotColor = clBlack;
      p.BorderDropDownColor = RGB(128, 128, 128);
      p.Cells = {RGB(181, 190, 214),
                 clNone,
                 RGB(214, 215, 222),
                 clNone,
                 RGB(214, 215, 222),
                 clNone,
                 clBlack};
      return p;
    }
    case esOffice2003Blue:
      return Tinted(RGB(221, 236, 254), RGB(129, 169, 226), RGB(255, 238, 194), RGB(254, 128, 62),
                    RGB(0, 0, 128), RGB(255, 192, 111));
    case esOffice2003Silver:
      return Tinted(RGB(243, 243, 247), RGB(153, 151, 181), RGB(255, 238, 194), RGB(254, 128, 62),
                    RGB(75, 75, 111), RGB(255, 192, 111));
    case esOffice2003Olive:
      return Tinted(RGB(243, 244, 228), RGB(183, 198, 145), RGB(255, 238, 194), RGB(254, 128, 62),
                    RGB(63, 93, 56), RGB(255, 192, 111));
    case esWhidbey:
      return Tinted(RGB(250, 250, 246), RGB(230, 226, 214), RGB(193, 210, 238), RGB(152, 181, 226),
                    RGB(49, 106, 197), RGB(152, 181, 226));
    case esXP: {
      TSelectorPreset p = Tinted(RGB(246, 246, 242), clNone, RGB(193, 210, 238), RGB(152, 181, 226),
                                 RGB(49, 106, 197), RGB(152, 181, 226));
      p.DropDownWidth = 18;
      return p;
    }
    case esCustom:
      break;
  }
  return {};
}

TStyledAppearanceStyle AppearanceStyleForScheme(const std::string& colorScheme) {
  if (colorScheme == "NormalColor") return esOffice2003Blue;
  if (colorScheme == "HomeStead") return esOffice2003Olive;
  if (colorScheme == "Metallic") return esOffice2003Silver;
  return esOffice2003Classic;
}

}  // namespace bitcalc::widgets
