#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <memory>

#include "core/n_bool_proc.h"
#include "main_window/form1.h"
#include "widgets/bits/bit_toggle_switch.h"
#include "widgets/entry/num_spin_edit.h"
#include "widgets/status/styled_office_status_bar.h"

using namespace bitcalc::core;
using namespace bitcalc::main_window;
using namespace bitcalc::widgets;

namespace {

// The calculator's window as the program builds it, shown off screen.
std::unique_ptr<TForm1> ShownWindow() {
  CreateBoolStore();
  auto form = std::make_unique<TForm1>(nullptr);
  form->Show();
  QApplication::processEvents();
  return form;
}

// One click on A's lowest switch, from the press to the end of the handler
// chain: the switch toggles, its handler copies the switches into A's row and
// sets the decimal field, whose change handler stores the row and sets the
// hexadecimal twin (its handler runs nested), the row goes back onto the
// switches, and each of the three handlers evaluates, setting the LEDs and the
// twenty readouts. The window is never shown, so nothing paints: the controls
// skip their direct drawing and their invalidations are dropped.
void BM_SwitchClick(benchmark::State& state) {
  CreateBoolStore();
  TForm1 form(nullptr);
  TBitToggleSwitch* s = form.BitToggleSwitch[0];
  const int before = form.EvaluationCount();
  quint64 time = 0;
  for (auto _ : state) {
    // The half the lever is not in; presses a second apart, so none is the
    // second of a double click.
    const QPoint p(8, s->Checked() ? 24 : 8);
    time += 1000;
    QMouseEvent press(QEvent::MouseButtonPress, p, s->mapToGlobal(p), Qt::LeftButton,
                      Qt::LeftButton, {});
    QMouseEvent release(QEvent::MouseButtonRelease, p, s->mapToGlobal(p), Qt::LeftButton,
                        Qt::NoButton, {});
    press.setTimestamp(time);
    release.setTimestamp(time);
    QApplication::sendEvent(s, &press);
    QApplication::sendEvent(s, &release);
  }
  const auto a = BoolStore.RowToWord(RowA);
  if (form.EvaluationCount() - before < state.iterations() || (a & 1) != s->Checked() ||
      form.NumSpinEdit5->Value() != a)
    state.SkipWithError("the click did not go through the handlers");
}
BENCHMARK(BM_SwitchClick)->Unit(benchmark::kMicrosecond);

// The whole window painted into an image through the paint events of the
// window and every control on it.
void BM_WindowPaint(benchmark::State& state) {
  const auto form = ShownWindow();
  QImage image(form->size(), QImage::Format_RGB32);
  image.fill(Qt::magenta);
  for (auto _ : state) {
    form->render(&image);
    benchmark::DoNotOptimize(image.bits());
  }
  const QRgb unpainted = QColor(Qt::magenta).rgb();
  if (image.pixel(2, 2) == unpainted || image.pixel(image.rect().center()) == unpainted)
    state.SkipWithError("the window did not paint");
}
BENCHMARK(BM_WindowPaint)->Unit(benchmark::kMicrosecond);

// The window's status bar: its three panels laid out and painted, rich text
// and gloss.
void BM_StatusPanelsMarkup(benchmark::State& state) {
  const auto form = ShownWindow();
  TStyledOfficeStatusBar* bar = form->ad1;
  QImage image(bar->size(), QImage::Format_RGB32);
  image.fill(Qt::magenta);
  for (auto _ : state) {
    bar->render(&image);
    benchmark::DoNotOptimize(image.bits());
  }
  if (bar->Panels().Count() != 3 || image.pixel(image.rect().center()) == QColor(Qt::magenta).rgb())
    state.SkipWithError("the bar did not paint its three panels");
}
BENCHMARK(BM_StatusPanelsMarkup)->Unit(benchmark::kMicrosecond);

}  // namespace
