#pragma once

#include <QLineEdit>
#include <QWidget>

namespace bitcalc::framework {

class TCustomEdit;

// The platform text editor inside a TCustomEdit. It keeps and draws the
// text, caret and selection, but hands every key, focus change, cut and
// paste to its edit first, so the edit's rules decide what reaches the text.
// Its keys never travel on to the parent controls: the edit has already run
// them through its own key pipeline.
class TEditField : public QLineEdit {
 public:
  explicit TEditField(TCustomEdit* edit);
  // The edit is going away; from now on the field is a plain line edit.
  void Detach() { edit_ = nullptr; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  TCustomEdit* edit_;
};

// The edit's frame. It lies over every other child of the edit, masked to
// the frame itself, so children reaching past the client area are hidden
// under the frame instead of painting over it. A press on it goes on to the
// edit.
class TEditFrame : public QWidget {
 public:
  explicit TEditFrame(TCustomEdit* edit);
  void Detach() { edit_ = nullptr; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TCustomEdit* edit_;
};

}  // namespace bitcalc::framework
