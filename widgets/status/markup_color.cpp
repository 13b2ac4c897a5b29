#include "widgets/status/markup_color.h"

#include <array>
#include <cctype>
#include <string_view>

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

struct NamedColor {
  std::string_view name;
  TColor color;
};

constexpr std::array<NamedColor, 40> kNames = {{
    {"clred", clRed},
    {"clblack", clBlack},
    {"clblue", clBlue},
    {"clgreen", clGreen},
    {"claqua", clAqua},
    {"clyellow", clYellow},
    {"clfuchsia", clFuchsia},
    {"clwhite", clWhite},
    {"cllime", clLime},
    {"clsilver", clSilver},
    {"clgray", clGray},
    {"clolive", clOlive},
    {"clnavy", clNavy},
    {"clpurple", clPurple},
    {"clteal", clTeal},
    {"clmaroon", clMaroon},
    {"clbackground", clBackground},
    {"clactivecaption", clActiveCaption},
    {"clinactivecaption", clInactiveCaption},
    {"clmenu", clMenu},
    {"clwindow", clWindow},
    {"clwindowframe", clWindowFrame},
    {"clmenutext", clMenuText},
    {"clwindowtext", clWindowText},
    {"clcaptiontext", clCaptionText},
    {"clactiveborder", clActiveBorder},
    {"clinactiveborder", clInactiveBorder},
    {"clappworkspace", clAppWorkSpace},
    {"clhighlight", clHighlight},
    {"clhighlighttext", clHighlightText},
    {"clbtnface", clBtnFace},
    {"clbtnshadow", clBtnShadow},
    {"clgraytext", clGrayText},
    {"clbtntext", clBtnText},
    {"clinactivecaptiontext", clInactiveCaptionText},
    {"clbtnhighlight", clBtnHighlight},
    {"cl3ddkshadow", cl3DDkShadow},
    {"cl3dlight", cl3DLight},
    {"clinfotext", clInfoText},
    {"clinfobk", clInfoBk},
}};

int Digit(unsigned char c) {
  return c >= 'A' ? c - 'A' + 10 : c - '0';
}

// The byte written at value[at], value[at + 1].
int Pair(const std::string& value, std::size_t at) {
  if (at + 1 >= value.size()) return 0;
  return Digit(static_cast<unsigned char>(value[at])) * 16 +
         Digit(static_cast<unsigned char>(value[at + 1]));
}

}  // namespace

TColor MarkupColor(const std::string& value) {
  if (!value.empty() && value[0] == '#') {
    // Out-of-range "digits" spill into the neighbouring bytes; the sum is
    // taken modulo 2^32 so that any value gives a colour.
    const unsigned rgb = unsigned(Pair(value, 1)) + unsigned(Pair(value, 3)) * 256u +
                         unsigned(Pair(value, 5)) * 65536u;
    return static_cast<TColor>(rgb);
  }
  std::string lower = value;
  for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
  for (const NamedColor& n : kNames)
    if (n.name == lower) return n.color;
  return clBlack;
}

}  // namespace bitcalc::widgets
