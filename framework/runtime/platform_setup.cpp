#include "framework/runtime/platform_setup.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFont>
#include <QStyle>
#include <QStyleFactory>

#include "framework/accessibility/accessible_control.h"
#include "framework/runtime/session_bus.h"
#include "framework/text/fonts.h"

namespace bitcalc::framework {

void PrepareQtEnvironment() {
  InstallFontConfiguration();
  HoldBackSessionBusAutolaunch();
  // The device pixel ratio is the desktop's (or QT_SCALE_FACTOR's): widgets
  // keep their layout in logical pixels and the canvas scales what it draws,
  // so a whole ratio draws every pixel as a whole block of device pixels.
}

void ChooseDefaultPlatform() {
  if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY"))
    return;
  const bool waylandSession =
      !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland";
  if (!waylandSession) return;
  qputenv("QT_QPA_PLATFORM", "xcb");
  // Qt reads the variable once, as it builds the platform integration, which
  // is before the pre-routines run. What the program starts later (the
  // browser a link opens) gets the user's environment back.
  qAddPreRoutine([] { qunsetenv("QT_QPA_PLATFORM"); });
}

void FinishQtSetup() {
  // A desktop theme must not restyle the push buttons and edits.
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  QApplication::setDesktopSettingsAware(false);
  QApplication::setPalette(QApplication::style()->standardPalette());
  // The tooltip font is pinned too: the status bar takes its font from it,
  // so its panels must measure the same on every desktop.
  QApplication::setFont(QFont("Segoe UI", 9), "QTipLabel");
  InstallAccessibility();
  ReleaseSessionBusHoldLater();
}

}  // namespace bitcalc::framework
