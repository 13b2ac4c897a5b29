#include <gtest/gtest.h>

#include <QLineEdit>

#include "framework/standard/edit.h"
#include "tests/support/shown_form.h"

using namespace bitcalc::framework;

// The text field inside an edit draws in the edit's font. A font set one
// attribute at a time before the window shows reaches the field as it shows,
// before anything is painted; once the edit is on screen a change reaches it
// at once.
TEST(EditFont, TheFieldTakesTheFontByTheTimeItIsShownAndAtOnceAfter) {
  ShownForm form;
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  edit->Font().SetName("Arial");
  edit->Font().SetHeight(-19);
  edit->Font().SetStyle(fsBold);
  QFont atShow;
  form->OnShow = [&](TObject*) { atShow = edit->Editor()->font(); };
  ASSERT_TRUE(form.Show());
  EXPECT_EQ(atShow, edit->Font().ToQFont());

  edit->Font().SetStyle(fsItalic);
  EXPECT_EQ(edit->Editor()->font(), edit->Font().ToQFont());
}

// An edit that is grabbed without ever being shown paints in its font too.
TEST(EditFont, AnEditNeverShownPaintsInItsFont) {
  TEdit edit(nullptr);
  edit.Font().SetHeight(-16);
  edit.grab();
  EXPECT_EQ(edit.Editor()->font(), edit.Font().ToQFont());
}
