#include "framework/standard/button.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "framework/standard/edit.h"
#include "tests/support/shown_form.h"

using namespace bitcalc::framework;

namespace {

class ButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    edit = new TEdit(form.get());
    edit->SetParent(form.get());
    ok = Make("&OK", 40, okClicks);
    cancel = Make("Cancel", 70, cancelClicks);
    other = Make("Other", 100, otherClicks);
    ok->SetDefault(true);
    cancel->SetCancel(true);
    ASSERT_TRUE(form.Show());
  }

  TButton* Make(const char* caption, int top, int& clicks) {
    auto* b = new TButton(form.get());
    b->SetParent(form.get());
    b->SetBounds(10, top, 75, 25);
    b->SetCaption(caption);
    b->OnClick = [&clicks, b](TObject* sender) {
      EXPECT_EQ(sender, b);
      ++clicks;
    };
    return b;
  }

  ShownForm form;
  TEdit* edit = nullptr;
  TButton* ok = nullptr;
  TButton* cancel = nullptr;
  TButton* other = nullptr;
  int okClicks = 0;
  int cancelClicks = 0;
  int otherClicks = 0;
};

TEST_F(ButtonTest, AMouseClickSpaceOrCodeClicksOnceEach) {
  EXPECT_TRUE(other->TabStop());
  QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, QPoint(40, 112));
  EXPECT_EQ(otherClicks, 1);
  EXPECT_TRUE(other->Focused());  // a click focuses the button
  QTest::keyClick(other->Widget(), Qt::Key_Space);
  EXPECT_EQ(otherClicks, 2);
  other->Click();
  EXPECT_EQ(otherClicks, 3);
  // A press that is released elsewhere is no click.
  QTest::mousePress(form->windowHandle(), Qt::LeftButton, {}, QPoint(40, 112));
  QTest::mouseRelease(form->windowHandle(), Qt::LeftButton, {}, QPoint(200, 180));
  EXPECT_EQ(otherClicks, 3);
  EXPECT_EQ(okClicks + cancelClicks, 0);
}

TEST_F(ButtonTest, DefaultAndCancelAnswerEnterAndEscapeFromAnotherControl) {
  edit->SetFocus();
  edit->SetText("typed");
  QTest::keyClick(edit->Editor(), Qt::Key_Return);
  EXPECT_EQ(okClicks, 1);
  QTest::keyClick(edit->Editor(), Qt::Key_Escape);
  EXPECT_EQ(cancelClicks, 1);
  EXPECT_EQ(edit->Text(), "typed");
  EXPECT_EQ(otherClicks, 0);

  // Without a default or cancel button the keys do nothing.
  ok->SetDefault(false);
  cancel->SetCancel(false);
  QTest::keyClick(edit->Editor(), Qt::Key_Return);
  QTest::keyClick(edit->Editor(), Qt::Key_Escape);
  EXPECT_EQ(okClicks, 1);
  EXPECT_EQ(cancelClicks, 1);
}

TEST_F(ButtonTest, EnterClicksTheFocusedButtonInsteadOfTheDefault) {
  other->SetFocus();
  QTest::keyClick(other->Widget(), Qt::Key_Return);
  EXPECT_EQ(otherClicks, 1);
  EXPECT_EQ(okClicks, 0);
  QTest::keyClick(other->Widget(), Qt::Key_Escape);
  EXPECT_EQ(cancelClicks, 1);
  EXPECT_EQ(otherClicks, 1);
}

TEST_F(ButtonTest, TheAcceleratorClicksAndEnterAndExitAreRaised) {
  std::vector<std::string> log;
  other->OnEnter = [&](TObject*) { log.push_back("enter"); };
  other->OnExit = [&](TObject*) { log.push_back("exit"); };
  other->SetFocus();
  edit->SetFocus();
  EXPECT_EQ(log, (std::vector<std::string>{"enter", "exit"}));

  // "&OK" shows "OK" with O as accelerator: Alt+O clicks.
  QTest::keyClick(edit->Editor(), Qt::Key_O, Qt::AltModifier);
  QTest::qWait(300);
  EXPECT_EQ(okClicks, 1);
}

}  // namespace
