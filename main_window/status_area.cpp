#include <QStringView>
#include <array>
#include <string>

#include "framework/runtime/app_properties.h"
#include "framework/runtime/timer.h"
#include "framework/text/text.h"
#include "main_window/form1.h"
#include "main_window/layout_tables.h"
#include "main_window/stored_settings.h"
#include "resources/resource_file.h"
#include "widgets/status/status_bar_styler.h"
#include "widgets/status/styled_office_hint.h"
#include "widgets/status/styled_office_status_bar.h"

namespace bitcalc::main_window {

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

namespace {

std::string Cp1250(const char16_t* text) {
  return ToCp1250(QStringView(text));
}

// The rich texts the first panel cycles through, every five seconds.
constexpr std::array<const char16_t*, 3> kStatusTexts{
    u"<font color=\"clwhite\"><b>Rodazu</b> system sterowania i pomiarów dla amatorów i "
    u"profesjonalistów",
    u"<b>Revove OEE</b> system monitorowania pracy maszyn",
    u"<b>CMMS Varedov</b> oprogramowanie dla służb utrzymania ruchu",
};

struct TAppearanceSpec {
  TColor Color, ColorTo, ColorMirror, ColorMirrorTo;
};

void ApplyAppearance(TGlossBackground& g, const TAppearanceSpec& spec, TColor textColorHot) {
  g.SetBorderColor(clNone);
  g.SetBorderColorHot(RGB(219, 206, 153));
  g.SetBorderColorDown(RGB(123, 102, 69));
  g.SetColor(spec.Color);
  g.SetColorTo(spec.ColorTo);
  g.SetColorHot(RGB(255, 255, 251));
  g.SetColorHotTo(RGB(255, 240, 192));
  g.SetColorDown(RGB(247, 180, 119));
  g.SetColorDownTo(RGB(249, 154, 69));
  g.SetColorMirror(spec.ColorMirror);
  g.SetColorMirrorTo(spec.ColorMirrorTo);
  g.SetColorMirrorHot(RGB(255, 216, 107));
  g.SetColorMirrorHotTo(RGB(252, 230, 160));
  g.SetColorMirrorDown(RGB(248, 130, 25));
  g.SetColorMirrorDownTo(RGB(255, 174, 3));
  g.SetTextColor(RGB(9, 32, 97));
  g.SetTextColorHot(textColorHot);
  g.SetTextColorDown(textColorHot);
  g.SetTextStyle(0);
}

struct TPanelSpec {
  int Width;
  TStyledPanelAppearanceStyle Appearance;
  const char16_t* Text;
  const char16_t* HintTitle;  // nullptr: no styled hint
  std::array<const char16_t*, 4> Notes;
  const char* Picture;
  bool ShowHelp;
};

const std::array<TPanelSpec, 3> kPanels{{
    {460,
     psDark,
     u"<b>Rodazu</b> system sterowania i pomiarów dla amatorów i profesjonalistów",
     nullptr,
     {},
     nullptr,
     false},
    {65,
     psLight,
     u"<b>Gratis</b>",
     u"Oprogramowanie bezpłatne",
     {u"Kalkulator liczb 16-bitowych", u"Do użytku prywatnego i firmowego",
      u"Bez rejestracji i bez reklam", u"Niczego nie zapisuje na dysku"},
     "hint_freeware.bmp",
     false},
    {100,
     psLight,
     u" <a href=\"https://bitcalc.example.org/\">bitcalc.example.org</a>",
     u"PPHU Zavarer ",
     {u"Oprogramowanie dla przemysłu", u"Systemy sterowania, oprogramowanie PLC",
      u"Systemy kontroli i wspomagania produkcji", u"Oprogramowanie na zamówienie"},
     "hint_maker.bmp",
     true},
}};

}  // namespace

void TForm1::CreateStatusArea() {
  StyledOfficeStatusBarOfficeStyler1 = new TStyledOfficeStatusBarOfficeStyler(this);
  StyledOfficeStatusBarOfficeStyler1->SetName("StyledOfficeStatusBarOfficeStyler1");
  StyledOfficeStatusBarOfficeStyler1->SetStyle(psOffice2007Luna);
  StyledOfficeStatusBarOfficeStyler1->SetBorderColor(RGB(86, 125, 176));
  ApplyAppearance(StyledOfficeStatusBarOfficeStyler1->PanelAppearanceLight(),
                  {RGB(215, 230, 249), RGB(199, 220, 248), RGB(179, 208, 245), RGB(205, 224, 247)},
                  clBlack);
  ApplyAppearance(StyledOfficeStatusBarOfficeStyler1->PanelAppearanceDark(),
                  {RGB(197, 220, 248), RGB(135, 182, 245), RGB(144, 182, 234), RGB(116, 149, 194)},
                  RGB(9, 32, 97));

  ad1 = new TStyledOfficeStatusBar(this);
  ad1->SetName("ad1");
  ad1->SetBounds(0, 305, kClientWidth, 19);
  ad1->SetAnchorHint(false);
  ad1->SetParentShowHint(false);
  ad1->SetShowHint(true);
  ad1->SetSimplePanel(false);
  ad1->SetSizeGrip(false);
  ad1->SetURLColor(clBlue);
  ad1->SetStyler(StyledOfficeStatusBarOfficeStyler1);
  for (const TPanelSpec& spec : kPanels) {
    TStyledOfficeStatusPanel& panel = ad1->Panels().Add();
    panel.SetWidth(spec.Width);
    panel.SetAppearanceStyle(spec.Appearance);
    panel.SetDateFormat("yyyy-MM-dd");
    panel.SetTimeFormat("hh:mm:ss");
    panel.SetText(Cp1250(spec.Text));
    if (!spec.HintTitle) continue;
    TStyledHintInfo& hint = panel.OfficeHint();
    hint.Title = Cp1250(spec.HintTitle);
    for (const char16_t* line : spec.Notes) hint.Notes.push_back(Cp1250(line));
    hint.Picture.LoadFromBytes(resources::ResourceFile(spec.Picture));
    hint.ShowHelp = spec.ShowHelp;
  }
  ad1->SetParent(this);

  StyledOfficeHint1 = new TStyledOfficeHint(this);
  StyledOfficeHint1->SetName("StyledOfficeHint1");
  AssignFont(StyledOfficeHint1->Font(), kTahoma8);
  StyledOfficeHint1->SetHintColor(RGB(225, 226, 236));
  StyledOfficeHint1->SetHintColorTo(RGB(152, 150, 179));
  StyledOfficeHint1->SetHintWidth(240);
  StyledOfficeHint1->SetHintHelpText("Zapraszamy");
  StyledOfficeHint1->SetHintHelpLineColor(RGB(124, 124, 148));

  AppProperties1 = new TAppProperties(this);
  AppProperties1->SetName("AppProperties1");
  AppProperties1->SetHintHidePause(50000);

  Timer1 = new TTimer(this);
  Timer1->SetName("Timer1");
  Timer1->SetInterval(5000);
}

void TForm1::Timer1Timer(TObject*) {
  StatusRotation = StatusRotation + 1;
  if (StatusRotation > 3) StatusRotation = 1;
  ad1->Panels()[0].SetText(Cp1250(kStatusTexts[StatusRotation - 1]));
}

}  // namespace bitcalc::main_window
