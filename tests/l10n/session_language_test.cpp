#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/n_bool_proc.h"
#include "framework/raster/bitmap.h"
#include "framework/runtime/application.h"
#include "framework/runtime/timer.h"
#include "framework/standard/button.h"
#include "framework/standard/hint_window.h"
#include "framework/standard/label.h"
#include "framework/standard/shape.h"
#include "framework/text/text.h"
#include "main_window/form1.h"
#include "main_window/language.h"
#include "tests/support/ink_box.h"
#include "widgets/bits/bit_led.h"
#include "widgets/bits/bit_toggle_switch.h"
#include "widgets/entry/num_spin_edit.h"
#include "widgets/entry/styled_character_selector.h"
#include "widgets/status/markup_renderer.h"
#include "widgets/status/markup_text.h"
#include "widgets/status/status_bar_geometry.h"
#include "widgets/status/styled_hint_info.h"
#include "widgets/status/styled_office_hint.h"
#include "widgets/status/styled_office_status_bar.h"
#include "widgets/trackbar/styled_track_bar.h"

// The window in the language of the session. CTest runs English.* under
// en_US.UTF-8 and de_DE.UTF-8 and Polish.* under pl_PL.UTF-8, each with the
// program's own way of choosing and loading the catalogue.
namespace {

using namespace bitcalc;
using namespace bitcalc::framework;
using namespace bitcalc::main_window;
using namespace bitcalc::widgets;

// What a screen reader is told a control is called.
QString Spoken(QObject* control) {
  return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

struct TSpokenName {
  std::function<QObject*(TForm1&)> Control;
  const char* English;
  const char* Polish;
};

const std::vector<TSpokenName> kSpokenNames{
    {[](TForm1& f) { return f.BitToggleSwitch[0]; }, "A bit 0", "Bit 0 liczby A"},
    {[](TForm1& f) { return f.BitToggleSwitch[31]; }, "B bit 15", "Bit 15 liczby B"},
    {[](TForm1& f) { return f.BitLED[15]; }, "Result bit 15", "Bit 15 wyniku"},
    {[](TForm1& f) { return f.NumSpinEdit5; }, "A hexadecimal", "A szesnastkowo"},
    {[](TForm1& f) { return f.StyledTrackBar1; }, "Operation", "Działanie"},
    {[](TForm1& f) { return f.Button[8]; }, "Swap the nibbles of A's low byte",
     "Zamień półbajty młodszego bajtu A"},
    {[](TForm1& f) { return f.as4; }, "B high byte character", "Znak starszego bajtu B"},
    {[](TForm1& f) { return f.Label[26]; }, "signed number: 0d ", "liczba ze znakiem: 0d "},
};

class SessionWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    translation = std::make_unique<TTranslation>(SessionLanguage());
    core::CreateBoolStore();
    form = std::make_unique<TForm1>(&app);
    app.SetMainForm(form.get());
    form->Show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  }
  void TearDown() override {
    form.reset();
    translation.reset();
  }

  void ExpectSpokenNames(const char* TSpokenName::*language) {
    for (const TSpokenName& n : kSpokenNames)
      EXPECT_EQ(Spoken(n.Control(*form)), QString::fromUtf8(n.*language));
  }

  // The entries of the menu the field of A's decimal value opens.
  QStringList EditMenuEntries() {
    QLineEdit* editor = form->NumSpinEdit4->Editor();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            editor->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(editor, &event);
    QStringList entries;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* menu = qobject_cast<QMenu*>(w); menu && menu->isVisible()) {
        for (const QAction* action : menu->actions())
          if (!action->isSeparator()) entries << action->text();
        menu->close();
      }
    return entries;
  }

  // The styled hint of status panel i, shown as the user gets it.
  QImage HintOfPanel(int i) {
    const TPoint centre = form->ad1->PanelRect(i).Centre();
    const QPoint at(centre.X, centre.Y);
    QTest::mouseMove(form->ad1, at + QPoint(1, 0));
    QTest::mouseMove(form->ad1, at);
    clock.Advance(500);
    THintWindow* shown = app.ShownHint();
    return shown && shown->isVisible() ? shown->grab().toImage() : QImage();
  }

  TManualClock clock;
  TApplication app;
  std::unique_ptr<TTranslation> translation;
  std::unique_ptr<TForm1> form;
};

using English = SessionWindow;
using Polish = SessionWindow;

// The bar as painted, and what text painted on it: every pixel that differs
// from the bar painted with the panel empty.
QRect PanelInk(TStyledOfficeStatusBar* bar, int i, const std::string& text) {
  bar->Panels()[i].SetText(text);
  const QImage written = bar->grab().toImage();
  bar->Panels()[i].SetText("");
  const QImage empty = bar->grab().toImage();
  bar->Panels()[i].SetText(text);
  QRect ink;
  for (int y = 0; y < written.height(); ++y)
    for (int x = 0; x < written.width(); ++x)
      if (written.pixel(x, y) != empty.pixel(x, y)) ink |= QRect(x, y, 1, 1);
  return ink;
}

TEST_F(English, IsWhatTheSessionAsksFor) {
  EXPECT_EQ(SessionLanguage(), TLanguage::English);
  EXPECT_TRUE(translation->Installed());
  ExpectSpokenNames(&TSpokenName::English);
  EXPECT_EQ(EditMenuEntries().join('|').toStdString(),
            "&Undo|Cu&t|&Copy|&Paste|&Delete|Select &All");
}

// Every English text of the status bar fits one line of its panel's text
// frame, measured in the bar's real font, and its ink on the painted bar
// stays clear of the frame's right edge, so nothing is wrapped away, cut or
// run into the next panel.
TEST_F(English, StatusTextsFitTheirPanels) {
  TStyledOfficeStatusBar* bar = form->ad1;
  std::vector<std::pair<int, std::string>> texts{{0, bar->Panels()[0].Text()},
                                                 {1, bar->Panels()[1].Text()}};
  for (int tick = 0; tick < 3; ++tick) {
    form->Timer1Timer(form->Timer1);
    texts.emplace_back(0, bar->Panels()[0].Text());
  }
  const char* english[] = {
      "Rodazu control and measurement system for amateurs and professionals", "Free",
      "Rodazu control and measurement system for amateurs and professionals",
      "Revove OEE machine monitoring system", "CMMS Varedov software for maintenance teams"};
  for (std::size_t k = 0; k < texts.size(); ++k)
    EXPECT_EQ(MarkupPlainText(texts[k].second).toStdString(), english[k]);
  const std::vector<int> laidOut = LaidOutWidths({460, 65, 100}, bar->Width(), -1);
  TBitmap measure(1, 1);
  for (const auto& [i, text] : texts) {
    const TRect p = PanelPaintRect(laidOut, i, bar->Width(), bar->Height(), false);
    const TRect frame{p.Left + bar->Panels()[i].HTMLOffsetX(),
                      p.Top + bar->Panels()[i].HTMLOffsetY(), p.Right, p.Bottom};
    measure.Canvas().Font().Assign(bar->Font());
    // Unwrapped, so a text too long for one line shows as too wide: the
    // panel would wrap it and lay out only the first line.
    std::string anchor;
    int width = 0, height = 0;
    DrawMarkup(measure.Canvas(), text, frame, mmLayoutOnly, -1, -1, false, clBlue, true, nullptr,
               nullptr, anchor, width, height);
    const QRect ink = PanelInk(bar, i, text);
    std::printf("panel %d: %d of %d px: %s\n", i, width, frame.Width(), text.c_str());
    EXPECT_LE(width, frame.Width()) << text;
    EXPECT_GE(ink.left(), frame.Left) << text;
    EXPECT_LT(ink.right(), frame.Right - 1) << text;
  }
}

// The first row, from the bottom, drawn across in colour from x0 to x1: the
// hint's help line; -1 without one.
int RuleRow(const QImage& image, int x0, int x1, QRgb colour) {
  for (int y = image.height() - 1; y >= 0; --y) {
    bool rule = true;
    for (int x = x0; x <= x1 && rule; ++x) rule = image.pixel(x, y) == colour;
    if (rule) return y;
  }
  return -1;
}

// Both styled hints speak English. Title and help text fit single lines
// without an ellipsis, no word of a note is wider than the notes' column,
// and the notes' last ink lies above the help line or the bottom border.
TEST_F(English, HintsSpeakEnglishAndFitTheirWidth) {
  struct THintCase {
    int Panel;
    const char* Title;
    const char* FirstNote;
    int PictureWidth;
  };
  const THintCase hints[] = {{1, "Free software", "A calculator for 16-bit numbers", 46},
                             {2, "PPHU Zavarer ", "Software for industry", 32}};
  const TStyledOfficeHint& component = *form->StyledOfficeHint1;
  EXPECT_EQ(component.HintHelpText(), "Welcome");
  for (const THintCase& h : hints) {
    const QImage image = HintOfPanel(h.Panel);
    ASSERT_FALSE(image.isNull()) << "no hint over panel " << h.Panel;
    const TStyledHintInfo& content = component.Content();
    EXPECT_EQ(content.Title, h.Title);
    ASSERT_EQ(content.Notes.size(), 4u);
    EXPECT_EQ(content.Notes[0], h.FirstNote);

    const int w = image.width();
    const int notesLeft = 2 + h.PictureWidth + 8, notesRight = w - 8;
    TBitmap measure(1, 1);
    component.AssignDrawingFont(measure.Canvas().Font());
    for (const std::string& note : content.Notes) {
      for (const QString& word : FromCp1250(note).split(' '))
        EXPECT_LE(measure.Canvas().TextWidth(ToCp1250(word)), notesRight - notesLeft) << note;
      std::printf("hint %d note: %d px in a %d px column: %s\n", h.Panel,
                  measure.Canvas().TextWidth(note), notesRight - notesLeft, note.c_str());
    }
    measure.Canvas().Font().SetStyle(fsBold);
    const int helpWidth = measure.Canvas().TextWidth(component.HintHelpText());
    std::vector<std::string> singleLines{content.Title};
    if (content.ShowHelp) singleLines.push_back(component.HintHelpText());
    for (const std::string& line : singleLines) {
      std::printf("hint %d line: %d of %d px: %s\n", h.Panel, measure.Canvas().TextWidth(line),
                  w - 4 - 6, line.c_str());
      EXPECT_LE(measure.Canvas().TextWidth(line), w - 4 - 6) << line;
    }

    // The background runs top to bottom, so each row's colour shows at
    // column w - 3, right of every text and inside the border.
    const int rule = RuleRow(image, 6, w - 4, ToQColor(component.HintHelpLineColor()).rgb());
    EXPECT_EQ(rule >= 0, content.ShowHelp);
    const int floor = rule >= 0 ? rule : image.height() - 2;
    // Right of the help text, which has the rows below the line to itself.
    const int inkLeft = content.ShowHelp ? std::max(notesLeft, 6 + helpWidth + 2) : notesLeft;
    int lowestInk = -1;
    for (int y = 0; y < image.height() - 2; ++y)
      for (int x = inkLeft; x < notesRight; ++x)
        if (image.pixel(x, y) != image.pixel(w - 3, y) && y != rule) lowestInk = y;
    EXPECT_GT(lowestInk, 0);
    EXPECT_LT(lowestInk, floor - 1) << "notes run into the line below them";
  }
}

// The signed readout's longest English text stays on the white of A's area,
// clear of the frame's right edge and of every control beside it.
TEST_F(English, SignedReadoutFitsBesideTheByteReadouts) {
  form->NumSpinEdit4->SetValue(32768);
  TLabel* readout = form->Label[26];
  EXPECT_EQ(CaptionText(readout->Caption()), "signed number: -32768d ");
  const QRect placed = readout->geometry();
  const QImage shot = form->grab().toImage();
  const QRect ink = InkBox(
      shot, QRect(placed.left(), placed.top(), 639 - placed.left(), placed.height()), clWhite);
  std::printf("signed readout: %d px of ink from x = %d; the frame's white ends at x = 639\n",
              ink.width(), ink.left());
  EXPECT_TRUE(placed.contains(ink));
  EXPECT_LT(ink.right(), 639);
  for (QObject* child : form->children()) {
    auto* control = dynamic_cast<TControl*>(child);
    if (!control || control == readout || dynamic_cast<TShape*>(control)) continue;
    EXPECT_FALSE(control->geometry().intersects(placed)) << control->Name();
  }
}

TEST_F(Polish, IsWhatTheSessionAsksFor) {
  EXPECT_EQ(SessionLanguage(), TLanguage::Polish);
  EXPECT_TRUE(translation->Installed());
  ExpectSpokenNames(&TSpokenName::Polish);
  EXPECT_EQ(EditMenuEntries().join('|').toStdString(),
            "&Cofnij|Wy&tnij|&Kopiuj|Wk&lej|&Usuń|Zaznacz &wszystko");
  EXPECT_EQ(MarkupPlainText(form->ad1->Panels()[1].Text()), "Gratis");
  EXPECT_EQ(form->StyledOfficeHint1->HintHelpText(), "Zapraszamy");
}

}  // namespace
