#include "app/startup_text.h"

#include <QString>
#include <QTranslator>

#include "main_window/language.h"

namespace bitcalc::app {

namespace {

const QTranslator& SessionCatalogue() {
  static QTranslator translator;
  [[maybe_unused]] static const bool loaded =
      main_window::LoadCatalogue(main_window::SessionLanguage(), translator);
  return translator;
}

}  // namespace

std::string StartupText(const char* source, std::initializer_list<std::string_view> arguments) {
  QString line = SessionCatalogue().translate("bitcalc", source);
  if (line.isEmpty()) line = QString::fromUtf8(source);
  for (std::string_view argument : arguments)
    line = line.arg(QString::fromLocal8Bit(argument.data(), qsizetype(argument.size())));
  return line.toLocal8Bit().toStdString();
}

}  // namespace bitcalc::app
