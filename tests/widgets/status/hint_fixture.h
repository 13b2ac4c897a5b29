#pragma once

#include <QBuffer>
#include <QImage>
#include <QTest>
#include <memory>
#include <string>

#include "framework/raster/bitmap.h"
#include "framework/runtime/application.h"
#include "framework/runtime/timer.h"
#include "tests/support/shown_form.h"
#include "widgets/status/styled_office_hint.h"
#include "widgets/status/styled_office_hint_window.h"

// A 24-bit Windows bitmap file of w x h pixels in fill, whose bottom-left
// pixel is key (the colour drawn transparent).
inline std::string BitmapFile(int w, int h, QColor fill, QColor key) {
  QImage image(w, h, QImage::Format_RGB888);
  image.fill(fill);
  image.setPixelColor(0, h - 1, key);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "BMP");
  return bytes.toStdString();
}

// An application with the window's hint timing on a manual clock, a shown
// form as its main form, and the window's office hint on it.
class HintTest : public ShownFormTest {
 protected:
  void SetUp() override {
    app = std::make_unique<bitcalc::framework::TApplication>();
    app->SetHintHidePause(50000);
    ShownFormTest::SetUp();
    app->SetMainForm(form.get());
    hint = new bitcalc::widgets::TStyledOfficeHint(form.get());
    hint->Font().SetName("Tahoma");
    hint->SetHintColor(bitcalc::framework::RGB(225, 226, 236));
    hint->SetHintColorTo(bitcalc::framework::RGB(152, 150, 179));
    hint->SetHintWidth(240);
    hint->SetHintHelpText("Zapraszamy");
    hint->SetHintHelpLineColor(bitcalc::framework::RGB(124, 124, 148));
  }
  void TearDown() override {
    ShownFormTest::TearDown();
    app.reset();
  }

  // The office hint window on screen, or nullptr.
  bitcalc::widgets::TStyledOfficeHintWindow* Shown() const {
    auto* w = dynamic_cast<bitcalc::widgets::TStyledOfficeHintWindow*>(app->ShownHint());
    return w && w->isVisible() ? w : nullptr;
  }
  // Rests the mouse at p in w. Two moves: the platform drops a move to
  // where the mouse already is.
  static void Hover(QWidget* w, QPoint p) {
    QTest::mouseMove(w, p + QPoint(1, 0));
    QTest::mouseMove(w, p);
  }
  // The width of text in the hint's font.
  int HintTextWidth(const std::string& text) const {
    bitcalc::framework::TBitmap measure(1, 1);
    hint->AssignDrawingFont(measure.Canvas().Font());
    return measure.Canvas().TextWidth(text);
  }

  bitcalc::framework::TManualClock clock;
  std::unique_ptr<bitcalc::framework::TApplication> app;
  bitcalc::widgets::TStyledOfficeHint* hint = nullptr;
};
