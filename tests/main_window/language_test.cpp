#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include "main_window/language.h"

namespace {

using bitcalc::main_window::LanguageFor;
using bitcalc::main_window::TLanguage;

// The locale names and language lists as Qt reads them from the session's
// variables (the comment gives the variables).
TEST(Language, FollowsTheFirstListedLanguageButNeverUnderC) {
  struct TCase {
    const char* Name;
    QStringList UiLanguages;
    TLanguage Expected;
  };
  const TCase cases[] = {
      {"C", {"C"}, TLanguage::Untranslated},                         // LANG=C or POSIX
      {"C", {"pl", "pl-Latn-PL"}, TLanguage::Untranslated},          // LANG=C LANGUAGE=pl
      {"C", {}, TLanguage::Untranslated},                            //
      {"pl_PL", {"pl-PL", "pl-Latn-PL", "pl"}, TLanguage::Polish},   // LANG=pl_PL.UTF-8
      {"en_US", {"en-US", "en-Latn-US", "en"}, TLanguage::English},  // LANG=en_US.UTF-8
      {"de_DE", {"de-DE", "de-Latn-DE", "de"}, TLanguage::English},  // LANG=de_DE.UTF-8
      {"de_DE", {"de", "pl"}, TLanguage::English},                   // LANGUAGE=de:pl
      {"pl_PL", {"pl-PL", "en"}, TLanguage::Polish},                 // LANG=pt_BR LANGUAGE=pl_PL:en
  };
  for (const TCase& c : cases)
    EXPECT_EQ(LanguageFor(c.Name, c.UiLanguages), c.Expected)
        << c.Name << " " << c.UiLanguages.join(',').toStdString();
}

}  // namespace
