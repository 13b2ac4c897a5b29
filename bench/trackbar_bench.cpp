#include <benchmark/benchmark.h>

#include <QImage>

#include "framework/runtime/form.h"
#include "tests/widgets/trackbar/window_settings.h"

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

namespace {

// One full paint of the window's operation selector, through its paint event.
void BM_TrackBarPaint(benchmark::State& state) {
  TForm form(nullptr);
  form.SetClientSize(80, 160);
  auto* bar = new TStyledTrackBar(&form);
  bar->SetParent(&form);
  ApplyWindowSettings(*bar);
  QImage image(bar->size(), QImage::Format_RGB32);
  for (auto _ : state) {
    bar->render(&image);
    benchmark::DoNotOptimize(image.bits());
  }
}
BENCHMARK(BM_TrackBarPaint);

}  // namespace
