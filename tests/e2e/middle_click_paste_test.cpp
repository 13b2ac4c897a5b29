// The X11 selection pasted by a real middle click: another client (xclip)
// owns PRIMARY, the X server (through xdotool's XTEST input) presses the
// middle button over a field, and the text must take the field's own rules.
// Runs under Xvfb only; ctest starts it there.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>
#include <QTest>
#include <memory>

#include "core/n_bool_proc.h"
#include "main_window/form1.h"
#include "tests/support/service_spy.h"
#include "widgets/entry/num_spin_edit.h"

using namespace bitcalc;
using bitcalc::widgets::TNumSpinEdit;

namespace {

class MiddleClickPaste : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(QGuiApplication::platformName(), "xcb") << "this test needs a real X server";
    core::CreateBoolStore();
    form = std::make_unique<main_window::TForm1>(nullptr);
    form->move(0, 0);
    form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  }
  void TearDown() override {
    if (owner.state() != QProcess::NotRunning) {
      owner.kill();
      owner.waitForFinished();
    }
    form.reset();
  }

  // xclip owns PRIMARY with the text for as long as it runs.
  void Select(const QByteArray& text) {
    owner.start("xclip", {"-quiet", "-selection", "primary", "-in"});
    ASSERT_TRUE(owner.waitForStarted()) << "xclip is missing";
    owner.write(text);
    owner.closeWriteChannel();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QGuiApplication::clipboard()->text(QClipboard::Selection) == text; }, 5000));
  }

  // A middle click by the X server at the end of the field's text.
  static void MiddleClick(TNumSpinEdit* field) {
    const QPoint at = field->mapToGlobal(QPoint(field->Width() / 2, field->Height() / 2));
    const int status = QProcess::execute(
        "xdotool", {"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "2"});
    ASSERT_EQ(status, 0) << "xdotool failed";
  }

  static bool TextBecomes(TNumSpinEdit* field, const char* text) {
    return QTest::qWaitFor([&] { return field->Text() == text; }, 5000);
  }

  std::unique_ptr<main_window::TForm1> form;
  QProcess owner;
  ServiceSpy spy;
};

// B's decimal field takes three characters: the selection is cut to them,
// with the beep a refused character gives, and B follows.
TEST_F(MiddleClickPaste, IsCutToTheFieldsInputLimit) {
  form->NumSpinEdit1->SetText("");
  Select("65535");
  MiddleClick(form->NumSpinEdit1);
  EXPECT_TRUE(TextBecomes(form->NumSpinEdit1, "655")) << form->NumSpinEdit1->Text();
  EXPECT_EQ(form->NumSpinEdit2->Text(), "28F");
  EXPECT_EQ(spy.Beeps(), 1);
}

// Only the first line of a selection enters, and characters the code page
// lacks arrive as '?'.
TEST_F(MiddleClickPaste, TakesTheFirstLineInTheCodePage) {
  form->NumSpinEdit4->SetText("");
  Select(QString::fromUtf8("12\u2192\n34").toUtf8());
  MiddleClick(form->NumSpinEdit4);
  EXPECT_TRUE(TextBecomes(form->NumSpinEdit4, "12?")) << form->NumSpinEdit4->Text();
  EXPECT_EQ(spy.Beeps(), 0);
}

}  // namespace
