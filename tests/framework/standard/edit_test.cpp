#include "framework/standard/edit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <string>
#include <vector>

#include "tests/support/shown_form.h"
#include "tests/support/thread_time.h"

using namespace bitcalc::framework;

namespace {

// An edit that records every change notification with the text it saw.
class RecordingEdit : public TEdit {
 public:
  using TEdit::TEdit;
  std::vector<std::string> changes;
  int pastes = 0;
  int cuts = 0;
  bool refuse_clipboard = false;

  void PasteFromClipboard() override {
    ++pastes;
    if (!refuse_clipboard) TEdit::PasteFromClipboard();
  }
  void CutToClipboard() override {
    ++cuts;
    if (!refuse_clipboard) TEdit::CutToClipboard();
  }

 protected:
  void Change() override {
    changes.push_back(Text());
    TEdit::Change();
  }
};

class EditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    edit = new RecordingEdit(form.get());
    edit->SetParent(form.get());
    edit->SetBounds(10, 10, 120, 24);
    ASSERT_TRUE(form.Show());
    edit->SetFocus();
    ASSERT_TRUE(edit->Editor()->hasFocus());
  }

  QWidget* keys() const { return edit->Editor(); }
  void Type(const char* text) { QTest::keyClicks(keys(), text); }

  ShownForm form;
  RecordingEdit* edit = nullptr;
};

TEST_F(EditTest, EveryUserEditNotifiesOnceWithTheNewText) {
  Type("12");
  EXPECT_EQ(edit->changes, (std::vector<std::string>{"1", "12"}));
  QTest::keyClick(keys(), Qt::Key_Backspace);
  QTest::keyClick(keys(), Qt::Key_Home);
  QTest::keyClick(keys(), Qt::Key_Delete);
  EXPECT_EQ(edit->changes, (std::vector<std::string>{"1", "12", "1", ""}));
  // Deleting in an empty field changes nothing, so nothing is notified.
  QTest::keyClick(keys(), Qt::Key_Delete);
  QTest::keyClick(keys(), Qt::Key_Backspace);
  EXPECT_EQ(edit->changes.size(), 4u);
  EXPECT_TRUE(edit->Modified());
  // Undo puts the last text back, as one more change.
  QTest::keyClick(keys(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(edit->changes.back(), "1");
  EXPECT_EQ(edit->changes.size(), 5u);
}

TEST_F(EditTest, ProgramWritesNotifyOnceAndEqualWritesNotAtAll) {
  int events = 0;
  edit->OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, edit);
    ++events;
  };
  edit->SetText("abc");
  EXPECT_EQ(events, 1);
  EXPECT_EQ(edit->Editor()->text(), "abc");
  EXPECT_FALSE(edit->Modified());
  edit->SetText("abc");
  edit->SetCaption("abc");
  EXPECT_EQ(events, 1);
  edit->SetCaption("");
  EXPECT_EQ(events, 2);
  // Code page 1250 bytes survive the editor: 0x8A and 0x9A are S and s caron.
  edit->SetText("\x8A\x9A");
  EXPECT_EQ(edit->Editor()->text(), QString::fromUtf8("\u0160\u0161"));
  EXPECT_EQ(edit->Text(), "\x8A\x9A");
  EXPECT_EQ(events, 3);
}

TEST_F(EditTest, AHandlerWritingTheFieldRunsNestedAndEndsWhenTheTextStands) {
  // Typing a lower-case letter makes the handler rewrite it in upper case:
  // the write notifies once more from inside the handler, the next does not.
  edit->OnChange = [&](TObject*) {
    const QString upper = QString::fromStdString(edit->Text()).toUpper();
    edit->SetText(upper.toStdString());
  };
  Type("ab");
  EXPECT_EQ(edit->Text(), "AB");
  EXPECT_EQ(edit->changes, (std::vector<std::string>{"a", "A", "Ab", "AB"}));
}

TEST_F(EditTest, NothingIsNotifiedWhileLoading) {
  edit->BeginLoading();
  edit->SetText("loaded");
  edit->EndLoading();
  EXPECT_EQ(edit->Text(), "loaded");
  EXPECT_TRUE(edit->changes.empty());
}

TEST_F(EditTest, MaxLengthBoundsTypingAndPastingButNotProgramWrites) {
  edit->SetMaxLength(2);
  Type("123");
  EXPECT_EQ(edit->Text(), "12");
  EXPECT_EQ(edit->changes.size(), 2u);

  // A write from code is kept whole, and the field is then full for typing.
  edit->SetText("65535");
  EXPECT_EQ(edit->Text(), "65535");
  QTest::keyClick(keys(), Qt::Key_End);
  Type("7");
  QApplication::clipboard()->setText("9");
  QTest::keyClick(keys(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit->Text(), "65535");
  EXPECT_EQ(edit->changes.size(), 3u);

  // A paste takes only what fits; typing over a selection has the room of it.
  edit->SetText("1");
  QTest::keyClick(keys(), Qt::Key_End);
  QApplication::clipboard()->setText("345");
  QTest::keyClick(keys(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit->Text(), "13");
  edit->SelectAll();
  Type("9");
  EXPECT_EQ(edit->Text(), "9");
}

TEST_F(EditTest, TextsPast32767CharactersStayWholeAndAMegabytePasteIsQuick) {
  const std::string written(40000, 'a');
  edit->SetText(written);
  QTest::keyClick(keys(), Qt::Key_End);
  Type("b");
  EXPECT_TRUE(edit->Text() == written + "b");
  EXPECT_EQ(edit->Editor()->text().size(), 40001);

  // The line edit's own insert of the text is the floor; the paste adds
  // little to it, and nothing that grows faster than the text.
  const QString pasted(1 << 20, u'7');
  QLineEdit plain;
  plain.setFont(keys()->font());
  plain.setMaxLength(pasted.size());
  const double start = ThreadMs();
  plain.insert(pasted);
  [[maybe_unused]] const double floorMs = ThreadMs() - start;
  QApplication::clipboard()->setText(pasted);
  edit->SelectAll();
  const double pasteStart = ThreadMs();
  QTest::keyClick(keys(), Qt::Key_V, Qt::ControlModifier);
  [[maybe_unused]] const double ms = ThreadMs() - pasteStart;
  EXPECT_TRUE(edit->Text() == pasted.toStdString());
#ifdef NDEBUG  // a debug or sanitizer build slows our code but not the line edit's
  EXPECT_LT(ms, floorMs * 1.5 + 10) << "line edit alone " << floorMs << " ms";
#endif
}

TEST_F(EditTest, EachCommittedCharacterIsTypedOnItsOwn) {
  // Through KeyPress one by one: a refused character, one beyond the code
  // page ('?') and one past MaxLength leave the others in.
  std::string seen;
  edit->OnKeyPress = [&](TObject*, char& key) {
    seen += key;
    if (key == 'x') key = 0;
  };
  edit->SetMaxLength(4);
  QInputMethodEvent commit(QString::fromUtf8("k"), {});  // a composition goes on
  commit.setCommitString(QString::fromUtf8("1x2\u00E1\U0001F6009"));
  QApplication::sendEvent(keys(), &commit);
  EXPECT_EQ(seen, "1x2\xE1?9");
  EXPECT_EQ(edit->Text(), "12\xE1?");
  EXPECT_EQ(edit->changes.size(), 4u);
}

TEST_F(EditTest, ARefusedCharacterNeverReachesTheText) {
  // A handler setting the key to 0 refuses the character, control characters
  // included: Backspace (8) and Ctrl+V (22).
  std::vector<int> seen;
  edit->OnKeyPress = [&](TObject*, char& key) {
    seen.push_back(key);
    if (key == 'x' || key == 8 || key == 22) key = 0;
  };
  QApplication::clipboard()->setText("P");
  Type("1x2");
  QTest::keyClick(keys(), Qt::Key_Backspace);
  QTest::keyClick(keys(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit->Text(), "12");
  EXPECT_EQ(seen, (std::vector<int>{'1', 'x', '2', 8, 22}));
  EXPECT_EQ(edit->pastes, 0);

  // Accepted, the same keys act.
  edit->OnKeyPress = nullptr;
  QTest::keyClick(keys(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit->Text(), "12P");
  QTest::keyClick(keys(), Qt::Key_Backspace);
  EXPECT_EQ(edit->Text(), "12");
}

TEST_F(EditTest, CutAndPasteFromKeysAndMenuGoThroughTheHooks) {
  edit->SetText("hello");
  edit->changes.clear();
  QApplication::clipboard()->setText("X\r\nsecond line");
  QTest::keyClick(keys(), Qt::Key_End);
  QTest::keyClick(keys(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit->Text(), "helloX");  // only the first line
  QTest::keyClick(keys(), Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(edit->Text(), "helloXX");
  EXPECT_EQ(edit->pastes, 2);

  edit->SetSelStart(0);
  edit->SetSelLength(5);
  QTest::keyClick(keys(), Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(edit->Text(), "XX");
  EXPECT_EQ(QApplication::clipboard()->text(), "hello");
  EXPECT_EQ(edit->cuts, 1);
  EXPECT_EQ(edit->changes, (std::vector<std::string>{"helloX", "helloXX", "XX"}));

  // A subclass that refuses leaves the text alone, also from the menu.
  edit->refuse_clipboard = true;
  edit->SelectAll();
  QTest::keyClick(keys(), Qt::Key_Delete, Qt::ShiftModifier);
  QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5),
                              keys()->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(keys(), &menuEvent);
  auto* menu = keys()->findChild<QMenu*>();
  ASSERT_NE(menu, nullptr);
  for (QAction* action : menu->actions())
    if (action->text() == "&Paste" || action->text() == "Cu&t") action->trigger();
  menu->close();
  EXPECT_EQ(edit->Text(), "XX");
  EXPECT_EQ(edit->cuts, 3);
  EXPECT_EQ(edit->pastes, 3);
}

TEST_F(EditTest, ReadOnlyTakesNoTypingCutOrPaste) {
  edit->SetText("fixed");
  edit->SetReadOnly(true);
  edit->SelectAll();
  QApplication::clipboard()->setText("new");
  Type("a");
  QTest::keyClick(keys(), Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(keys(), Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(edit->Text(), "fixed");
  EXPECT_EQ(edit->changes.size(), 1u);
}

TEST_F(EditTest, EnteringSelectsAllOnlyWithAutoSelectAndRaisesEnterAndExit) {
  auto* other = new TEdit(form.get());
  other->SetParent(form.get());
  other->SetBounds(10, 50, 120, 24);
  other->SetText("other");
  std::vector<std::string> log;
  other->OnEnter = [&](TObject*) { log.push_back("enter"); };
  other->OnExit = [&](TObject*) { log.push_back("exit"); };

  other->SetFocus();
  EXPECT_EQ(other->SelLength(), 5);
  edit->SetFocus();
  EXPECT_EQ(log, (std::vector<std::string>{"enter", "exit"}));

  other->SetAutoSelect(false);
  other->SetSelStart(2);
  QTest::keyClick(keys(), Qt::Key_Tab);
  ASSERT_TRUE(other->Focused());
  EXPECT_EQ(other->SelLength(), 0);
  EXPECT_EQ(other->SelStart(), 2);
}

}  // namespace
