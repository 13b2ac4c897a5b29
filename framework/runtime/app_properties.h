#pragma once

#include "framework/controls/component.h"

namespace bitcalc::framework {

// The application's hint settings kept as a component of a window's layout:
// the stored values reach the application once the window has loaded.
class TAppProperties : public TComponent {
 public:
  using TComponent::TComponent;

  int HintPause() const { return hint_pause_; }
  void SetHintPause(int ms) { hint_pause_ = ms; }
  int HintShortPause() const { return hint_short_pause_; }
  void SetHintShortPause(int ms) { hint_short_pause_ = ms; }
  int HintHidePause() const { return hint_hide_pause_; }
  void SetHintHidePause(int ms) { hint_hide_pause_ = ms; }
  bool ShowHint() const { return show_hint_; }
  void SetShowHint(bool v) { show_hint_ = v; }

 protected:
  void Loaded() override;

 private:
  int hint_pause_ = 500;
  int hint_short_pause_ = 50;
  int hint_hide_pause_ = 2500;
  bool show_hint_ = true;
};

}  // namespace bitcalc::framework
