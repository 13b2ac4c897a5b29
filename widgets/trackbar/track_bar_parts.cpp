#include "widgets/trackbar/track_bar_parts.h"

#include <tuple>

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

void UseTahoma(TFont& font) {
  font.SetName("Tahoma");
  font.SetHeight(-11);
}

}  // namespace

TGlossLook TTrackBarGlossPart::Look(bool down, bool hot, bool enabled) const {
  TGlossLook look{c_.Color,       c_.ColorTo,  c_.ColorMirror,   c_.ColorMirrorTo,
                  c_.BorderColor, c_.Gradient, c_.GradientMirror};
  if (down)
    look = {c_.ColorDown,       c_.ColorDownTo, c_.ColorMirrorDown, c_.ColorMirrorDownTo,
            c_.BorderColorDown, c_.Gradient,    c_.GradientMirror};
  else if (hot)
    look = {c_.ColorHot,       c_.ColorHotTo, c_.ColorMirrorHot, c_.ColorMirrorHotTo,
            c_.BorderColorHot, c_.Gradient,   c_.GradientMirror};
  if (!enabled)
    look = {c_.ColorDisabled,         c_.ColorDisabledTo,     c_.ColorMirrorDisabled,
            c_.ColorMirrorDisabledTo, c_.BorderColorDisabled, c_.Gradient,
            c_.GradientMirror};
  return look;
}

void TTrackBarThumb::Assign(const TTrackBarThumb& o) {
  const auto theirs = std::tie(o.c_, o.width_, o.size_, o.shape_, o.show_at_min_max_);
  auto mine = std::tie(c_, width_, size_, shape_, show_at_min_max_);
  if (mine == theirs) return;
  mine = theirs;
  Changed();
}

void TTrackBarButtons::Assign(const TTrackBarButtons& o) {
  const auto theirs = std::tie(o.c_, o.visible_, o.size_, o.spacing_, o.shape_, o.repeat_click_,
                               o.init_repeat_pause_, o.repeat_pause_);
  auto mine = std::tie(c_, visible_, size_, spacing_, shape_, repeat_click_, init_repeat_pause_,
                       repeat_pause_);
  if (mine == theirs) return;
  mine = theirs;
  Changed();
}

void TTrackBarSlider::Assign(const TTrackBarSlider& other) {
  if (v_ == other.v_) return;
  v_ = other.v_;
  Changed();
}

TTrackBarTick::TTrackBarTick() {
  UseTahoma(font_);
  font_.OnChange = [this](TObject*) { Changed(); };
}

void TTrackBarTick::Assign(const TTrackBarTick& o) {
  const auto theirs = std::tie(o.style_, o.position_, o.spacing_, o.size_, o.show_text_, o.color_,
                               o.color_disabled_, o.line_3d_, o.rotate_font_vert_,
                               o.show_image_at_thumb_only_, o.show_image_at_steps_);
  auto mine =
      std::tie(style_, position_, spacing_, size_, show_text_, color_, color_disabled_, line_3d_,
               rotate_font_vert_, show_image_at_thumb_only_, show_image_at_steps_);
  if (mine == theirs && font_.SameAs(o.font_)) return;
  mine = theirs;
  // One report for the whole copy, not one from the font and one from here.
  font_.OnChange = nullptr;
  font_.Assign(o.font_);
  font_.OnChange = [this](TObject*) { Changed(); };
  Changed();
}

TTrackBarLabel::TTrackBarLabel() {
  UseTahoma(font_);
  font_.OnChange = [this](TObject*) { Changed(); };
}

void TTrackBarLabel::Assign(const TTrackBarLabel& o) {
  const auto theirs = std::tie(o.visible_, o.format_, o.position_, o.spacing_);
  auto mine = std::tie(visible_, format_, position_, spacing_);
  if (mine == theirs && font_.SameAs(o.font_)) return;
  mine = theirs;
  font_.OnChange = nullptr;
  font_.Assign(o.font_);
  font_.OnChange = [this](TObject*) { Changed(); };
  Changed();
}

std::string FormatTrackLabel(const std::string& format, int value) {
  std::string out;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size() &&
        (format[i + 1] == 'd' || format[i + 1] == '%')) {
      out += format[i + 1] == 'd' ? std::to_string(value) : "%";
      ++i;
    } else {
      out += format[i];
    }
  }
  return out;
}

}  // namespace bitcalc::widgets
