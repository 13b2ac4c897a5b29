#include "main_window/language.h"

#include <QCoreApplication>
#include <QLocale>

namespace bitcalc::main_window {

TLanguage LanguageFor(const QString& localeName, const QStringList& uiLanguages) {
  if (localeName == u"C" || uiLanguages.isEmpty()) return TLanguage::Untranslated;
  const QString first = uiLanguages.first();
  if (first == u"C" || first == u"POSIX") return TLanguage::Untranslated;
  return QLocale(first).language() == QLocale::Polish ? TLanguage::Polish : TLanguage::English;
}

TLanguage SessionLanguage() {
  const QLocale system = QLocale::system();
  return LanguageFor(system.name(), system.uiLanguages());
}

bool LoadCatalogue(TLanguage language, QTranslator& translator) {
  if (language == TLanguage::Untranslated) return false;
  // The catalogues are resources of the program; it reads no file to speak.
  return translator.load(language == TLanguage::Polish ? QStringLiteral(":/i18n/bitcalc_pl.qm")
                                                       : QStringLiteral(":/i18n/bitcalc_en.qm"));
}

TTranslation::TTranslation(TLanguage language) {
  installed_ =
      LoadCatalogue(language, translator_) && QCoreApplication::installTranslator(&translator_);
}

TTranslation::~TTranslation() {
  if (installed_) QCoreApplication::removeTranslator(&translator_);
}

}  // namespace bitcalc::main_window
