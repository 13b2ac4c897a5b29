#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <vector>

class QMenu;
class QWidget;

namespace bitcalc::main_window {

class TForm1;

// Which value a readout shows, and so what its copy menu offers.
enum class TCopiedValue { Result, A, B };

// The readouts' copy menu: a right-button press on a readout's frame or
// bounds opens the toolkit's own menu, whose entries copy the value the
// readout belongs to as text to the clipboard. Ctrl+Shift+C opens the
// result's menu at its decimal readout. Presses elsewhere pass untouched, so
// every other control keeps its own answer to the right button.
class TCopyMenu : public QObject {
  Q_OBJECT

 public:
  explicit TCopyMenu(TForm1* form);

  // Opens the menu for value at a point on the screen.
  void Open(TCopiedValue value, QPoint globalPos);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Read at each press: auto-sized labels follow their text.
  struct TTarget {
    std::vector<const QWidget*> Area;  // the union of their bounds
    TCopiedValue Value;
  };

  void CollectTargets();
  const TTarget* TargetAt(QPoint windowPos) const;
  QMenu* BuildMenu(TCopiedValue value);

  TForm1* form_;
  std::vector<TTarget> targets_;
};

}  // namespace bitcalc::main_window
