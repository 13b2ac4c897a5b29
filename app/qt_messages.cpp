#include "app/qt_messages.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstring>

namespace bitcalc::app {

namespace {

// The first is followed by the folder Qt falls back to, which varies.
constexpr const char* kRuntimeDirPrefix = "QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to '";
constexpr const char* kNoRaise = "This plugin does not support raise()";

bool IsQuietedQtMessage(const char* message) {
  return std::strncmp(message, kRuntimeDirPrefix, std::strlen(kRuntimeDirPrefix)) == 0 ||
         std::strcmp(message, kNoRaise) == 0;
}

void WriteMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  const QByteArray utf8 = message.toUtf8();
  if (type == QtWarningMsg && IsQuietedQtMessage(utf8.constData())) return;
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
  std::fflush(stderr);
}

}  // namespace

void FilterQtMessages() {
  qInstallMessageHandler(WriteMessage);
}

}  // namespace bitcalc::app
