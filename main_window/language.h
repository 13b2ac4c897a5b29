#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace bitcalc::main_window {

// The languages the window can speak. Untranslated is what the code and the
// stored layout say as they are: Polish captions, English names for screen
// readers.
enum class TLanguage { Untranslated, Polish, English };

// The language for a locale as Qt reads it from LANGUAGE, LC_ALL, LC_MESSAGES
// and LANG: the C (POSIX) locale leaves everything untranslated, whatever
// LANGUAGE asks, as gettext does; otherwise the first language the user
// lists decides, Polish for "pl", English for every other one.
TLanguage LanguageFor(const QString& localeName, const QStringList& uiLanguages);

// The language of the session the program runs in.
TLanguage SessionLanguage();

// Loads language's compiled-in catalogue into translator, without installing
// it: for texts needed before there is an application to install it in.
// False for Untranslated, which has no catalogue.
bool LoadCatalogue(TLanguage language, QTranslator& translator);

// The compiled-in catalogue of language, installed into the application for
// as long as this object lives. Untranslated installs nothing.
class TTranslation {
 public:
  explicit TTranslation(TLanguage language);
  ~TTranslation();
  TTranslation(const TTranslation&) = delete;
  TTranslation& operator=(const TTranslation&) = delete;

  // Whether a catalogue is installed.
  bool Installed() const { return installed_; }

 private:
  QTranslator translator_;
  bool installed_ = false;
};

}  // namespace bitcalc::main_window
