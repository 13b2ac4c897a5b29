#pragma once

namespace bitcalc::framework {

// Start-up steps shared by the program, the tools and the tests.
// Call PrepareQtEnvironment() before the QApplication is constructed and
// FinishQtSetup() right after.
void PrepareQtEnvironment();

// The program's own choice of window system, made before the QApplication:
// on a Wayland session that also offers an X display (XWayland) it runs on X,
// where it places its pop-ups against the work area and keeps them on top as
// the window is defined to. QT_QPA_PLATFORM, when set, is the user's choice
// and stays; QT_QPA_PLATFORM=wayland runs natively on Wayland.
void ChooseDefaultPlatform();
void FinishQtSetup();

}  // namespace bitcalc::framework
