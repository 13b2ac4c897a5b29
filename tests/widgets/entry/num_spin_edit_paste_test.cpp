#include <gtest/gtest.h>

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <functional>

#include "tests/widgets/entry/spin_edit_fixture.h"

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

namespace {

// One way the user puts a text into the focused field.
struct PasteWay {
  const char* name;
  std::function<void(QWidget* editor, const QString& text)> put;
};

void PasteByMenu(QWidget* editor) {
  QContextMenuEvent open(QContextMenuEvent::Mouse, QPoint(5, 5), editor->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(editor, &open);
  auto* menu = editor->findChild<QMenu*>();
  ASSERT_NE(menu, nullptr);
  for (QAction* action : menu->actions())
    if (action->text() == "&Paste") action->trigger();
  menu->close();
  delete menu;
}

void Drop(QWidget* editor, const QString& text) {
  QMimeData data;
  data.setText(text);
  const QPoint end(editor->width() - 1, editor->height() / 2);
  const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
  // A drop lands on the widget that took the drag as it moved in.
  QDragEnterEvent enter(end, actions, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(editor, &enter);
  QDragMoveEvent move(end, actions, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(editor, &move);
  QDropEvent drop(end, actions, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(editor, &drop);
  EXPECT_EQ(drop.dropAction(), Qt::CopyAction);  // the source keeps its text
}

const PasteWay kWays[] = {
    {"CtrlV",
     [](QWidget* e, const QString& t) {
       QApplication::clipboard()->setText(t);
       QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
     }},
    {"ShiftInsert",
     [](QWidget* e, const QString& t) {
       QApplication::clipboard()->setText(t);
       QTest::keyClick(e, Qt::Key_Insert, Qt::ShiftModifier);
     }},
    {"Menu",
     [](QWidget* e, const QString& t) {
       QApplication::clipboard()->setText(t);
       PasteByMenu(e);
     }},
    {"Drop", Drop},
};

class SpinEditPaste : public SpinEditTest, public ::testing::WithParamInterface<PasteWay> {};

// Every way in keeps the same rules: the first line, in the code page's
// characters, cut to the input limit with a beep; and a flood past the
// megabyte bound refused whole with a beep, the field as it was.
TEST_P(SpinEditPaste, TakesTheFirstLineInTheCodePageCutToTheLimitOrRefusesAFlood) {
  TNumSpinEdit* limited = MakeField(vtInteger, 10);
  limited->SetMaxLength(4);
  TNumSpinEdit* open = MakeField(vtInteger, 60);
  limited->SetText("");
  changes.clear();
  Focus(limited);
  GetParam().put(Focused(), QString::fromUtf8("6\u017e\u21925535\r\n1"));
  EXPECT_EQ(limited->Text(), "6\x9e?5");  // ž is in the code page, → is not
  EXPECT_EQ(changes[limited], 1);
  EXPECT_EQ(spy.Beeps(), 1);

  Focus(open);
  open->SetSelStart(1);
  const QString flood(TCustomEdit::kMaxUserTextLength, u'7');
  GetParam().put(Focused(), flood);
  EXPECT_EQ(open->Text(), "0");
  EXPECT_EQ(changes[open], 0);
  EXPECT_EQ(spy.Beeps(), 2);
}

TEST_P(SpinEditPaste, AFieldClosedToEditingTakesNothing) {
  TNumSpinEdit* e = MakeField();
  e->SetEditorEnabled(false);
  Focus(e);
  GetParam().put(Focused(), "9");
  EXPECT_EQ(e->Text(), "0");
  EXPECT_EQ(changes[e], 0);
}

INSTANTIATE_TEST_SUITE_P(EveryWay, SpinEditPaste, ::testing::ValuesIn(kWays),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
