#include <QApplication>
#include <QImage>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "framework/raster/bitmap.h"
#include "framework/runtime/platform_setup.h"
#include "widgets/status/markup_renderer.h"

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

// Arbitrary markup laid out or painted in an arbitrary frame, hit-tested at
// an arbitrary point. The input starts with six 32-bit numbers (the frame and
// the hit point) and a flag byte; the rest is the markup. Mostly the numbers
// are folded into a panel-sized area, sometimes they are taken whole.
namespace {

TBitmap* g_bitmap;
TImageList* g_images;
TPictureContainer* g_pictures;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  PrepareQtEnvironment();
  new QApplication(*argc, *argv);  // lives as long as the process
  FinishQtSetup();
  g_bitmap = new TBitmap(120, 40);
  QImage red(10, 10, QImage::Format_ARGB32);
  red.fill(Qt::red);
  g_images = new TImageList;
  g_images->Add(red);
  g_pictures = new TPictureContainer;
  g_pictures->Add("pic", red);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kHeader = 6 * sizeof(std::int32_t) + 1;
  if (size < kHeader) return 0;
  std::int32_t v[6];
  std::memcpy(v, data, sizeof v);
  const std::uint8_t flags = data[sizeof v];
  const std::string text(reinterpret_cast<const char*>(data) + kHeader, size - kHeader);
  const bool whole = flags & 0x80;
  const TRect frame = whole ? TRect{v[0], v[1], v[2], v[3]}
                            : TRect{v[0] % 64, v[1] % 32, v[2] % 200, v[3] % 60};
  const int hitX = (flags & 0x40) ? v[4] : v[4] % 200;
  const int hitY = (flags & 0x40) ? v[5] : v[5] % 60;

  TCanvas& canvas = g_bitmap->Canvas();
  canvas.Font().SetName("Tahoma");
  canvas.Font().SetHeight(-11);
  canvas.Font().SetStyle(0);
  canvas.Font().SetColor(clBlack);
  canvas.Brush().SetStyle(bsClear);
  std::string anchor;
  int width = 0;
  int height = 0;
  DrawMarkup(canvas, text, frame, (flags & 1) ? mmPaint : mmLayoutOnly, hitX, hitY, flags & 2,
             clBlue, flags & 4, g_images, g_pictures, anchor, width, height);
  // The renderer hands the canvas back as it found it and always measures.
  if (canvas.Font().Name() != "Tahoma" || canvas.Font().Height() != -11) std::abort();
  if (height <= 0 || width < 0) std::abort();
  return 0;
}
