#include "framework/runtime/app_properties.h"

#include "framework/runtime/application.h"

namespace bitcalc::framework {

void TAppProperties::Loaded() {
  TComponent::Loaded();
  if (!Application) return;
  Application->SetHintPause(hint_pause_);
  Application->SetHintShortPause(hint_short_pause_);
  Application->SetHintHidePause(hint_hide_pause_);
  Application->SetShowHint(show_hint_);
}

}  // namespace bitcalc::framework
