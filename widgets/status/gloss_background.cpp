#include "widgets/status/gloss_background.h"

namespace bitcalc::widgets {

void TGlossBackground::SetColors(TGlossState state, const TGlossColors& colors) {
  TGlossColors& target = state == gsHot ? hot_ : state == gsDown ? down_ : normal_;
  SetField(target, colors);
}

}  // namespace bitcalc::widgets
