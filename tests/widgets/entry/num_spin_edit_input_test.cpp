#include <gtest/gtest.h>

#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>

#include "tests/widgets/entry/spin_edit_fixture.h"
#include "widgets/entry/num_up_down.h"

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

namespace {

// Records the dialog keys the form offers to its controls.
class DialogKeySink : public TWinControl {
 public:
  using TWinControl::TWinControl;
  bool DialogKey(std::uint16_t key, TShiftState) override {
    keys.push_back(key);
    return false;
  }
  std::vector<std::uint16_t> keys;
};

using SpinEditInput = SpinEditTest;

TEST_F(SpinEditInput, TypingDigitsChangesTheTextOncePerCharacter) {
  TNumSpinEdit* e = MakeField();
  Focus(e);
  Type("255");
  EXPECT_EQ(e->Text(), "255");
  EXPECT_EQ(changes[e], 3);
  EXPECT_TRUE(e->Modified());
  EXPECT_EQ(spy.Beeps(), 0);
}

TEST_F(SpinEditInput, ARefusedCharacterBeepsAndLeavesTheText) {
  TNumSpinEdit* hex = MakeField(vtHex);
  TNumSpinEdit* dec = MakeField(vtInteger, 50);
  Focus(hex);
  Type("g");
  EXPECT_EQ(hex->Text(), "0");  // the focus selected "0"; "g" did not replace it
  EXPECT_EQ(spy.Beeps(), 1);
  Type("aF");
  EXPECT_EQ(hex->Text(), "aF");  // lower case stays until the next write from code
  Focus(dec);
  Type("A");
  EXPECT_EQ(dec->Text(), "0");
  EXPECT_EQ(spy.Beeps(), 2);
  EXPECT_EQ(changes[dec], 0);
}

TEST_F(SpinEditInput, AnInputMethodsCharactersAreFilteredOneByOne) {
  TNumSpinEdit* hex = MakeField(vtHex);
  TNumSpinEdit* dec = MakeField(vtInteger, 50);
  QInputMethodEvent commit;
  Focus(hex);
  commit.setCommitString("1g2");
  QApplication::sendEvent(Focused(), &commit);
  EXPECT_EQ(hex->Text(), "12");
  EXPECT_EQ(changes[hex], 2);
  EXPECT_EQ(spy.Beeps(), 1);
  Focus(dec);
  commit.setCommitString(QString::fromUtf8("\uFF157"));  // a full-width 5, then 7
  QApplication::sendEvent(Focused(), &commit);
  EXPECT_EQ(dec->Text(), "7");
  EXPECT_EQ(spy.Beeps(), 2);
}

TEST_F(SpinEditInput, AMegabyteOfLeadingZerosReadsAsTheNumberAfterThem) {
  TNumSpinEdit* hex = MakeField(vtHex);
  Focus(hex);
  // As long as a field may get from the user: the zeros and the 1 fill it.
  QApplication::clipboard()->setText(QString((1 << 20) - 1, u'0') + u'1');
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(hex->Text().size(), 1u << 20);
  EXPECT_EQ(hex->Value(), 1);
}

TEST_F(SpinEditInput, ControlCharactersPassAndAPasteIsNotFiltered) {
  TNumSpinEdit* e = MakeField();
  Focus(e);
  QApplication::clipboard()->setText("$1F");
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(e->Text(), "$1F");
  EXPECT_EQ(e->Value(), 31);
  EXPECT_EQ(changes[e], 1);
  EXPECT_EQ(spy.Beeps(), 0);
  Key(Qt::Key_A, Qt::ControlModifier);  // select all, a control character too
  QApplication::clipboard()->setText("0x1F");
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(e->Value(), 31);
  EXPECT_EQ(spy.Beeps(), 0);
}

TEST_F(SpinEditInput, TheInputLimitRefusesAThirdTypedDigit) {
  TNumSpinEdit* hex = MakeField(vtHex);
  hex->SetMaxLength(2);
  Focus(hex);
  Type("123");
  EXPECT_EQ(hex->Text(), "12");
  EXPECT_EQ(changes[hex], 2);
  hex->SetValue(4096);
  EXPECT_EQ(hex->Text(), "1000");
}

TEST_F(SpinEditInput, EnterAndEscapeGoToTheFormAndEnterLeavesTheTextAlone) {
  auto* sink = Place(new DialogKeySink(form.get()), 150, 10, 20, 20);
  TNumSpinEdit* e = MakeField();
  Focus(e);
  Key(Qt::Key_Right);
  Type("7");
  changes.clear();
  Key(Qt::Key_Return);
  Key(Qt::Key_Escape);
  EXPECT_EQ(e->Text(), "07");
  EXPECT_EQ(changes[e], 0);
  EXPECT_EQ(sink->keys, (std::vector<std::uint16_t>{VK_RETURN, VK_ESCAPE}));
  EXPECT_EQ(spy.Beeps(), 0);
}

TEST_F(SpinEditInput, ArrowKeysStepAndEveryAutoRepeatStepsAgain) {
  TNumSpinEdit* e = MakeField();
  Focus(e);
  Key(Qt::Key_Up);
  EXPECT_EQ(e->Text(), "1");
  RepeatedKey(Qt::Key_Up);
  RepeatedKey(Qt::Key_Up);
  EXPECT_EQ(e->Text(), "3");
  Key(Qt::Key_Down);
  EXPECT_EQ(e->Text(), "2");
  EXPECT_EQ(changes[e], 4);
  EXPECT_EQ(Focused(), e->Editor());  // the arrows were the field's, not navigation

  e->SetArrowKeys(false);
  Key(Qt::Key_Up);
  EXPECT_EQ(e->Text(), "2");
}

TEST_F(SpinEditInput, WithTheEditorOffNoKeyCutOrPasteChangesTheText) {
  TNumSpinEdit* e = MakeField();
  e->SetValue(123);
  e->SetEditorEnabled(false);
  Focus(e);
  changes.clear();
  Type("5");
  Key(Qt::Key_Backspace);
  EXPECT_EQ(spy.Beeps(), 2);
  Key(Qt::Key_Delete);
  QApplication::clipboard()->setText("9");
  Key(Qt::Key_V, Qt::ControlModifier);
  Key(Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(e->Text(), "123");
  EXPECT_EQ(changes[e], 0);
  Key(Qt::Key_Up);  // the arrows still step
  EXPECT_EQ(e->Text(), "124");
}

TEST_F(SpinEditInput, AReadOnlyFieldIgnoresCutAndPaste) {
  TNumSpinEdit* e = MakeField();
  e->SetValue(77);
  e->SetReadOnly(true);
  Focus(e);
  QApplication::clipboard()->setText("9");
  Key(Qt::Key_X, Qt::ControlModifier);
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(e->Text(), "77");
  EXPECT_EQ(QApplication::clipboard()->text(), "9");
}

TEST_F(SpinEditInput, EnteringTheFieldSelectsItsText) {
  TNumSpinEdit* e = MakeField();
  e->SetValue(4321);
  Focus(e);
  EXPECT_EQ(e->SelText(), "4321");
  e->SetAutoSelect(false);
  TNumSpinEdit* other = MakeField(vtInteger, 50);
  Focus(other);
  e->SetFocus();
  EXPECT_EQ(e->SelLength(), 0);
}

TEST_F(SpinEditInput, LeavingAFieldOutsideTheRangeClampsIt) {
  TNumSpinEdit* e = MakeField();
  TNumSpinEdit* other = MakeField(vtInteger, 50);
  Focus(e);
  Type("-5");
  changes.clear();
  Focus(other);
  EXPECT_EQ(e->Text(), "0");
  EXPECT_EQ(changes[e], 1);

  Focus(e);
  Type("70000");
  Focus(other);
  EXPECT_EQ(e->Text(), "65535");

  Focus(e);
  Type("+");  // unparsable: reads MinValue, which is in range, so it stays
  changes.clear();
  Focus(other);
  EXPECT_EQ(e->Text(), "+");
  EXPECT_EQ(changes[e], 0);
}

TEST_F(SpinEditInput, APressOnTheButtonFocusesAndSelectsBeforeTheStep) {
  TNumSpinEdit* e = MakeField();
  e->SetValue(41);
  std::vector<std::string> log;
  e->OnEnter = [&](TObject*) { log.push_back("enter, selected " + e->SelText()); };
  e->OnChange = [&](TObject*) { log.push_back("change to " + e->Text()); };
  e->OnTopClick = [&](TObject*) { log.push_back("top click"); };
  QTest::mousePress(e->SpinButton(), Qt::LeftButton, {}, QPoint(6, 6));
  QTest::mouseRelease(e->SpinButton(), Qt::LeftButton, {}, QPoint(6, 6));
  EXPECT_EQ(log, (std::vector<std::string>{"enter, selected 41", "change to 42", "top click"}));
  EXPECT_EQ(Focused(), e->Editor());
}

TEST_F(SpinEditInput, TheButtonRepeatsStepsWhileHeld) {
  TNumSpinEdit* e = MakeField();
  TNumSpinButton* b = e->SpinButton();
  const QPoint bottom(b->Width() - 6, b->Height() - 6);
  e->SetValue(20);
  changes.clear();
  QTest::mousePress(b, Qt::LeftButton, {}, bottom);
  clock.Advance(1050);
  QTest::mouseRelease(b, Qt::LeftButton, {}, bottom);
  EXPECT_EQ(e->Text(), "12");
  EXPECT_EQ(changes[e], 8);
}

TEST_F(SpinEditInput, ADoubleClickOnTheButtonStepsTwice) {
  TNumSpinEdit* e = MakeField();
  TNumSpinButton* b = e->SpinButton();
  QTest::mousePress(b, Qt::LeftButton, {}, QPoint(6, 6));
  QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(6, 6));
  QTest::mouseDClick(b, Qt::LeftButton, {}, QPoint(6, 6));
  QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(6, 6));
  EXPECT_EQ(e->Text(), "2");
}

TEST_F(SpinEditInput, DisablingTheFieldDisablesItsButton) {
  TNumSpinEdit* e = MakeField();
  e->SetEnabled(false);
  EXPECT_FALSE(e->SpinButton()->Enabled());
  QTest::mouseClick(e->SpinButton(), Qt::LeftButton, {}, QPoint(6, 6));
  EXPECT_EQ(e->Text(), "0");
  e->SetEnabled(true);
  EXPECT_TRUE(e->SpinButton()->Enabled());
}

TEST_F(SpinEditInput, TheStandardUpDownStepsAndFocusesTheField) {
  TNumSpinEdit* e = MakeField();
  e->SetButtonKind(bkStandard);
  ASSERT_NE(e->UpDownControl(), nullptr);
  EXPECT_EQ(e->SpinButton(), nullptr);
  EXPECT_EQ(e->ButtonHost(), nullptr);
  TNumUpDown* arrows = e->UpDownControl();
  QTest::mouseClick(arrows, Qt::LeftButton, {}, QPoint(5, 2));
  EXPECT_EQ(e->Text(), "1");
  EXPECT_EQ(Focused(), e->Editor());
  QTest::mouseClick(arrows, Qt::LeftButton, {}, QPoint(5, arrows->height() - 2));
  QTest::mouseClick(arrows, Qt::LeftButton, {}, QPoint(5, arrows->height() - 2));
  EXPECT_EQ(e->Text(), "0");
  EXPECT_EQ(e->UpDownControl()->Position(), 0);
  EXPECT_EQ(changes[e], 2);
}

}  // namespace
