#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "framework/runtime/form.h"
#include "framework/runtime/screen.h"

using namespace bitcalc::framework;

TEST(Form, AToolWindowKeepsItsClientSizeAndSitsInTheMiddleOfTheScreen) {
  TForm form(nullptr);
  form.SetBorderStyle(bsToolWindow);
  form.SetPosition(poScreenCenter);
  form.SetClientSize(300, 200);
  form.Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  EXPECT_TRUE(form.windowFlags() & Qt::Tool);
  EXPECT_EQ(form.ClientWidth(), 300);
  EXPECT_EQ(form.minimumSize(), form.maximumSize());
  const TRect area = Screen->WorkAreaRect();
  const QRect frame = form.frameGeometry();
  // The work area's centre in whole pixels, as the form centres itself.
  const int centreX = area.Left + area.Width() / 2;
  const int centreY = area.Top + area.Height() / 2;
  EXPECT_NEAR(frame.center().x(), centreX, 1);
  EXPECT_NEAR(frame.center().y(), centreY, 1);
}

TEST(Form, StayOnTopAndBorderlessVariantsSetTheirWindowFlags) {
  TForm form(nullptr);
  form.SetBorderStyle(bsNone);
  form.SetFormStyle(fsStayOnTop);
  EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST(Form, ShowAndHideRaiseTheirEventsAndTheCaptionBecomesTheTitle) {
  TForm form(nullptr);
  int shown = 0, hidden = 0;
  form.OnShow = [&](TObject*) { ++shown; };
  form.OnHide = [&](TObject*) { ++hidden; };
  form.SetCaption(std::string("Kalkula\xE8ka\0tail", 14));
  form.Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  form.Hide();
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(hidden, 1);
  EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Kalkula\u010Dka"));
}

TEST(Form, ActivationIsReported) {
  TForm first(nullptr), second(nullptr);
  int activated = 0, deactivated = 0;
  first.OnActivate = [&](TObject*) { ++activated; };
  first.OnDeactivate = [&](TObject*) { ++deactivated; };
  first.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&first));
  EXPECT_EQ(activated, 1);
  second.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&second));
  EXPECT_EQ(deactivated, 1);
}

// Visible stays true to the screen whichever way a window went: a window
// closed by the user comes back with Show(). A shown control moved to another
// window stays shown there.
TEST(Form, VisibleFollowsEveryWayOfShowingAndHiding) {
  TForm form(nullptr), other(nullptr);
  form.Show();
  form.close();
  EXPECT_FALSE(form.Visible());
  form.Show();
  EXPECT_TRUE(form.isVisible());
  static_cast<QWidget&>(form).hide();
  EXPECT_FALSE(form.Visible());

  auto* control = new TWinControl(nullptr);
  control->SetParent(&form);
  form.Show();
  other.Show();
  ASSERT_TRUE(control->isVisible());
  control->SetParent(&other);
  EXPECT_TRUE(control->Visible());
  EXPECT_TRUE(control->isVisible());
}
