#include "framework/runtime/application.h"

#include <QApplication>
#include <QMouseEvent>

#include "framework/controls/pop_up.h"
#include "framework/runtime/form.h"
#include "framework/runtime/screen.h"
#include "framework/standard/hint_window.h"

namespace bitcalc::framework {

TApplication* Application = nullptr;

namespace {

// The control a widget belongs to: the widget itself, or the nearest
// control among its parents (a text field's inner editor, say).
TControl* ControlOf(QObject* o) {
  for (auto* w = qobject_cast<QWidget*>(o); w; w = w->parentWidget()) {
    if (auto* c = dynamic_cast<TControl*>(w)) return c;
    if (w->isWindow()) break;
  }
  return nullptr;
}

// Hints appear this far below the mouse, clear of the pointer.
constexpr int kCursorHeight = 20;
constexpr int kDefaultHintWidth = 300;

}  // namespace

// Watches the whole application's input for what starts and ends hints.
class TApplication::HintFilter : public QObject {
 public:
  explicit HintFilter(TApplication* app) : app_(app) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseMove: {
        auto* me = static_cast<QMouseEvent*>(event);
        if (TControl* c = ControlOf(watched); c && !dynamic_cast<THintWindow*>(c))
          app_->MouseMovedOver(c, me->globalPosition().toPoint());
        break;
      }
      case QEvent::Leave:
        if (auto* c = dynamic_cast<TControl*>(watched)) app_->MouseLeft(c);
        break;
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
      case QEvent::KeyPress:
      case QEvent::Wheel:
        app_->CancelHint();
        break;
      default:
        break;
    }
    return false;
  }

 private:
  TApplication* app_;
};

TApplication::TApplication()
    : TComponent(nullptr),
      show_timer_(new TTimer(this)),
      hide_timer_(new TTimer(this)),
      filter_(std::make_unique<HintFilter>(this)) {
  Application = this;
  hint_window_class_ = [](TComponent* owner) { return new THintWindow(owner); };
  show_timer_->SetEnabled(false);
  hide_timer_->SetEnabled(false);
  show_timer_->OnTimer = [this](TObject*) { ShowTimerFired(); };
  hide_timer_->OnTimer = [this](TObject*) { HidePauseElapsed(); };
  qApp->installEventFilter(filter_.get());
}

TApplication::~TApplication() {
  qApp->removeEventFilter(filter_.get());
  hint_window_.reset();
  if (Application == this) Application = nullptr;
}

int TApplication::Run() {
  if (main_form_) {
    main_form_->Show();
    main_form_->setAttribute(Qt::WA_QuitOnClose);
  }
  return QApplication::exec();
}

void TApplication::SetShowHint(bool v) {
  show_hint_ = v;
  if (!v) CancelHint();
}

void TApplication::SetHintWindowClass(THintWindowClass make) {
  CancelHint();
  hint_window_.reset();
  hint_window_class_ = std::move(make);
}

THintWindow* TApplication::ShownHint() const {
  return hint_showing_ && hint_window_ ? hint_window_.get() : nullptr;
}

TControl* TApplication::HintControl() const {
  return hint_control_ ? ControlOf(hint_control_.data()) : nullptr;
}

void TApplication::MouseMovedOver(TControl* control, QPoint globalPos) {
  mouse_ = globalPos;
  if (control == HintControl()) {
    // Leaving the hint's cursor rectangle ends the hint, as leaving the control does.
    if (hint_showing_) {
      const QPoint local = control->mapFromGlobal(globalPos);
      if (!shown_.CursorRect.Contains(Point(local.x(), local.y()))) CancelHint();
    }
    return;
  }
  HideHint();
  hint_control_ = control;
  show_timer_->SetEnabled(false);
  if (!show_hint_ || !control->ShowHint()) {
    hint_active_ = false;
    return;
  }
  show_timer_->SetInterval(hint_active_ ? hint_short_pause_ : hint_pause_);
  show_timer_->SetEnabled(true);
}

void TApplication::MouseLeft(TControl* control) {
  if (control != HintControl()) return;
  // A window opening under the mouse (the hint itself, say) makes the
  // platform report a leave although the mouse has not moved off.
  // The last move the application saw tells where the mouse really is.
  if (control->rect().contains(control->mapFromGlobal(mouse_))) return;
  show_timer_->SetEnabled(false);
  HideHint();
  hint_control_.clear();
}

void TApplication::ShowTimerFired() {
  show_timer_->SetEnabled(false);
  ActivateHint(Point(mouse_.x(), mouse_.y()));
}

void TApplication::ActivateHint(TPoint screenPos) {
  TControl* control = HintControl();
  if (!control || !show_hint_ || !control->ShowHint()) return;
  const QPoint local = control->mapFromGlobal(QPoint(screenPos.X, screenPos.Y));
  THintInfo info;
  info.HintControl = control;
  info.HintPos = Point(screenPos.X, screenPos.Y + kCursorHeight);
  info.HintMaxWidth = kDefaultHintWidth;
  info.CursorRect = control->ClientRect();
  info.CursorPos = Point(local.x(), local.y());
  info.HintStr = control->Hint();
  if (!control->HintShow(info)) return;
  bool canShow = true;
  if (OnShowHint) OnShowHint(info.HintStr, canShow, info);
  if (!canShow || (info.HintStr.empty() && !info.HintData)) return;

  if (!hint_window_) hint_window_.reset(hint_window_class_(nullptr));
  TRect r = hint_window_->CalcHintRect(info.HintMaxWidth, info.HintStr, info.HintData);
  r = r.Offset(info.HintPos.X, info.HintPos.Y);
  // Keep the whole hint on the screen, where the program places it.
  if (!CompositorPlacesPopUps()) {
    const TRect area = Screen->WorkAreaRect();
    if (r.Right > area.Right) r = r.Offset(area.Right - r.Right, 0);
    if (r.Left < area.Left) r = r.Offset(area.Left - r.Left, 0);
    if (r.Bottom > area.Bottom) r = r.Offset(0, screenPos.Y - r.Height() - r.Top);
  }
  SetPopUpParent(hint_window_.get(), control);
  hint_window_->ActivateHintData(r, info.HintStr, info.HintData);
  shown_ = info;
  hint_showing_ = true;
  hint_active_ = true;
  hide_timer_->SetInterval(info.HideTimeout > 0 ? info.HideTimeout : hint_hide_pause_);
  hide_timer_->SetEnabled(true);
}

void TApplication::HideHint() {
  hide_timer_->SetEnabled(false);
  if (hint_window_) hint_window_->ReleaseHandle();
  hint_showing_ = false;
}

void TApplication::HidePauseElapsed() {
  // The hint stays away until the mouse moves on to another control.
  HideHint();
  hint_active_ = false;
}

void TApplication::CancelHint() {
  show_timer_->SetEnabled(false);
  HideHint();
  hint_active_ = false;
  hint_control_.clear();
}

}  // namespace bitcalc::framework
