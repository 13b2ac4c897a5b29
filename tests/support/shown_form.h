#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <memory>

#include "framework/form.h"

// A fixture with an empty form on screen (the offscreen screen in tests), to
// parent the controls under test so that they receive real input and paint.
class ShownFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm>(nullptr);
    form->SetClientSize(240, 160);
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  }
  void TearDown() override { form.reset(); }

  template <typename T>
  T* Place(T* control, int left, int top, int width, int height) {
    control->SetParent(form.get());
    control->SetBounds(left, top, width, height);
    return control;
  }

  std::unique_ptr<TForm> form;
};
