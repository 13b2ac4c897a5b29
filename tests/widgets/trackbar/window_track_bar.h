#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "tests/support/pixels.h"
#include "tests/support/shown_form.h"
#include "tests/widgets/trackbar/window_settings.h"

// The colour the form shows behind the track bar.
inline constexpr bitcalc::framework::TColor kParent = bitcalc::framework::RGB(30, 160, 90);

// The window's track bar on a shown form, loaded the way the window loads
// its layout, with every OnChange counted.
class WindowTrackBar : public ShownFormTest {
 protected:
  void SetUp() override {
    ShownFormTest::SetUp();
    form->SetColor(kParent);
    bar = new bitcalc::widgets::TStyledTrackBar(form.get());
    form->BeginLoading();
    bar->SetParent(form.get());
    bar->OnChange = [this](bitcalc::framework::TObject* sender) {
      EXPECT_EQ(sender, bar);
      changes.push_back(bar->Position());
    };
    ApplyWindowSettings(*bar);
    form->EndLoading();
    QApplication::processEvents();
  }

  // The control as the form shows it, painted afresh.
  QImage Image() const { return form.Shot(bar); }

  bitcalc::widgets::TStyledTrackBar* bar = nullptr;
  std::vector<int> changes;  // Position at every OnChange
};
