#include <QKeyEvent>
#include <QKeySequence>
#include <QWheelEvent>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <random>
#include <sstream>

#include "framework/runtime/application.h"
#include "framework/standard/hint_window.h"
#include "tests/main_window/calculator_fixture.h"
#include "tests/support/thread_time.h"
#include "widgets/entry/selector_drop_down_window.h"
#include "widgets/entry/styled_character_selector.h"
#include "widgets/entry/styled_selector_panel.h"

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

// A seeded random user: clicks, drags, wheel turns, keys, typed and pasted
// text, focus changes, picks in the character grids, hints and timer ticks,
// all as real events. After each one it checks that the window is in step,
// apart from the states the program allows (see ExpectOperandInStep below).
//
//   BITCALC_MONKEY_EVENTS  how many events (default 3000)
//   BITCALC_MONKEY_SEED    the seed (always printed)
// Under ctest the seed is fixed, so that every run checks the same inputs;
// tools/monkey.sh picks a new one each time.
namespace {

constexpr long kCtestSeed = 20261210;

long EnvOr(const char* name, long fallback) {
  const char* v = std::getenv(name);
  return v && *v ? std::strtol(v, nullptr, 10) : fallback;
}

class Monkey : public CalculatorTest {
 protected:
  using Random = std::mt19937_64;

  // An application, so that resting the mouse and letting time pass brings
  // up the hints, as in the program.
  void SetUp() override {
    app_ = std::make_unique<TApplication>();
    CalculatorTest::SetUp();
    app_->SetMainForm(form.get());
  }
  void TearDown() override {
    CalculatorTest::TearDown();
    app_.reset();
  }

  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  bool Chance(int percent) { return Pick(100) < percent; }
  QPoint AnyPoint() { return {Pick(form->width()), Pick(form->height())}; }
  QPoint Inside(const TControl* c) {
    return c->geometry().topLeft() + QPoint(Pick(c->Width()), Pick(c->Height()));
  }
  TControl* AnySwitch() { return form->BitToggleSwitch[Pick(32)]; }

  // Texts a user might type or paste: numbers in and out of range, hex
  // digits, letters, control characters, non-ASCII, nothing, and a lot.
  QString AnyText() {
    static const char* const kSamples[] = {"0",    "7",     "255", "ff",    "05",    "70000", "-5",
                                           "FFFF", "1FFFF", "$1F", "0x1F",  " 12",   "12 ",   "abc",
                                           "1e3",  "1.5",   "+3",  "65535", "65536", "-0",    ""};
    switch (Pick(6)) {
      case 0:
        return QString::number(Pick(200000) - 1000);
      case 1:
        return QString::number(Pick(65536), 16);
      case 2: {
        QString s;
        for (int i = Pick(8); i > 0; --i) s += QChar(char16_t(Pick(0x2600)));
        return s;
      }
      case 3: {
        QString s;
        for (int i = Pick(6); i > 0; --i) s += QChar(char16_t(Pick(32)));
        return s;
      }
      case 4:
        return QString(Pick(20000), QChar(u"0123456789abcdefx"[Pick(17)]));
      default:
        return QString::fromLatin1(kSamples[Pick(std::size(kSamples))]);
    }
  }

  void Step() {
    const int kind = Pick(100);
    if (kind < 12) {
      Note("click", ClickAtRandom(Qt::LeftButton));
    } else if (kind < 24) {
      TControl* s = AnySwitch();
      Note("click switch " + s->Name());
      Click(s);
    } else if (kind < 28) {
      Note("right click", ClickAtRandom(Qt::RightButton));
    } else if (kind < 33) {
      DoubleClick();
    } else if (kind < 40) {
      Drag();
    } else if (kind < 45) {
      Wheel();
    } else if (kind < 62) {
      PressKey();
    } else if (kind < 68) {
      const QString text = AnyText().left(40);
      Note("type " + text.toStdString());
      if (QWidget* w = Focused()) TypeText(w, text);
    } else if (kind < 75) {
      const QString text = AnyText();
      Note("paste " + std::to_string(text.size()) + " characters: " + text.left(20).toStdString());
      QApplication::clipboard()->setText(text);
      if (QWidget* w = Focused()) QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
    } else if (kind < 80) {
      ChangeFocus();
    } else if (kind < 88) {
      PickCharacter();
    } else if (kind < 93) {
      const int ms = Pick(6000);
      Note("time passes " + std::to_string(ms) + " ms");
      clock.Advance(ms);
    } else {
      // Mostly over the status bar, whose panels have hints. Two moves: the
      // platform drops a move to where the mouse already is.
      const QPoint p = Chance(70) ? QPoint(Pick(form->width()), 305 + Pick(19)) : AnyPoint();
      const int rest = Chance(50) ? Pick(3000) : 0;
      Note("hover, resting " + std::to_string(rest) + " ms", p);
      QWidget* w = form->childAt(p);
      if (!w) w = form.get();
      QTest::mouseMove(w, w->mapFrom(form.get(), p) + QPoint(1, 0));
      QTest::mouseMove(w, w->mapFrom(form.get(), p));
      clock.Advance(rest);
    }
  }

  // Each character as the key press and release a keyboard would send for
  // it; characters without a key of their own come with Qt::Key_unknown.
  // Each is an input of its own, timed on its own.
  void TypeText(QWidget* w, const QString& text) {
    for (QChar ch : text) {
      const char16_t c = ch.unicode();
      int key = Qt::Key_unknown;
      if (c >= '0' && c <= '9') key = Qt::Key_0 + (c - '0');
      if (c >= 'a' && c <= 'z') key = Qt::Key_A + (c - 'a');
      if (c >= 'A' && c <= 'Z') key = Qt::Key_A + (c - 'A');
      QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(ch));
      QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(ch));
      QApplication::sendEvent(w, &press);
      QApplication::sendEvent(w, &release);
      Lap();
    }
  }

  QPoint ClickAtRandom(Qt::MouseButton button) {
    const QPoint p = AnyPoint();
    ClickAt(p, button);
    return p;
  }

  // A double click on a switch, the second press in the same spot or another.
  void DoubleClick() {
    TControl* target = Chance(70) ? AnySwitch() : nullptr;
    const QPoint first = target ? Inside(target) : AnyPoint();
    const QPoint second = target && Chance(50) ? Inside(target) : first;
    Note("double click", first);
    QWidget* w = form->childAt(first);
    if (!w) w = form.get();
    QTest::mousePress(w, Qt::LeftButton, {}, w->mapFrom(form.get(), first));
    QTest::mouseRelease(w, Qt::LeftButton, {}, w->mapFrom(form.get(), first));
    QTest::mouseDClick(w, Qt::LeftButton, {}, w->mapFrom(form.get(), second));
    QTest::mouseRelease(w, Qt::LeftButton, {}, w->mapFrom(form.get(), second));
    MaybeStale(w);
  }

  // A press, moves and a release somewhere: the thumb, a switch released off
  // itself, or anywhere.
  void Drag() {
    const int start = Pick(3);
    const QPoint from = start == 0   ? Inside(form->StyledTrackBar1)
                        : start == 1 ? Inside(AnySwitch())
                                     : AnyPoint();
    QPoint to = AnyPoint();
    if (Chance(10)) to += QPoint(Pick(2000) - 1000, Pick(2000) - 1000);
    Note("drag to " + std::to_string(to.x()) + "," + std::to_string(to.y()), from);
    QWidget* w = form->childAt(from);
    if (!w) w = form.get();
    QTest::mousePress(w, Qt::LeftButton, {}, w->mapFrom(form.get(), from));
    for (int i = 1; i <= 3; ++i)
      QTest::mouseMove(w, w->mapFrom(form.get(), from + (to - from) * i / 3));
    QTest::mouseRelease(w, Qt::LeftButton, {}, w->mapFrom(form.get(), to));
    MaybeStale(w);
  }

  void Wheel() {
    const QPoint local(Pick(49), Pick(133));
    const int delta = Chance(50) ? 120 : -120;
    Note("wheel " + std::to_string(delta));
    QWidget* w = form->StyledTrackBar1;
    QWheelEvent e(local, w->mapToGlobal(local), {}, {0, delta}, Qt::NoButton, {}, Qt::NoScrollPhase,
                  false);
    QApplication::sendEvent(w, &e);
  }

  void PressKey() {
    static const Qt::Key kKeys[] = {
        Qt::Key_0,        Qt::Key_1,      Qt::Key_5,      Qt::Key_9,      Qt::Key_A,
        Qt::Key_F,        Qt::Key_G,      Qt::Key_X,      Qt::Key_Minus,  Qt::Key_Plus,
        Qt::Key_Up,       Qt::Key_Down,   Qt::Key_Left,   Qt::Key_Right,  Qt::Key_PageUp,
        Qt::Key_PageDown, Qt::Key_Home,   Qt::Key_End,    Qt::Key_Delete, Qt::Key_Backspace,
        Qt::Key_Return,   Qt::Key_Escape, Qt::Key_Tab,    Qt::Key_Space,  Qt::Key_F2,
        Qt::Key_Period,   Qt::Key_Comma,  Qt::Key_Dollar, Qt::Key_E};
    const Qt::Key key = kKeys[Pick(std::size(kKeys))];
    Qt::KeyboardModifiers mods;
    if (Chance(10)) mods |= Qt::ShiftModifier;
    if (Chance(5)) mods |= Qt::ControlModifier;
    Note("key " + QKeySequence(key).toString().toStdString() + (mods ? " with modifiers" : ""));
    if (QWidget* w = Focused()) QTest::keyClick(w, key, mods);
  }

  void ChangeFocus() {
    TWinControl* const targets[] = {form->NumSpinEdit1,    form->NumSpinEdit2,
                                    form->NumSpinEdit4,    form->NumSpinEdit5,
                                    form->StyledTrackBar1, form->Button[Pick(11)]};
    TWinControl* target = targets[Pick(std::size(targets))];
    Note("focus " + target->Name());
    target->SetFocus();
  }

  // Opens a grid by clicking its selector and, mostly, picks a cell the way a
  // user does: onto it, press, release. A pick must take the cell under the
  // mouse into its byte: the low or high byte of A (as1, as2) or B (as3, as4).
  void PickCharacter() {
    TStyledCharacterSelector* const selectors[] = {form->as1, form->as2, form->as3, form->as4};
    const int which = Pick(4);
    TStyledCharacterSelector* s = selectors[which];
    Note("open " + s->Name());
    Click(s);
    TStyledSelectorPanel* panel = s->Panel();
    if (!panel || !s->DropDownWindow()->isVisible() || Chance(15)) return;
    const int code = Pick(256);
    const TRect r = panel->Items()[code].CellRect;
    const QPoint centre((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    const Qt::MouseButton button = Chance(80) ? Qt::LeftButton : Qt::RightButton;
    Note("pick " + std::to_string(code) + " in " + s->Name());
    MoveMouse(panel, QPoint(2, 2));
    MoveMouse(panel, centre);
    int picked = -1;
    const TNotifyEvent handler = s->OnSelect;
    s->OnSelect = [&](TObject* sender) {
      picked = s->SelectedChar();
      handler(sender);
    };
    QTest::mousePress(panel, button, {}, centre);
    QTest::mouseRelease(panel, button, {}, centre);
    s->OnSelect = handler;
    if (picked < 0) return;
    EXPECT_EQ(picked, code);
    EXPECT_EQ((which < 2 ? A() : B()) >> (which % 2 * 8) & 0xFF, code) << "byte of the pick";
  }

  // The press of a double click or of a drag on a switch may leave it showing
  // another state than its operand's row until that operand's next input.
  void MaybeStale(const QWidget* control) {
    for (int k = 1; k <= 32; ++k)
      if (form->BitToggleSwitch[k - 1] == control) (k <= 16 ? a_ : b_).stale = true;
  }

  // What is known of an operand from one input to the next.
  struct Operand {
    bool stale = false;  // its switches may show another state, see MaybeStale
    // After the last input: the row, and the decimal and hexadecimal fields.
    std::uint16_t row = 0;
    std::array<TSpinValue, 2> value{};
    std::array<bool, 2> empty{};
  };

  // The states the program allows to differ from the row, written down:
  // - a field emptied: the row and the twin keep the state they had, which
  //   may be the one below, even after the focus has left; while it stays
  //   empty they may also come into step again;
  // - a field holding a typed value outside 0-65535 while it keeps the
  //   focus: the row holds that value modulo 65536 or, when the twin's text
  //   changed, the twin's clamped value;
  // - switches after a double click or a drag that started on one of them,
  //   until the operand's next input brings them back into step.
  // Texts that stay unformatted ("ff", "05", pasted text that is no number)
  // agree by value, which is what is compared.
  void ExpectOperandInStep(const char* which, std::uint16_t row, TNumSpinEdit* decimal,
                           TNumSpinEdit* hex, std::uint16_t switches, Operand& known) {
    const std::array<TNumSpinEdit*, 2> fields{decimal, hex};
    TNumSpinEdit* holding = nullptr;
    for (TNumSpinEdit* f : fields) {
      const TSpinValue v = f->Value();
      if (form->focusWidget() == f->Editor() && !f->Text().empty() && (v < 0 || v > 65535))
        holding = f;
    }
    if (holding) {
      const TSpinValue v = holding->Value();
      const auto modulo = std::uint16_t(RoundHalfEven64(v) & 0xFFFF);
      const auto clamped = std::uint16_t(v < 0 ? 0 : 65535);
      EXPECT_TRUE(row == modulo || row == clamped) << which << " holding " << holding->Text();
    } else {
      for (int i = 0; i < 2; ++i) {
        TNumSpinEdit* f = fields[i];
        if (f->Text().empty()) continue;
        if (!fields[1 - i]->Text().empty()) {
          EXPECT_EQ(f->Value(), row) << which << " " << f->Name();
          continue;
        }
        const bool kept = row == known.row && f->Value() == known.value[i];
        const bool justEmptied = !known.empty[1 - i];
        EXPECT_TRUE(kept || (!justEmptied && f->Value() == row))
            << which << " " << f->Name() << " beside its emptied twin";
      }
    }
    known.row = row;
    for (int i = 0; i < 2; ++i) {
      known.value[i] = fields[i]->Value();
      known.empty[i] = fields[i]->Text().empty();
    }
    if (switches == row) known.stale = false;
    if (!known.stale) {
      EXPECT_EQ(switches, row) << which << " switches";
    }
  }

  void ExpectAllowedStates() {
    ExpectReadoutsFresh();
    ExpectOperandInStep("A", A(), form->NumSpinEdit4, form->NumSpinEdit5, SwitchesA(), a_);
    ExpectOperandInStep("B", B(), form->NumSpinEdit1, form->NumSpinEdit2, SwitchesB(), b_);
  }

  // Ends the processing of one input and starts the next. Processor time, not
  // the wall clock, so that other work on a shared machine cannot fail it.
  void Lap() {
    const double now = ThreadMs();
    const double ms = now - lapStart_;
    lapStart_ = now;
    slowest_ = std::max(slowest_, ms);
    EXPECT_LE(ms, 50.0) << "one input took too long";
  }

  void Note(const std::string& what, QPoint at = {-1, -1}) {
    std::ostringstream line;
    line << "#" << event_ << " " << what;
    if (at.x() >= 0) line << " at " << at.x() << "," << at.y();
    log_.push_back(line.str());
    if (log_.size() > 12) log_.pop_front();
  }
  std::string Log() const {
    std::string s;
    for (const std::string& l : log_) s += l + "\n";
    return s;
  }

  std::unique_ptr<TApplication> app_;
  Random rng_;
  unsigned long seed_ = 0;
  long event_ = 0;
  double lapStart_ = 0;
  double slowest_ = 0;
  Operand a_;
  Operand b_;
  std::deque<std::string> log_;
};

TEST_F(Monkey, RandomInputKeepsTheWindowInStep) {
  const long events = EnvOr("BITCALC_MONKEY_EVENTS", 3000);
  seed_ = static_cast<unsigned long>(EnvOr("BITCALC_MONKEY_SEED", kCtestSeed));
  std::printf("monkey: %ld events, seed %lu (BITCALC_MONKEY_SEED=%lu replays it)\n", events, seed_,
              seed_);
  std::fflush(stdout);
  rng_.seed(seed_);
  long hints = 0;
  for (event_ = 0; event_ < events; ++event_) {
    lapStart_ = ThreadMs();
    Step();
    QApplication::processEvents();
    Lap();
    ExpectAllowedStates();
    if (app_->ShownHint() && app_->ShownHint()->isVisible()) ++hints;
    if (HasFailure()) {
      ADD_FAILURE() << "seed " << seed_ << ", last events:\n" << Log();
      break;
    }
    if ((event_ + 1) % 100000 == 0) {
      std::printf("monkey: %ld events, slowest input so far %.1f ms\n", event_ + 1, slowest_);
      std::fflush(stdout);
    }
  }
  std::printf("monkey: done, %d evaluations, a hint up after %ld events, slowest input %.1f ms\n",
              form->EvaluationCount(), hints, slowest_);
}

}  // namespace
