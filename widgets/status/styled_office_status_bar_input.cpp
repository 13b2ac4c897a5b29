#include "widgets/status/styled_office_status_bar.h"

#include <QApplication>
#include <QMouseEvent>

#include "framework/runtime/application.h"
#include "framework/runtime/platform_services.h"
#include "widgets/status/status_bar_painting.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

constexpr int kTransparentEdge = 3;  // rows at the bottom, columns at the right

bool OpensOutside(const std::string& anchor) {
  return anchor.find("://") != std::string::npos || anchor.find("mailto:") != std::string::npos;
}

}  // namespace

bool TStyledOfficeStatusBar::IsTransparentAt(int x, int y) const {
  const bool edge = y > Height() - 1 - kTransparentEdge || x > Width() - 1 - kTransparentEdge;
  return edge && !(GripShown() && x >= Width() - kSizeGripWidth);
}

void TStyledOfficeStatusBar::RepaintButtonPanel(int i) {
  if (i >= 0 && i < panels_.Count() && panels_[i].Button()) InvalidateRect(PanelRect(i));
}

void TStyledOfficeStatusBar::SetHotPanel(int i) {
  if (i == hot_panel_) return;
  RepaintButtonPanel(hot_panel_);
  hot_panel_ = i;
  RepaintButtonPanel(hot_panel_);
}

void TStyledOfficeStatusBar::SetPressedPanel(int i) {
  if (i == pressed_panel_) return;
  RepaintButtonPanel(pressed_panel_);
  pressed_panel_ = i;
  RepaintButtonPanel(pressed_panel_);
}

void TStyledOfficeStatusBar::LeaveAnchor() {
  if (Cursor() != crHandPoint) return;
  SetCursor(crDefault);
  if (OnAnchorExit) OnAnchorExit(this, "");
}

void TStyledOfficeStatusBar::MouseMove(TShiftState shift, int x, int y) {
  const int i = PanelAt(x);
  if (i != hint_panel_) {
    // The next panel's hint waits for the next move inside it.
    if (Application) Application->CancelHint();
    hint_panel_ = i;
  }
  SetHotPanel(y > 0 && y < Height() ? i : -1);
  const std::string a = AnchorAt(x, y);
  if (!a.empty() && (Cursor() == crDefault || a != last_anchor_)) {
    last_anchor_ = a;
    SetCursor(crHandPoint);
    if (anchor_hint_ && Application) Application->CancelHint();
    if (OnAnchorEnter) OnAnchorEnter(this, a);
  } else if (a.empty()) {
    LeaveAnchor();
  }
  TCustomControl::MouseMove(shift, x, y);
}

void TStyledOfficeStatusBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  const int i = PanelAt(x);
  if (y > 0 && y < Height()) SetPressedPanel(i);
  if (button == mbLeft && OnPanelClick) OnPanelClick(this, i);
  if (button == mbRight && OnPanelRightClick) OnPanelRightClick(this, i);
  if (button == mbLeft && (shift & ssDouble) && OnPanelDblClick) OnPanelDblClick(this, i);
  const std::string a = AnchorAt(x, y);
  if (OpensOutside(a))
    OpenUrl(a);
  else if (!a.empty() && OnAnchorClick)
    OnAnchorClick(this, a);
}

void TStyledOfficeStatusBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);
  SetPressedPanel(-1);
}

void TStyledOfficeStatusBar::MouseLeave() {
  SetHotPanel(-1);
  SetPressedPanel(-1);
  TCustomControl::MouseLeave();
}

bool TStyledOfficeStatusBar::HintShow(THintInfo& info) {
  const int i = PanelAt(info.CursorPos.X);
  if (i < 0) return true;
  TStyledHintInfo hint = panels_[i].OfficeHint();
  if (anchor_hint_ && panels_[i].Style() == psHTML) {
    if (const std::string a = AnchorAt(info.CursorPos.X, info.CursorPos.Y); !a.empty()) {
      const QPoint screen = mapToGlobal(QPoint(info.CursorPos.X, info.CursorPos.Y));
      info.HintPos = Point(screen.x() + 10, screen.y() - 10);
      hint.Title.clear();
      hint.Notes = {a};
    }
  }
  hint_carrier_->SetOfficeHint(hint);
  info.HintControl = hint_carrier_;
  return true;
}

// A mouse event in the transparent edge goes to the widget behind the bar, as
// does the rest of a click that started there.
bool TStyledOfficeStatusBar::ForwardMouse(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  QWidget* target = forward_to_;
  if (!target) {
    if (!IsTransparentAt(p.x(), p.y())) return false;
    QWidget* win = window();
    if (win == this) return true;
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
    target = win->childAt(mapTo(win, p));
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
    if (!target) target = win;
    // Moving over the edge leaves the bar for the window behind.
    if (event->type() == QEvent::MouseMove) {
      SetHotPanel(-1);
      LeaveAnchor();
    }
  }
  if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
    forward_to_ = target;
  else if (event->type() == QEvent::MouseButtonRelease && event->buttons() == Qt::NoButton)
    forward_to_.clear();
  QMouseEvent copy(event->type(), target->mapFromGlobal(event->globalPosition()),
                   event->scenePosition(), event->globalPosition(), event->button(),
                   event->buttons(), event->modifiers());
  copy.setTimestamp(event->timestamp());
  QApplication::sendEvent(target, &copy);
  return true;
}

bool TStyledOfficeStatusBar::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
      if (ForwardMouse(static_cast<QMouseEvent*>(event))) return true;
      break;
    case QEvent::ApplicationFontChange:
      ApplySystemFont();
      break;
    default:
      break;
  }
  return TCustomControl::event(event);
}

}  // namespace bitcalc::widgets
