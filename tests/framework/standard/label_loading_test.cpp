#include <gtest/gtest.h>

#include "framework/raster/canvas.h"
#include "framework/runtime/form.h"
#include "framework/standard/label.h"

using namespace bitcalc::framework;

// A label built while its window loads fits its caption once the window has
// loaded, in the font it ended up with.
TEST(LabelLoading, AnAutoSizedLabelFitsItsCaptionOnceItsWindowHasLoaded) {
  TForm form(nullptr);
  form.BeginLoading();
  auto* label = new TLabel(&form);
  label->SetParent(&form);
  label->SetBounds(4, 6, 10, 10);
  label->SetCaption("Hexadecimal");
  label->Font().SetName("Arial");
  label->Font().SetHeight(-19);
  form.FinishCreation();

  TCanvas canvas;
  canvas.Font().Assign(label->Font());
  EXPECT_EQ(label->BoundsRect(),
            Bounds(4, 6, canvas.TextWidth("Hexadecimal"), canvas.TextMetrics().Height));
}
