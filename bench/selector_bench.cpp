#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>
#include <string>

#include "framework/runtime/form.h"
#include "widgets/entry/selector_drop_down_window.h"
#include "widgets/entry/styled_character_selector.h"
#include "widgets/entry/styled_selector_panel.h"

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

namespace {

// A shown window with one selector set up as the calculator sets up its four.
struct SelectorOnForm {
  SelectorOnForm() : form(std::make_unique<TForm>(nullptr)) {
    form->SetClientSize(300, 200);
    selector = new TStyledCharacterSelector(form.get());
    selector->SetParent(form.get());
    selector->SetBounds(20, 20, 9, 27);
    selector->SetButtonsPerRow(16);
    selector->CharFont().SetHeight(-16);
    Fill(*selector);
    form->Show();
    QApplication::processEvents();
  }

  // The 256 growing assignments the window's creation makes per selector.
  static void Fill(TStyledCharacterSelector& s) {
    std::string text;
    s.SetCharacters(text);
    for (int i = 0; i < 256; ++i) s.SetCharacters(text += char(i));
  }

  std::unique_ptr<TForm> form;
  TStyledCharacterSelector* selector;
};

// Opening the grid: the items copied, laid out twice, the window placed and
// shown, and all 256 cells painted once.
void BM_SelectorOpen(benchmark::State& state) {
  SelectorOnForm f;
  for (auto _ : state) {
    f.selector->DropDown();
    f.selector->Panel()->repaint();
    state.PauseTiming();
    f.selector->DropDownWindow()->CloseDropDown();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_SelectorOpen)->Unit(benchmark::kMicrosecond);

// One selector's share of start-up: 256 assignments of a growing text.
void BM_SelectorFill(benchmark::State& state) {
  TStyledCharacterSelector selector(nullptr);
  for (auto _ : state) {
    SelectorOnForm::Fill(selector);
    benchmark::DoNotOptimize(selector.Characters());
  }
}
BENCHMARK(BM_SelectorFill)->Unit(benchmark::kMicrosecond);

}  // namespace
