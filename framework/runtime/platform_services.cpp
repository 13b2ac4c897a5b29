#include "framework/runtime/platform_services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QString>
#include <QUrl>
#include <utility>

namespace bitcalc::framework {

namespace {

void OpenWithDesktop(const std::string& url) {
  QDesktopServices::openUrl(QUrl(QString::fromStdString(url), QUrl::TolerantMode));
}

void DesktopBeep() {
  QApplication::beep();
}

TOpenUrlHandler& OpenUrlHandler() {
  static TOpenUrlHandler handler = OpenWithDesktop;
  return handler;
}

TBeepHandler& BeepHandler() {
  static TBeepHandler handler = DesktopBeep;
  return handler;
}

}  // namespace

void OpenUrl(const std::string& url) {
  // A copy, so a handler that installs another one while it runs stays alive.
  const TOpenUrlHandler handler = OpenUrlHandler();
  if (handler) handler(url);
}

void Beep() {
  const TBeepHandler handler = BeepHandler();
  if (handler) handler();
}

TOpenUrlHandler SetOpenUrlHandler(TOpenUrlHandler handler) {
  return std::exchange(OpenUrlHandler(), std::move(handler));
}

TBeepHandler SetBeepHandler(TBeepHandler handler) {
  return std::exchange(BeepHandler(), std::move(handler));
}

}  // namespace bitcalc::framework
