#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <map>
#include <string>
#include <vector>

#include "framework/runtime/timer.h"
#include "tests/support/service_spy.h"
#include "tests/support/shown_form.h"
#include "widgets/entry/num_spin_button.h"
#include "widgets/entry/num_spin_edit.h"

// Spin edits on a shown form with the window's settings (range 0 … 65535),
// counting each field's OnChange; beeps go to a spy and timers to a manual clock.
class SpinEditTest : public ShownFormTest {
 protected:
  void SetUp() override {
    ShownFormTest::SetUp();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  }

  bitcalc::widgets::TNumSpinEdit* MakeField(
      bitcalc::widgets::TValueType type = bitcalc::widgets::vtInteger, int top = 10) {
    auto* e = new bitcalc::widgets::TNumSpinEdit(form.get());
    e->SetParent(form.get());
    e->SetBounds(10, top, 97, e->Height());
    e->SetValueType(type);
    e->SetMaxValue(65535);
    e->OnChange = [this, e](bitcalc::framework::TObject* sender) {
      EXPECT_EQ(sender, e);
      ++changes[e];
    };
    return e;
  }

  // Puts the keyboard focus in the field the way the user's Tab would.
  void Focus(bitcalc::widgets::TNumSpinEdit* e) {
    e->SetFocus();
    ASSERT_EQ(QApplication::focusWidget(), e->Editor());
  }

  // Keys go where the platform sends them: to the widget with the focus.
  static QWidget* Focused() { return QApplication::focusWidget(); }
  static void Type(const char* text) { QTest::keyClicks(Focused(), text); }
  static void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(Focused(), key, mods);
  }
  // A key held down: the platform repeats the press with the auto-repeat flag.
  static void RepeatedKey(Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(Focused(), &press);
  }

  bitcalc::framework::TManualClock clock;
  ServiceSpy spy;
  std::map<bitcalc::widgets::TNumSpinEdit*, int> changes;
};
