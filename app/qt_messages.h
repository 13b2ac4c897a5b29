#pragma once

namespace bitcalc::app {

// Routes Qt's messages to standard error as Qt would, minus two warnings that
// only tell of a normal headless or minimal session: the missing
// XDG_RUNTIME_DIR and the off-screen platform's refusal to raise a window.
void FilterQtMessages();

}  // namespace bitcalc::app
