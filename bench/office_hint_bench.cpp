#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QImage>

#include "framework/raster/bitmap.h"
#include "framework/runtime/form.h"
#include "widgets/status/dummy_hint_control.h"
#include "widgets/status/office_hint_layout.h"
#include "widgets/status/styled_office_hint.h"

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

namespace {

std::string BitmapFile(int size) {
  QImage image(size, size, QImage::Format_RGB888);
  image.fill(Qt::blue);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "BMP");
  return bytes.toStdString();
}

// Sizing the window's largest hint, the maker's panel: title, four note lines
// beside a 32 x 32 picture (decoded afresh, as every showing does) and the
// help line.
void BM_OfficeHintSize(benchmark::State& state) {
  TForm form(nullptr);
  auto* hint = new TStyledOfficeHint(&form);
  hint->Font().SetName("Tahoma");
  hint->SetHintWidth(240);
  hint->SetHintHelpText("Zapraszamy");
  auto* carrier = new TDummyHintControl(&form);
  TStyledHintInfo info;
  info.Title = "PPHU Zavarer ";
  info.Notes = {"Oprogramowanie dla przemys\xb3u", "Systemy sterowania, oprogramowanie PLC",
                "Systemy kontroli i wspomagania produkcji", "Oprogramowanie na zam\xf3wienie"};
  info.Picture.LoadFromBytes(BitmapFile(32));
  info.ShowHelp = true;
  carrier->SetOfficeHint(info);
  std::string text;
  bool canShow = true;
  THintInfo request;
  request.HintControl = carrier;
  hint->ShowHint(text, canShow, request);

  TBitmap measure(1, 1);
  for (auto _ : state) {
    TRect r = OfficeHintBounds(measure.Canvas(), Rect(100, 100, 115, 115), *hint);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_OfficeHintSize);

}  // namespace
