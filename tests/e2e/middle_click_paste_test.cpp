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
    StopOwner();
    form.reset();
  }
  void StopOwner() {
    if (owner.state() == QProcess::NotRunning) return;
    owner.kill();
    owner.waitForFinished();
  }

  // xclip owns PRIMARY with the text for as long as it runs.
  void Select(const QByteArray& text) {
    StopOwner();
    owner.start("xclip", {"-quiet", "-selection", "primary", "-in"});
    ASSERT_TRUE(owner.waitForStarted()) << "xclip is missing";
    owner.write(text);
    owner.closeWriteChannel();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return QGuiApplication::clipboard()->text(QClipboard::Selection) == text; }, 5000));
  }

  // A middle click by the X server at the end of the field's text.
  static void MiddleClick(widgets::TNumSpinEdit* field) {
    const QPoint at = field->mapToGlobal(QPoint(field->Width() / 2, field->Height() / 2));
    const int status = QProcess::execute(
        "xdotool", {"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "2"});
    ASSERT_EQ(status, 0) << "xdotool failed";
  }

  static bool TextBecomes(widgets::TNumSpinEdit* field, const char* text) {
    return QTest::qWaitFor([&] { return field->Text() == text; }, 5000);
  }

  std::unique_ptr<main_window::TForm1> form;
  QProcess owner;
  ServiceSpy spy;
};

// B's decimal field takes three characters of the selection, with the beep
// a refused character gives, and B follows; A's field takes the first line.
TEST_F(MiddleClickPaste, TakesTheFieldsRules) {
  form->NumSpinEdit1->SetText("");
  Select("65535");
  MiddleClick(form->NumSpinEdit1);
  EXPECT_TRUE(TextBecomes(form->NumSpinEdit1, "655")) << form->NumSpinEdit1->Text();
  EXPECT_EQ(form->NumSpinEdit2->Text(), "28F");
  EXPECT_EQ(spy.Beeps(), 1);

  form->NumSpinEdit4->SetText("");
  Select("12\n34");
  MiddleClick(form->NumSpinEdit4);
  EXPECT_TRUE(TextBecomes(form->NumSpinEdit4, "12")) << form->NumSpinEdit4->Text();
}

}  // namespace
