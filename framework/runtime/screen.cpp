#include "framework/runtime/screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace bitcalc::framework {

namespace {
TScreen g_screen;

QRect PrimaryGeometry(bool available) {
  const QScreen* s = QGuiApplication::primaryScreen();
  if (!s) return QRect(0, 0, 1024, 768);
  return available ? s->availableGeometry() : s->geometry();
}
}  // namespace

TScreen* Screen = &g_screen;

TRect TScreen::WorkAreaRect() const {
  return TRect::FromQRect(PrimaryGeometry(true));
}
int TScreen::DesktopWidth() const {
  return PrimaryGeometry(false).width();
}
int TScreen::DesktopHeight() const {
  return PrimaryGeometry(false).height();
}

}  // namespace bitcalc::framework
