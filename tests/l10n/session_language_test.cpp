#include <QAccessible>
#include <QContextMenuEvent>
#include <QMenu>
#include <algorithm>
#include <functional>

#include "framework/standard/hint_window.h"
#include "framework/standard/shape.h"
#include "main_window/copy_menu.h"
#include "main_window/language.h"
#include "tests/main_window/calculator_fixture.h"
#include "tests/support/ink_box.h"
#include "widgets/entry/styled_character_selector.h"
#include "widgets/status/markup_renderer.h"
#include "widgets/status/markup_text.h"
#include "widgets/status/status_bar_geometry.h"
#include "widgets/status/styled_office_hint.h"

// The window in the language of the session. CTest runs English.* under
// en_US.UTF-8 and de_DE.UTF-8 and Polish.* under pl_PL.UTF-8, each with the
// program's own way of choosing and loading the catalogue.
namespace {

using namespace bitcalc::framework;
using namespace bitcalc::main_window;
using namespace bitcalc::widgets;

struct TSpokenName {
  std::function<QObject*(TForm1&)> Control;
  const char* English;
  const char* Polish;
};

const TSpokenName kSpokenNames[] = {
    {[](TForm1& f) { return f.BitToggleSwitch[31]; }, "B bit 15", "Bit 15 liczby B"},
    {[](TForm1& f) { return f.BitLED[15]; }, "Result bit 15", "Bit 15 wyniku"},
    {[](TForm1& f) { return f.NumSpinEdit5; }, "A hexadecimal", "A szesnastkowo"},
    {[](TForm1& f) { return f.StyledTrackBar1; }, "Operation", "Działanie"},
    {[](TForm1& f) { return f.Button[8]; }, "Swap the nibbles of A's low byte",
     "Zamień półbajty młodszego bajtu A"},
    {[](TForm1& f) { return f.as4; }, "B high byte character", "Znak starszego bajtu B"},
    {[](TForm1& f) { return f.Label[26]; }, "A, signed: 0", "A, ze znakiem: 0"},
    {[](TForm1& f) { return f.Label[12]; }, "Result, decimal: 65535", "Wynik, dziesiętnie: 65535"},
};

// A's copy menu at A = 0x8000 as a screen reader meets it: the menu's name,
// then its entries'.
struct TCopyMenuText {
  const char* English;
  const char* Polish;
};

const TCopyMenuText kCopyMenu[] = {
    {"Copy A", "Kopiuj A"},
    {"Copy 32768", "Kopiuj 32768"},
    {"Copy 0x8000", "Kopiuj 0x8000"},
    {"Copy 1000 0000 0000 0000", "Kopiuj 1000 0000 0000 0000"},
    {"Copy character", "Kopiuj znak"},
    {"Copy -32768", "Kopiuj -32768"},
};

class SessionWindow : public CalculatorTest {
 protected:
  void SetUp() override {
    translation = std::make_unique<TTranslation>(SessionLanguage());
    CalculatorTest::SetUp();
    app.SetMainForm(form.get());
  }

  // What a screen reader hears, and the field's menu, in the session's language.
  void ExpectSpoken(const char* TSpokenName::*language, const char* menu) {
    for (const TSpokenName& n : kSpokenNames)
      EXPECT_EQ(QAccessible::queryAccessibleInterface(n.Control(*form))
                    ->text(QAccessible::Name)
                    .toStdString(),
                n.*language);
    QLineEdit* editor = form->NumSpinEdit4->Editor();
    QContextMenuEvent event(QContextMenuEvent::Mouse, {5, 5}, editor->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(editor, &event);
    QStringList entries;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* shown = qobject_cast<QMenu*>(w); shown && shown->isVisible()) {
        for (const QAction* action : shown->actions())
          if (!action->isSeparator()) entries << action->text();
        shown->close();
      }
    EXPECT_EQ(entries.join('|').toStdString(), menu);
  }

  void ExpectCopyMenu(const char* TCopyMenuText::*language) {
    EnterA("32768");
    form->findChild<TCopyMenu*>()->Open(TCopiedValue::A, form->mapToGlobal(QPoint(5, 5)));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(menu);
    QStringList heard{spoken->text(QAccessible::Name)}, expected;
    for (int i = 0; i < spoken->childCount(); ++i)
      heard << spoken->child(i)->text(QAccessible::Name);
    menu->close();
    for (const TCopyMenuText& t : kCopyMenu) expected << QString::fromUtf8(t.*language);
    EXPECT_EQ(heard, expected);
  }

  TApplication app;
  std::unique_ptr<TTranslation> translation;
};

using English = SessionWindow;
using Polish = SessionWindow;

TEST_F(Polish, IsWhatTheSessionAsksFor) {
  EXPECT_EQ(SessionLanguage(), TLanguage::Polish);
  ExpectSpoken(&TSpokenName::Polish, "&Cofnij|Wy&tnij|&Kopiuj|Wk&lej|&Usuń|Zaznacz &wszystko");
  EXPECT_EQ(form->StyledOfficeHint1->HintHelpText(), "Zapraszamy");
  ExpectCopyMenu(&TCopyMenuText::Polish);
}

TEST_F(English, IsWhatTheSessionAsksFor) {
  EXPECT_EQ(SessionLanguage(), TLanguage::English);
  ExpectSpoken(&TSpokenName::English, "&Undo|Cu&t|&Copy|&Paste|&Delete|Select &All");
  ExpectCopyMenu(&TCopyMenuText::English);
}

// Every English text of the status bar fits one line of its panel's text
// frame in the bar's real font (unwrapped: the panel would wrap a longer one
// and lay out only its first line), and its ink, all that differs from the
// panel painted empty, stays clear of the frame's right edge. The signed
// readout's longest text keeps to the white of A's area, clear of every
// control beside it.
TEST_F(English, TextsFitTheBoxesOfTheirPolishOriginals) {
  TStyledOfficeStatusBar* bar = form->ad1;
  std::vector<std::pair<int, std::string>> texts{{1, bar->Panels()[1].Text()}};
  for (int tick = 0; tick <= 3; ++tick, form->Timer1Timer(form->Timer1))
    texts.emplace_back(0, bar->Panels()[0].Text());
  const char* english[] = {
      "Free", "Rodazu control and measurement system for amateurs and professionals",
      "Rodazu control and measurement system for amateurs and professionals",
      "Revove OEE machine monitoring system", "CMMS Varedov software for maintenance teams"};
  TBitmap measure(1, 1);
  measure.Canvas().Font().Assign(bar->Font());
  for (std::size_t k = 0; k < texts.size(); ++k) {
    const auto& [i, text] = texts[k];
    EXPECT_EQ(MarkupPlainText(text).toStdString(), english[k]);
    const TRect p = PanelPaintRect(LaidOutWidths({460, 65, 100}, 645, -1), i, 645, 19, false);
    const TRect frame{p.Left + bar->Panels()[i].HTMLOffsetX(),
                      p.Top + bar->Panels()[i].HTMLOffsetY(), p.Right, p.Bottom};
    std::string anchor;
    int width = 0, height = 0;
    DrawMarkup(measure.Canvas(), text, frame, mmLayoutOnly, -1, -1, false, clBlue, true, nullptr,
               nullptr, anchor, width, height);
    EXPECT_LE(width, frame.Width()) << text;
    bar->Panels()[i].SetText(text);
    const QImage written = bar->grab().toImage();
    bar->Panels()[i].SetText("");
    const QImage empty = bar->grab().toImage();
    QRect ink;
    for (int y = 0; y < written.height(); ++y)
      for (int x = 0; x < written.width(); ++x)
        if (written.pixel(x, y) != empty.pixel(x, y)) ink |= QRect(x, y, 1, 1);
    EXPECT_GE(ink.left(), frame.Left) << text;
    EXPECT_LT(ink.right(), frame.Right - 1) << text;
  }

  EnterA("32768");
  TLabel* readout = form->Label[26];
  EXPECT_EQ(Shown(readout), "signed number: -32768d ");
  const QRect placed = readout->geometry();
  const QRect ink =
      InkBox(form->grab().toImage(), {placed.topLeft(), QPoint(639, placed.bottom())}, clWhite);
  EXPECT_TRUE(placed.contains(ink));
  EXPECT_LT(ink.right(), 639);  // the white of A's area ends at 639
  for (QObject* child : form->children()) {
    auto* c = dynamic_cast<TControl*>(child);
    if (c && c != readout && !dynamic_cast<TShape*>(c)) {
      EXPECT_FALSE(c->geometry().intersects(placed)) << c->Name();
    }
  }
}

// Both styled hints, shown as the user gets them: English titles and notes,
// title and help text on one line without an ellipsis, no word of a note
// wider than the notes' column, and the notes' last ink above the help line
// or the bottom border. The background runs top to bottom, so each row's
// colour shows at column w - 3, right of every text.
TEST_F(English, HintsSpeakEnglishAndFitTheirWidth) {
  const struct {
    int Panel, PictureWidth;
    const char *Title, *FirstNote;
  } hints[] = {{1, 46, "Free software", "A calculator for 16-bit numbers"},
               {2, 32, "PPHU Zavarer ", "Software for industry"}};
  const TStyledOfficeHint& component = *form->StyledOfficeHint1;
  EXPECT_EQ(component.HintHelpText(), "Welcome");
  for (const auto& h : hints) {
    const TPoint at = form->ad1->PanelRect(h.Panel).Centre();
    QTest::mouseMove(form->ad1, {at.X + 1, at.Y});  // the platform drops a move to where it is
    QTest::mouseMove(form->ad1, {at.X, at.Y});
    clock.Advance(500);
    ASSERT_NE(app.ShownHint(), nullptr);
    const QImage image = app.ShownHint()->grab().toImage();
    const TStyledHintInfo& content = component.Content();
    EXPECT_EQ(content.Title, h.Title);
    EXPECT_EQ(content.Notes.at(0), h.FirstNote);

    const int w = image.width(), notesLeft = 2 + h.PictureWidth + 8, notesRight = w - 8;
    TBitmap measure(1, 1);
    component.AssignDrawingFont(measure.Canvas().Font());
    for (const std::string& note : content.Notes)
      for (const QString& word : FromCp1250(note).split(' '))
        EXPECT_LE(measure.Canvas().TextWidth(ToCp1250(word)), notesRight - notesLeft) << note;
    measure.Canvas().Font().SetStyle(fsBold);
    const int helpWidth = measure.Canvas().TextWidth(component.HintHelpText());
    EXPECT_LE(measure.Canvas().TextWidth(content.Title), w - 10);
    EXPECT_LE(helpWidth, w - 10);

    const QRgb line = ToQColor(component.HintHelpLineColor()).rgb();
    int rule = image.height() - 2, lowestInk = -1;
    for (int y = 0; y < image.height() - 2; ++y)
      if (image.pixel(6, y) == line && image.pixel(w - 4, y) == line) rule = y;
    // Right of the help text, which has the rows below the line to itself.
    const int inkLeft = content.ShowHelp ? std::max(notesLeft, 6 + helpWidth + 2) : notesLeft;
    for (int y = 0; y < rule; ++y)
      for (int x = inkLeft; x < notesRight; ++x)
        if (image.pixel(x, y) != image.pixel(w - 3, y)) lowestInk = y;
    EXPECT_EQ(rule < image.height() - 2, content.ShowHelp);
    EXPECT_GT(lowestInk, 0);
    EXPECT_LT(lowestInk, rule - 1) << "notes run into the line below them";
  }
}

}  // namespace
