#include <benchmark/benchmark.h>

#include <QImage>

#include "widgets/status/gradient_label.h"

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

namespace {

// One paint of the window's widest readout: 193 x 23, byte colours, bold
// centred caption.
void BM_GradientLabelPaint(benchmark::State& state) {
  TGradientLabel label(nullptr);
  label.SetBounds(0, 0, 193, 23);
  label.SetAlignment(taCenter);
  label.SetLayout(tlCenter);
  label.SetColor(16777088);
  label.SetColorTo(16744448);
  label.Font().SetHeight(-13);
  label.Font().SetStyle(fsBold);
  label.SetCaption("165d  A5h");
  QImage image(193, 23, QImage::Format_RGB32);
  for (auto _ : state) {
    label.render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
  if (image.pixel(0, 0) != qRgb(128, 255, 255)) state.SkipWithError("the label did not paint");
}
BENCHMARK(BM_GradientLabelPaint);

}  // namespace
