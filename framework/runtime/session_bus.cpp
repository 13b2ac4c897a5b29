#include "framework/runtime/session_bus.h"

#include <sys/stat.h>

#include <QByteArray>
#include <QTimer>
#include <QtGlobal>

namespace bitcalc::framework {

namespace {

constexpr char kAddressVariable[] = "DBUS_SESSION_BUS_ADDRESS";

bool held = false;

// The socket libdbus tries before it autolaunches: a per-user bus that
// systemd or the desktop started.
bool RuntimeFolderHasBus() {
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  if (runtime.isEmpty()) return false;
  struct stat info {};
  return stat((runtime + "/bus").constData(), &info) == 0 && S_ISSOCK(info.st_mode);
}

}  // namespace

void HoldBackSessionBusAutolaunch() {
  if (!qEnvironmentVariableIsEmpty(kAddressVariable) || RuntimeFolderHasBus()) return;
  // An address of a kind libdbus does not know fails at once and launches
  // nothing.
  qputenv(kAddressVariable, "disabled:");
  held = true;
}

void ReleaseSessionBusHoldLater() {
  QTimer::singleShot(0, [] {
    if (!held) return;
    qunsetenv(kAddressVariable);
    held = false;
  });
}

}  // namespace bitcalc::framework
