#include "widgets/entry/selector_drop_down_window.h"

#include <QApplication>
#include <QMouseEvent>

#include "framework/runtime/screen.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

TSelectorDropDownWindow::TSelectorDropDownWindow(TControl* selector)
    : TForm(selector), selector_(selector), hide_timer_(new TTimer(this)) {
  SetBorderStyle(bsNone);
  SetFormStyle(fsStayOnTop);
  SetClientSize(100, 100);
  hide_timer_->SetEnabled(false);
  hide_timer_->SetInterval(1);
  hide_timer_->OnTimer = [this](TObject*) {
    Hide();
    hide_timer_->SetEnabled(false);
  };
}

TSelectorDropDownWindow::~TSelectorDropDownWindow() {
  qApp->removeEventFilter(this);
}

void TSelectorDropDownWindow::DropDown(bool comboStyle) {
  SetPosition(poDesigned);
  SetClientSize(selector_panel_->Width(), selector_panel_->Height());
  const QPoint anchor = selector_->mapToGlobal(QPoint(0, selector_->Height()));
  const TDropDownPlacement place =
      PlaceDropDown(Screen->WorkAreaRect(), Point(anchor.x(), anchor.y()), selector_->Width(),
                    selector_->Height(), Width(), Height());
  opens_upward_ = place.OpensUpward;
  right_aligned_ = place.RightAligned;
  combo_style_ = comboStyle;
  SetBounds(place.Bounds.Left, place.Bounds.Top, Width(), Height());
  selector_panel_->SetOpenEdge({selector_->Width(), comboStyle, opens_upward_, right_aligned_});
  Show();
}

void TSelectorDropDownWindow::Deactivated() {
  // Visible, not isVisible: hiding the active window deactivates it on the
  // way, and that is no reason to arm the timer.
  if (!hide_on_deactivate_ || !Visible()) return;
  CloseDropDown();
  hide_timer_->SetEnabled(true);
}

void TSelectorDropDownWindow::CloseDropDown() {
  const bool wasActive = isActiveWindow();
  Hide();
  // Closed while it had the activation: hand it back to the selector's
  // window rather than leave the program with no active window.
  QWidget* owner = selector_->window();
  if (wasActive && owner->isVisible()) owner->activateWindow();
}

void TSelectorDropDownWindow::changeEvent(QEvent* event) {
  TForm::changeEvent(event);
  if (event->type() != QEvent::ActivationChange) return;
  if (!isActiveWindow())
    Deactivated();
  else if (selector_panel_)
    selector_panel_->SetFocus();
}

void TSelectorDropDownWindow::showEvent(QShowEvent* event) {
  TForm::showEvent(event);
  qApp->installEventFilter(this);
}

void TSelectorDropDownWindow::hideEvent(QHideEvent* event) {
  qApp->removeEventFilter(this);
  TForm::hideEvent(event);
}

bool TSelectorDropDownWindow::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && widget->window() != this) Deactivated();
  }
  return false;
}

}  // namespace bitcalc::widgets
