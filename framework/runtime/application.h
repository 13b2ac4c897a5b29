#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>

#include "framework/controls/component.h"
#include "framework/runtime/timer.h"
#include "framework/values/geometry.h"

namespace bitcalc::framework {

class TControl;
class TForm;
class THintWindow;

// What a hint is about to show; the control under the mouse and the
// OnShowHint handler may change any of it before it appears.
struct THintInfo {
  TControl* HintControl = nullptr;
  TPoint HintPos;  // screen position of the hint window's top-left corner
  int HintMaxWidth = 0;
  TRect CursorRect;  // the hint lasts while the mouse stays in here (control coordinates)
  TPoint CursorPos;  // the mouse, in control coordinates
  std::string HintStr;
  const void* HintData = nullptr;
  int HideTimeout = 0;  // 0: the application's HintHidePause
};

using THintWindowClass = std::function<THintWindow*(TComponent* owner)>;
using TShowHintEvent =
    std::function<void(std::string& HintStr, bool& CanShow, THintInfo& HintInfo)>;

// The application object: the run loop, the main form and the hint machinery.
//
// Hints: when the mouse rests on a control whose ShowHint is on, the hint
// shows after HintPause (HintShortPause when moving on from a hint that was
// showing), and hides after HintHidePause. Leaving the control, any key and
// any mouse button cancel it.
class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;

  void Initialize() {}
  void SetMainForm(TForm* form) { main_form_ = form; }
  TForm* MainForm() const { return main_form_; }
  // Shows the main form and runs the event loop until it closes.
  int Run();

  int HintPause() const { return hint_pause_; }
  void SetHintPause(int ms) { hint_pause_ = ms; }
  int HintShortPause() const { return hint_short_pause_; }
  void SetHintShortPause(int ms) { hint_short_pause_ = ms; }
  int HintHidePause() const { return hint_hide_pause_; }
  void SetHintHidePause(int ms) { hint_hide_pause_ = ms; }
  bool ShowHint() const { return show_hint_; }
  void SetShowHint(bool v);

  // Makes the hint windows; replace it for another look.
  const THintWindowClass& HintWindowClass() const { return hint_window_class_; }
  void SetHintWindowClass(THintWindowClass make);

  // The hint window on screen, or nullptr.
  THintWindow* ShownHint() const;

  void CancelHint();
  // Shows the hint for the control under the mouse now.
  void ActivateHint(TPoint screenPos);

  TShowHintEvent OnShowHint;

 private:
  class HintFilter;
  friend class HintFilter;

  TControl* HintControl() const;
  void MouseMovedOver(TControl* control, QPoint globalPos);
  void MouseLeft(TControl* control);
  void ShowTimerFired();
  void HideHint();
  void HidePauseElapsed();

  TForm* main_form_ = nullptr;
  int hint_pause_ = 500;
  int hint_short_pause_ = 50;
  int hint_hide_pause_ = 2500;
  bool show_hint_ = true;
  THintWindowClass hint_window_class_;
  std::unique_ptr<THintWindow> hint_window_;
  QPointer<QWidget> hint_control_;  // the control the mouse rests on
  THintInfo shown_;
  bool hint_showing_ = false;
  // A hint was showing and the mouse has only moved on since: the next hint
  // comes after the short pause.
  bool hint_active_ = false;
  QPoint mouse_;
  TTimer* show_timer_;
  TTimer* hide_timer_;
  std::unique_ptr<HintFilter> filter_;
};

extern TApplication* Application;

}  // namespace bitcalc::framework
