#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <string>

#include "framework/runtime/screen.h"
#include "tests/support/shown_form.h"
#include "widgets/entry/selector_drop_down_window.h"
#include "widgets/entry/styled_character_selector.h"
#include "widgets/entry/styled_selector_panel.h"

// A 9 x 27 character selector set up as the calculator's window sets up its
// own, offering the 256 byte values, on a shown form at (100, 100). It sits
// on the form's bottom edge, so its grid hangs below the form and only the
// grid's top row lies over it.
class SelectorTest : public ::testing::Test {
 protected:
  SelectorTest() : form(240, 160) {}

  void SetUp() override {
    form->move(100, 100);
    selector = new bitcalc::widgets::TStyledCharacterSelector(form.get());
    selector->SetParent(form.get());
    selector->SetBounds(20, 133, 9, 27);
    selector->SetTabOrder(18);
    selector->SetBorderColor(bitcalc::framework::clBlack);
    selector->SetButtonsPerRow(16);
    selector->CharFont().SetHeight(-16);
    std::string text;
    for (int i = 0; i < 256; ++i) selector->SetCharacters(text += char(i));
    selector->OnSelect = [this](bitcalc::framework::TObject* sender) {
      EXPECT_EQ(sender, selector);
      ++selects;
    };
    ASSERT_TRUE(form.Show());
  }
  void TearDown() override { form.reset(); }

  bitcalc::widgets::TSelectorDropDownWindow* DropDown() const { return selector->DropDownWindow(); }
  bitcalc::widgets::TStyledSelectorPanel* Panel() const { return selector->Panel(); }
  bool Open() const { return DropDown()->isVisible(); }

  // A click with the given button in the middle of the selector.
  void ClickSelector(Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(selector, button, {}, QPoint(4, 13));
  }

  QPoint CellCentre(int k) const {
    const bitcalc::framework::TRect r = Panel()->Items()[k].CellRect;
    return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  }
  // The mouse moved, no button held, from the grid's margin onto cell k: the
  // platform finds the window under it.
  void HoverCell(int k) {
    QTest::mouseMove(Panel(), QPoint(2, 2));
    QTest::mouseMove(Panel(), CellCentre(k));
  }
  void Press(int k, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mousePress(Panel(), b, {}, CellCentre(k));
  }
  void Release(QPoint at, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mouseRelease(Panel(), b, {}, at);
  }
  void Pick(int k, Qt::MouseButton b = Qt::LeftButton) {
    ClickSelector();
    HoverCell(k);
    Press(k, b);
    Release(CellCentre(k), b);
  }

  static QRgb Rgb(bitcalc::framework::TColor c) { return bitcalc::framework::ToQColor(c).rgb(); }
  static QImage Shot(QWidget* w) { return w->grab().toImage(); }

  ShownForm form;
  bitcalc::widgets::TStyledCharacterSelector* selector = nullptr;
  int selects = 0;
};
