#pragma once

#include "tests/widgets/status/hint_fixture.h"
#include "widgets/status/styled_office_status_bar.h"

// The window's status bar: 645 x 19 at the bottom of a 645 x 324 client
// area, its three panels and the window's styler and hint settings.
class WindowBarTest : public HintTest {
 protected:
  WindowBarTest() { form->SetClientSize(645, 324); }
  void SetUp() override {
    HintTest::SetUp();
    styler = new bitcalc::widgets::TStyledOfficeStatusBarOfficeStyler(form.get());
    styler->SetStyle(bitcalc::widgets::psOffice2007Luna);
    bar = new bitcalc::widgets::TStyledOfficeStatusBar(form.get());
    bar->SetParent(form.get());
    bar->SetBounds(0, 305, 645, 19);
    bar->SetParentShowHint(false);
    bar->SetShowHint(true);
    bar->SetSizeGrip(false);
    bar->SetStyler(styler);
    const int widths[] = {460, 65, 100};
    for (int w : widths) bar->Panels().Add().SetWidth(w);
    bar->Panels()[0].SetAppearanceStyle(bitcalc::widgets::psDark);
    bar->Panels()[0].SetText(
        "<b>Rodazu</b> system sterowania i pomiar\xf3w dla amator\xf3w i profesjonalist\xf3w");
    bar->Panels()[1].SetText("<b>Free</b>");
    bar->Panels()[2].SetText(" <a href=\"" + std::string(kUrl) + "\">" + kUrl + "</a>");
    bitcalc::widgets::TStyledHintInfo& free = bar->Panels()[1].OfficeHint();
    free.Title =
        "Oprogramowanie bezp\xb3"
        "atne";
    free.Notes = {"One", "Two", "Three", "Four"};
    free.Picture.LoadFromBytes(BitmapFile(46, 46, Qt::red, Qt::magenta));
    bitcalc::widgets::TStyledHintInfo& maker = bar->Panels()[2].OfficeHint();
    maker.Title = "PPHU Zavarer ";
    maker.Notes = {"Oprogramowanie dla przemys\xb3u", "Systemy sterowania, oprogramowanie PLC",
                   "Systemy kontroli i wspomagania produkcji", "Oprogramowanie na zam\xf3wienie"};
    maker.Picture.LoadFromBytes(BitmapFile(32, 32, Qt::blue, Qt::white));
    maker.ShowHelp = true;
  }

  static constexpr const char* kUrl = "http://example.org";
  bitcalc::widgets::TStyledOfficeStatusBarOfficeStyler* styler = nullptr;
  bitcalc::widgets::TStyledOfficeStatusBar* bar = nullptr;
};
