#include <benchmark/benchmark.h>

#include <cstdint>

#include "core/evaluation.h"
#include "core/n_bool_proc.h"

using namespace bitcalc::core;

namespace {

// One full evaluation as `policz` runs it, cycling through all eight
// operations so that no single branch is favoured.
void BM_Evaluate(benchmark::State& state) {
  TNBoolProc store;
  store.SetRowFromWord(RowA, 0xA5C3);
  store.SetRowFromWord(RowB, 0x0107);
  int position = 0;
  for (auto _ : state) {
    TEvaluation evaluation = Evaluate(store, position);
    benchmark::DoNotOptimize(evaluation);
    position = (position + 1) & 7;
  }
}
BENCHMARK(BM_Evaluate);

}  // namespace
