#pragma once

#include "framework/controls/control.h"
#include "widgets/status/styled_hint_info.h"

namespace bitcalc::widgets {

// An invisible control that carries a status bar's hints: the bar copies the
// hovered panel's hint into it and names it as the hinted control, so the
// office hint finds an OfficeHint to show.
class TDummyHintControl : public framework::TControl, public TOfficeHintPublisher {
 public:
  explicit TDummyHintControl(framework::TComponent* owner) : framework::TControl(owner) {
    SetVisible(false);
  }

  const TStyledHintInfo& OfficeHint() const override { return office_hint_; }
  void SetOfficeHint(const TStyledHintInfo& v) { office_hint_ = v; }

 private:
  TStyledHintInfo office_hint_;
};

}  // namespace bitcalc::widgets
