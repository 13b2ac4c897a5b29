#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <cstdint>
#include <memory>
#include <string>

#include "core/evaluation.h"
#include "core/n_bool_proc.h"
#include "framework/runtime/timer.h"
#include "framework/standard/button.h"
#include "framework/standard/label.h"
#include "framework/text/text.h"
#include "main_window/form1.h"
#include "tests/support/service_spy.h"
#include "widgets/bits/bit_led.h"
#include "widgets/bits/bit_toggle_switch.h"
#include "widgets/entry/num_spin_edit.h"
#include "widgets/status/gradient_label.h"
#include "widgets/status/styled_office_status_bar.h"
#include "widgets/trackbar/styled_track_bar.h"

// The calculator's window, shown and active, driven by real mouse and key
// events at the layout's coordinates. Timers run on a manual clock, so the
// status rotation is driven through the timer, not by waiting.
class CalculatorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    bitcalc::core::CreateBoolStore();
    form = std::make_unique<bitcalc::main_window::TForm1>(nullptr);
    form->Show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  }
  void TearDown() override { form.reset(); }

  // A press and release at window coordinates, delivered to whatever control
  // lies there, as the platform would.
  void ClickAt(QPoint p, Qt::MouseButton button = Qt::LeftButton) {
    QWidget* w = form->childAt(p);
    if (!w) w = form.get();
    QTest::mouseClick(w, button, {}, w->mapFrom(form.get(), p));
  }
  void Click(bitcalc::framework::TControl* c) { ClickAt(c->geometry().center()); }
  // A click on the half of a switch its lever is not in, which flips it.
  void ClickSwitch(int k) {
    const bitcalc::widgets::TBitToggleSwitch* s = form->BitToggleSwitch[k - 1];
    ClickAt(s->geometry().topLeft() + QPoint(8, s->Checked() ? 24 : 8));
  }

  // A mouse move straight to a widget. Moving the platform's cursor instead
  // would, on the headless platform, which has no stacking order, let the
  // main window claim the mouse over a grid that lies on top of it.
  static void MoveMouse(QWidget* w, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, {});
    QApplication::sendEvent(w, &move);
  }

  // Keyboard input goes to the focused widget.
  static QWidget* Focused() { return QApplication::focusWidget(); }
  void Focus(bitcalc::widgets::TNumSpinEdit* field) {
    field->SetFocus();
    ASSERT_EQ(Focused(), field->Editor());
  }
  static void Type(const char* text) { QTest::keyClicks(Focused(), text); }
  static void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(Focused(), key, mods);
  }
  // Replaces the focused field's whole text in one step, as a paste over a
  // selection does.
  static void PasteOverAll(const char* text) {
    Key(Qt::Key_Home);
    Key(Qt::Key_End, Qt::ShiftModifier);
    QApplication::clipboard()->setText(QString::fromLatin1(text));
    Key(Qt::Key_V, Qt::ControlModifier);
  }
  // Empties the focused field with the keyboard.
  static void DeleteAll() {
    Key(Qt::Key_Home);
    Key(Qt::Key_End, Qt::ShiftModifier);
    Key(Qt::Key_Delete);
  }
  void FocusElsewhere() { form->Button[5]->SetFocus(); }

  static std::uint16_t A() { return bitcalc::core::BoolStore.RowToWord(bitcalc::core::RowA); }
  static std::uint16_t B() { return bitcalc::core::BoolStore.RowToWord(bitcalc::core::RowB); }
  // The value the switches of an operand show.
  std::uint16_t SwitchesA() const { return SwitchValue(1); }
  std::uint16_t SwitchesB() const { return SwitchValue(17); }
  std::uint16_t Leds() const {
    std::uint16_t v = 0;
    for (int i = 0; i < 16; ++i) v |= std::uint16_t(form->BitLED[i]->Checked()) << i;
    return v;
  }
  static std::string Shown(const bitcalc::framework::TControl* c) {
    return bitcalc::framework::CaptionText(c->Caption());
  }

  // Sets A through its decimal field, the way a user would.
  void EnterA(const char* decimal) {
    Focus(form->NumSpinEdit4);
    PasteOverAll(decimal);
    FocusElsewhere();
  }

  // Sets an operand from 0 by clicking the switches of its set bits; first is
  // 1 for A, 17 for B.
  void SetBySwitches(int first, std::uint16_t value) {
    for (int i = 0; i < 16; ++i)
      if (value >> i & 1) ClickSwitch(first + i);
  }

  // The window agrees with itself: switches and both fields show the
  // operands, and the LEDs and every readout equal a fresh evaluation.
  void ExpectInStep() const {
    EXPECT_EQ(SwitchesA(), A());
    EXPECT_EQ(SwitchesB(), B());
    EXPECT_EQ(form->NumSpinEdit4->Value(), A());
    EXPECT_EQ(form->NumSpinEdit5->Value(), A());
    EXPECT_EQ(form->NumSpinEdit1->Value(), B());
    EXPECT_EQ(form->NumSpinEdit2->Value(), B());
    ExpectReadoutsFresh();
  }
  void ExpectReadoutsFresh() const {
    bitcalc::core::TNBoolProc copy = bitcalc::core::BoolStore;
    const bitcalc::core::TEvaluation e =
        bitcalc::core::Evaluate(copy, form->StyledTrackBar1->Position());
    EXPECT_EQ(Leds(), e.Result);
    for (const bitcalc::core::TCaption& c : e.Captions) {
      auto* target =
          dynamic_cast<bitcalc::framework::TControl*>(form->FindComponent(std::string(c.Target)));
      ASSERT_NE(target, nullptr) << c.Target;
      EXPECT_EQ(Shown(target), bitcalc::framework::CaptionText(c.Text)) << c.Target;
    }
  }

  std::unique_ptr<bitcalc::main_window::TForm1> form;
  bitcalc::framework::TManualClock clock;
  ServiceSpy services;

 private:
  std::uint16_t SwitchValue(int first) const {
    std::uint16_t v = 0;
    for (int i = 0; i < 16; ++i)
      v |= std::uint16_t(form->BitToggleSwitch[first - 1 + i]->Checked()) << i;
    return v;
  }
};
