#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTranslator>

#include "main_window/language.h"

// What following an English session adds to start-up: loading the compiled-in
// English catalogue and installing it, then removing it again. The floor, in
// the same run, installs and removes an empty translator, the part of the
// work that no catalogue can make cheaper; start-up under C loads nothing at
// all. The cost of a catalogue is the difference of the two.
namespace {

using bitcalc::main_window::TLanguage;
using bitcalc::main_window::TTranslation;

void BM_TranslatorFloor(benchmark::State& state) {
  for (auto _ : state) {
    QTranslator empty;
    benchmark::DoNotOptimize(QCoreApplication::installTranslator(&empty));
    QCoreApplication::removeTranslator(&empty);
  }
}
BENCHMARK(BM_TranslatorFloor)->Unit(benchmark::kMicrosecond);

template <TLanguage language>
void BM_TranslatorLoad(benchmark::State& state) {
  for (auto _ : state) {
    const TTranslation translation(language);
    if (!translation.Installed()) state.SkipWithError("the catalogue did not load");
    // The first look-up, which start-up makes for the window's first caption.
    benchmark::DoNotOptimize(QCoreApplication::translate("Readouts", "liczba ze znakiem: "));
  }
}
BENCHMARK_TEMPLATE(BM_TranslatorLoad, TLanguage::English)->Unit(benchmark::kMicrosecond);
// Polish sessions load the catalogue that names the controls in Polish.
BENCHMARK_TEMPLATE(BM_TranslatorLoad, TLanguage::Polish)->Unit(benchmark::kMicrosecond);

}  // namespace
