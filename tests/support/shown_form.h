#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <memory>

#include "framework/runtime/form.h"

// A form shown on the test screen and made the active window, so that
// controls placed on it take the focus and get real key and mouse events.
class ShownForm {
 public:
  explicit ShownForm(int width = 320, int height = 200)
      : form_(std::make_unique<bitcalc::framework::TForm>(nullptr)) {
    form_->SetBorderStyle(bitcalc::framework::bsSingle);
    form_->SetClientSize(width, height);
  }

  bitcalc::framework::TForm* operator->() const { return form_.get(); }
  bitcalc::framework::TForm& operator*() const { return *form_; }
  bitcalc::framework::TForm* get() const { return form_.get(); }
  void reset() { form_.reset(); }

  // The form's pixels under control, as shown: graphic controls have no
  // background of their own, so they are grabbed together with the form.
  QImage Shot(const QWidget* control) const {
    return form_->grab(QRect(control->mapTo(form_.get(), QPoint(0, 0)), control->size())).toImage();
  }

  // Shows the form and waits until it is exposed and active.
  bool Show() {
    form_->Show();
    QApplication::setActiveWindow(form_.get());
    return QTest::qWaitForWindowExposed(form_.get()) && QTest::qWaitForWindowActive(form_.get());
  }

 private:
  std::unique_ptr<bitcalc::framework::TForm> form_;
};

// A fixture with a shown form to parent the controls under test.
class ShownFormTest : public ::testing::Test {
 protected:
  ShownFormTest() : form(240, 160) {}
  void SetUp() override { ASSERT_TRUE(form.Show()); }
  void TearDown() override { form.reset(); }

  template <typename T>
  T* Place(T* control, int left, int top, int width, int height) {
    control->SetParent(form.get());
    control->SetBounds(left, top, width, height);
    return control;
  }

  ShownForm form;
};
