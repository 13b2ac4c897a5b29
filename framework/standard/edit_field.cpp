#include "framework/standard/edit_field.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>

#include "framework/raster/canvas.h"
#include "framework/raster/frame_3d.h"
#include "framework/standard/edit.h"
#include "framework/text/text.h"

namespace bitcalc::framework {

namespace {

// A key that types text into the field, as opposed to an editing command.
// Ctrl without Alt makes a command; Ctrl with Alt is AltGr typing a character.
bool TypesText(const QKeyEvent* e) {
  if (!StartsWithPrintable(e->text())) return false;
  const auto mods = e->modifiers();
  return !((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier));
}

}  // namespace

TEditField::TEditField(TCustomEdit* edit) : QLineEdit(edit), edit_(edit) {
  setFrame(false);
}

void TEditField::keyPressEvent(QKeyEvent* event) {
  event->accept();
  if (!edit_) return QLineEdit::keyPressEvent(event);
  if (edit_->ProcessKeyPress(event)) return;
  if (event->matches(QKeySequence::Paste)) return edit_->PasteFromClipboard();
  if (event->matches(QKeySequence::Cut)) return edit_->CutToClipboard();
  if (!isReadOnly() && TypesText(event)) {
    edit_->InsertUserText(event->text());
    return;
  }
  QLineEdit::keyPressEvent(event);
  event->accept();
}

void TEditField::keyReleaseEvent(QKeyEvent* event) {
  event->accept();
  if (edit_ && edit_->ProcessKeyRelease(event)) return;
  QLineEdit::keyReleaseEvent(event);
  event->accept();
}

void TEditField::inputMethodEvent(QInputMethodEvent* event) {
  const QString commit = event->commitString();
  if (!edit_ || isReadOnly() || commit.isEmpty()) return QLineEdit::inputMethodEvent(event);
  // A composed text is typed text: each character goes through the key
  // pipeline on its own, as the key typing it would, so a refused one leaves
  // the characters after it still offered.
  if (event->replacementLength() > 0)
    setSelection(cursorPosition() + event->replacementStart(), event->replacementLength());
  for (qsizetype i = 0; i < commit.size();) {
    const qsizetype n =
        commit[i].isHighSurrogate() && i + 1 < commit.size() && commit[i + 1].isLowSurrogate() ? 2
                                                                                               : 1;
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, commit.mid(i, n));
    keyPressEvent(&typed);
    i += n;
  }
  // What is still being composed is the line edit's to show.
  QInputMethodEvent composing(event->preeditString(), event->attributes());
  QLineEdit::inputMethodEvent(&composing);
  event->accept();
}

void TEditField::focusInEvent(QFocusEvent* event) {
  const int cursor = cursorPosition();
  const int start = selectionStart();
  const int length = selectionLength();
  QLineEdit::focusInEvent(event);
  if (!edit_) return;
  // The line edit selects everything when tabbed into; the edit decides that
  // itself through AutoSelect, so the selection is put back first.
  if (start >= 0)
    setSelection(start, length);
  else
    setCursorPosition(cursor);
  if (!IsWindowActivation(event->reason())) edit_->DoEnter();
}

void TEditField::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (edit_ && !IsWindowActivation(event->reason())) edit_->DoExit();
}

void TEditField::contextMenuEvent(QContextMenuEvent* event) {
  if (!edit_) return QLineEdit::contextMenuEvent(event);
  // The menu of the platform edit; its cut and paste take the edit's own way.
  auto* menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  const bool writable = !isReadOnly();
  const bool selected = hasSelectedText();
  TCustomEdit* edit = edit_;
  // The entries are filed under this class's name: tr() would look them up
  // under QLineEdit's, since the class has no meta-object of its own.
  menu->addAction(QCoreApplication::translate("TEditField", "&Undo"), this,
                  [edit] { edit->Undo(); })
      ->setEnabled(writable && isUndoAvailable());
  menu->addSeparator();
  menu->addAction(QCoreApplication::translate("TEditField", "Cu&t"), this,
                  [edit] { edit->CutToClipboard(); })
      ->setEnabled(writable && selected);
  menu->addAction(QCoreApplication::translate("TEditField", "&Copy"), this,
                  [edit] { edit->CopyToClipboard(); })
      ->setEnabled(selected);
  menu->addAction(QCoreApplication::translate("TEditField", "&Paste"), this,
                  [edit] { edit->PasteFromClipboard(); })
      ->setEnabled(writable && !QApplication::clipboard()->text().isEmpty());
  menu->addAction(QCoreApplication::translate("TEditField", "&Delete"), this, [this] { del(); })
      ->setEnabled(writable && selected);
  menu->addSeparator();
  menu->addAction(QCoreApplication::translate("TEditField", "Select &All"), this,
                  [edit] { edit->SelectAll(); })
      ->setEnabled(!text().isEmpty());
  menu->popup(event->globalPos());
  event->accept();
}

void TEditField::mouseReleaseEvent(QMouseEvent* event) {
  // The line edit's own middle-click paste would insert the X11 selection
  // past every rule of the edit; the edit's paste takes it instead, at the
  // caret the press has placed.
  const bool selectionPaste = edit_ && event->button() == Qt::MiddleButton &&
                              QApplication::clipboard()->supportsSelection();
  if (!selectionPaste) return QLineEdit::mouseReleaseEvent(event);
  event->accept();
  if (!rect().contains(event->position().toPoint())) return;
  deselect();
  edit_->PasteSelection();
}

void TEditField::dropEvent(QDropEvent* event) {
  if (!edit_) return QLineEdit::dropEvent(event);
  // A drop is a paste at the point it lands; the source keeps its text.
  event->setDropAction(Qt::CopyAction);
  event->accept();
  if (!event->mimeData()->hasText()) return;
  setCursorPosition(cursorPositionAt(event->position().toPoint()));
  edit_->PasteText(event->mimeData()->text());
  setFocus(Qt::MouseFocusReason);
}

TEditFrame::TEditFrame(TCustomEdit* edit) : QWidget(edit), edit_(edit) {}

void TEditFrame::paintEvent(QPaintEvent*) {
  if (!edit_) return;
  QPainter painter(this);
  TCanvas canvas(&painter);
  TRect r = Rect(0, 0, width(), height());
  if (edit_->Ctl3D()) {
    // The sunken edge: a shadow ring outside a dark-shadow ring.
    Frame3D(canvas, r, clBtnShadow, clBtnHighlight, 1);
    Frame3D(canvas, r, cl3DDkShadow, cl3DLight, 1);
  } else {
    canvas.Brush().SetColor(clWindowFrame);
    canvas.FrameRect(r);
  }
}

}  // namespace bitcalc::framework
