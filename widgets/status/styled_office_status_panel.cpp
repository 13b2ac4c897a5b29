#include "widgets/status/styled_office_status_panel.h"

#include <algorithm>

#include "widgets/status/styled_office_status_bar.h"

namespace bitcalc::widgets {

int TStyledOfficeStatusPanel::Index() const {
  return bar_->Panels().IndexOf(this);
}

void TStyledOfficeStatusPanel::SetText(const std::string& v) {
  if (v == text_) return;
  text_ = v;
  bar_->PanelTextChanged(*this);
}

bool TStyledOfficeStatusPanel::AdvanceAnimation() {
  if (style_ != psAnimation || !animated_ || !animation_images_ ||
      animation_images_->Count() == 0 || ++animation_ticks_ <= animation_delay_)
    return false;
  animation_ticks_ = 0;
  animation_frame_ = (animation_frame_ + 1) % animation_images_->Count();
  return true;
}

void TStyledOfficeStatusPanel::LayoutChanged() {
  bar_->PanelLayoutChanged();
}

TStyledOfficeStatusPanel& TStyledOfficeStatusPanels::Add() {
  panels_.push_back(std::make_unique<TStyledOfficeStatusPanel>(bar_));
  bar_->PanelLayoutChanged();
  return *panels_.back();
}

int TStyledOfficeStatusPanels::IndexOf(const TStyledOfficeStatusPanel* panel) const {
  const auto it = std::find_if(panels_.begin(), panels_.end(),
                               [panel](const auto& p) { return p.get() == panel; });
  return it == panels_.end() ? -1 : int(it - panels_.begin());
}

}  // namespace bitcalc::widgets
