#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/n_bool_proc.h"
#include "core/readout_text.h"

namespace bitcalc::core {

// One caption write of the evaluation: the name of the window's control and
// the 8-bit (code page 1250) text it is given. The text may hold a code-0 byte;
// the label cuts its caption there when it shows it.
struct TCaption {
  std::string_view Target;
  std::string Text;
};

// Everything one evaluation shows, in the order the window applies it:
// `BeforeLeds()` captions, then the LEDs (`VecToLed`), then `AfterLeds()`.
struct TEvaluation {
  static constexpr std::size_t CaptionCount = 20;
  static constexpr std::size_t CaptionsBeforeLeds = 11;
  static constexpr std::size_t LedCount = TNBoolProc::RowWidth;

  // Captions in assignment order.
  std::array<TCaption, CaptionCount> Captions;
  // Leds[i] is the state of `BitLED`(i+1): cell i of `RowResult`.
  std::array<bool, LedCount> Leds{};
  // The value now held in `RowResult`.
  std::uint16_t Result = 0;

  std::span<const TCaption> BeforeLeds() const {
    return std::span<const TCaption>(Captions).first(CaptionsBeforeLeds);
  }
  std::span<const TCaption> AfterLeds() const {
    return std::span<const TCaption>(Captions).subspan(CaptionsBeforeLeds);
  }
};

// The whole evaluation behind `policz`: reads A and B from the store, applies
// the operation at the track-bar `position`, writes the result to `RowResult`
// and builds every readout, using `RowScratch` as working space (its content
// afterwards means nothing). Never touches the other rows.
//
// The window calls it with `BoolStore` and `StyledTrackBar1`'s `Position`:
//   const TEvaluation e = Evaluate(BoolStore, StyledTrackBar1->Position());
//   for (const TCaption& c : e.BeforeLeds()) <control c.Target>.SetCaption(c.Text);
//   VecToLed();   // BitLED(i+1).SetChecked(e.Leds[i])
//   for (const TCaption& c : e.AfterLeds()) <control c.Target>.SetCaption(c.Text);
//
// `signedPrefix` opens the signed readout of A (`Label27`); the window gives
// it in the user's language.
TEvaluation Evaluate(TNBoolProc& store, int position,
                     std::string_view signedPrefix = kSignedPrefix);

}  // namespace bitcalc::core
