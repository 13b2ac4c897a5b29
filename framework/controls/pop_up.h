#pragma once

#include <optional>

class QWidget;

namespace bitcalc::framework {

// Whether the window system, not the program, places pop-up windows. On
// Wayland a client learns nothing of where its windows are on the screen and
// cannot keep one above the others: a pop-up is placed by the compositor,
// relative to its parent window, and kept on the output by it. Elsewhere (X11)
// the program places its pop-ups itself, in screen coordinates, against the
// work area.
bool CompositorPlacesPopUps();

// Tests answer the question for the platform they emulate; std::nullopt asks
// the platform again.
void OverrideCompositorPlacesPopUps(std::optional<bool> answer);

// Where the compositor places pop-ups, makes the window holding owner the
// transient parent of popUp, a top-level widget about to show, so that popUp
// is placed relative to that window. Without one Qt lends a pop-up whichever
// window had the last input, which may belong to another program. On X the
// program places its pop-ups itself and the call does nothing: a transient
// parent there changes how the activation passes between the windows.
void SetPopUpParent(QWidget* popUp, const QWidget* owner);

}  // namespace bitcalc::framework
