#include <benchmark/benchmark.h>

#include <QImage>

#include "framework/raster/bitmap.h"
#include "widgets/status/gradient_label.h"
#include "widgets/status/markup_renderer.h"

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

// The three panels of the status bar, side by side: each measured (as the
// bar does for aligned text and for the link under the mouse) and painted.
void BM_StatusPanelsMarkup(benchmark::State& state) {
  struct Panel {
    int left;
    int width;
    std::string text;
  };
  const Panel panels[] = {
      {0, 460,
       "<b>Rodazu</b> system sterowania i pomiar\xF3w dla amator\xF3w i profesjonalist\xF3w"},
      {460, 65, "<b>Freeware</b>"},
      {525, 100, " <a href=\"https://bitcalc.example.org/\">bitcalc.example.org</a>"},
  };
  TBitmap bitmap(625, 18);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Font().SetName("Tahoma");
  canvas.Font().SetHeight(-11);
  canvas.Font().SetColor(RGB(9, 32, 97));
  canvas.Brush().SetStyle(bsClear);
  std::string anchor;
  int width = 0, height = 0;
  for (auto _ : state) {
    for (const Panel& p : panels) {
      const TRect frame{p.left + 4, 2, p.left + p.width - 2, 18};
      DrawMarkup(canvas, p.text, frame, mmLayoutOnly, 0, 0, true, clBlue, false, nullptr, nullptr,
                 anchor, width, height);
      DrawMarkup(canvas, p.text, frame, mmPaint, 0, 0, true, clBlue, false, nullptr, nullptr,
                 anchor, width, height);
    }
    benchmark::DoNotOptimize(&bitmap);
  }
}
BENCHMARK(BM_StatusPanelsMarkup);

}  // namespace
