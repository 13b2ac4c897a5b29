#include "framework/text/font.h"
#include "main_window/stored_settings.h"

namespace bitcalc::main_window {

// On its own so that whatever applies one component's stored settings, the
// track bar's among them, can be built without the rest of the window.
void AssignFont(framework::TFont& target, const TFontSpec& spec) {
  framework::TFont font;
  font.SetName(spec.Name);
  font.SetHeight(spec.Height);
  font.SetStyle(spec.Style);
  font.SetColor(spec.Color);
  target.Assign(font);
}

}  // namespace bitcalc::main_window
