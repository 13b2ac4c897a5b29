#include "framework/raster/bitmap.h"
#include "tests/main_window/calculator_fixture.h"
#include "widgets/entry/styled_character_selector.h"
#include "widgets/status/markup_renderer.h"

using namespace bitcalc::core;
using namespace bitcalc::framework;
using namespace bitcalc::main_window;
using namespace bitcalc::widgets;

namespace {

// Before the window is ever shown, the first evaluation has filled every
// readout: A = B = 0 and NOT A light all sixteen LEDs.
TEST(Startup, EveryReadoutIsComputedBeforeTheFirstShow) {
  CreateBoolStore();
  TForm1 form(nullptr);
  ASSERT_FALSE(form.isVisible());
  EXPECT_EQ(form.EvaluationCount(), 1);
  for (TBitLED* led : form.BitLED) EXPECT_TRUE(led->Checked());
  EXPECT_EQ(CaptionText(form.Label[12]->Caption()), "65535d");
  EXPECT_EQ(CaptionText(form.Label[14]->Caption()), "FFFFh");
  EXPECT_EQ(CaptionText(form.Label[26]->Caption()), "liczba ze znakiem: 0d ");
  for (int k : {7, 8, 10, 11}) EXPECT_EQ(form.GradientLabel[k - 1]->Caption(), "15d  Fh") << k;
  for (int k : {9, 12}) EXPECT_EQ(form.GradientLabel[k - 1]->Caption(), "255d  FFh") << k;
  // No stored placeholder survives.
  for (const TControl* c :
       {static_cast<TControl*>(form.Label[12]), static_cast<TControl*>(form.Label[14]),
        static_cast<TControl*>(form.Label[20]), static_cast<TControl*>(form.Label[21]),
        static_cast<TControl*>(form.Label[26])})
    for (const char* placeholder : {"aa", "G", "Label13", "Label15", "Label27"})
      EXPECT_NE(c->Caption(), placeholder);
  for (TGradientLabel* g : form.GradientLabel)
    EXPECT_EQ(g->Caption().rfind("GradientLabel", 0), std::string::npos);
}

TEST(Startup, TheFlatFieldsThatSizeThemselvesShrinkTo28AndTheDecimalOfAStays30) {
  CreateBoolStore();
  TForm1 form(nullptr);
  EXPECT_EQ(form.NumSpinEdit4->Height(), 30);
  for (TNumSpinEdit* e : {form.NumSpinEdit5, form.NumSpinEdit1, form.NumSpinEdit2}) {
    EXPECT_FALSE(e->Ctl3D());
    EXPECT_EQ(e->Height(), 28) << e->Name();
  }
}

// The components the layout places take their stored bounds even where a
// setting made later (the track bar's orientation) would otherwise move them.
TEST(Startup, WindowedComponentsStandWhereTheLayoutPutsThem) {
  CreateBoolStore();
  TForm1 form(nullptr);
  const std::pair<const TControl*, QRect> expected[] = {
      {form.StyledTrackBar1, {8, 156, 49, 133}},
      {form.NumSpinEdit4, {368, 10, 97, 30}},
      {form.NumSpinEdit5, {472, 10, 81, 28}},
      {form.NumSpinEdit1, {368, 98, 97, 28}},
      {form.NumSpinEdit2, {472, 98, 81, 28}},
      {form.Button[10], {160, 71, 25, 16}},
      {form.as2, {584, 10, 9, 27}},
      {form.ad1, {0, 305, 645, 19}},
      {form.BitToggleSwitch[15], {40, 8, 17, 33}},
      {form.BitLED[8], {344, 160, 25, 33}},
      {form.GradientLabel[11], {168, 226, 193, 23}}};
  for (const auto& [control, bounds] : expected)
    EXPECT_EQ(control->geometry(), bounds) << control->Name();
}

using Window = CalculatorTest;

TEST_F(Window, KeepsItsClientSizeAndCannotBeResized) {
  EXPECT_EQ(form->width(), 645);
  EXPECT_EQ(form->height(), 324);
  form->resize(700, 400);
  QApplication::processEvents();
  EXPECT_EQ(form->size(), QSize(645, 324));
  EXPECT_EQ(form->minimumSize(), form->maximumSize());
}

TEST_F(Window, TabVisitsFieldsTrackBarAndButtonsButNeverTheSelectors) {
  Focus(form->NumSpinEdit4);
  std::vector<std::string> visited;
  for (int i = 0; i < 16; ++i) {
    Key(Qt::Key_Tab);
    QWidget* w = Focused();
    while (w && !dynamic_cast<TControl*>(w)) w = w->parentWidget();
    visited.push_back(w ? dynamic_cast<TControl*>(w)->Name() : "?");
  }
  const std::vector<std::string> expected{
      "NumSpinEdit5", "NumSpinEdit1", "NumSpinEdit2", "StyledTrackBar1", "Button1", "Button2",
      "Button3",      "Button4",      "Button5",      "Button6",         "Button7", "Button8",
      "Button9",      "Button10",     "Button11",     "NumSpinEdit4"};
  EXPECT_EQ(visited, expected);
}

TEST_F(Window, TheTrackBarChangesOnlyTheResult) {
  ClickSwitch(3);  // A = 4
  const std::uint16_t a = A();
  const std::string aDecimal = form->NumSpinEdit4->Text();
  form->StyledTrackBar1->SetFocus();
  for (int position = 6; position >= 0; --position) {
    Key(Qt::Key_Down);
    EXPECT_EQ(form->StyledTrackBar1->Position(), position);
    EXPECT_EQ(A(), a);
    EXPECT_EQ(form->NumSpinEdit4->Text(), aDecimal);
    ExpectInStep();
  }
}

TEST_F(Window, TheStatusTextRotatesEveryFiveSeconds) {
  const auto panel = [&] { return FromCp1250(form->ad1->Panels()[0].Text()).toStdString(); };
  const std::string stored = panel();
  EXPECT_NE(stored.find("<b>Rodazu</b>"), std::string::npos);
  clock.Advance(4999);
  EXPECT_EQ(panel(), stored);
  const char* expected[] = {"<font color=\"clwhite\"><b>Rodazu</b>", "<b>Revove OEE</b>",
                            "<b>CMMS Varedov</b>", "<font color=\"clwhite\"><b>Rodazu</b>"};
  for (int tick = 0; tick < 4; ++tick) {
    clock.Advance(tick == 0 ? 1 : 5000);
    EXPECT_EQ(panel().rfind(expected[tick], 0), 0u) << "after " << 5 * (tick + 1) << " s";
    EXPECT_EQ(form->StatusRotation, tick % 3 + 1);
  }
}

}  // namespace

namespace {

// The second panel's text must fit its text frame, (464, 3)-(523, 17), in the
// bar's own font: 59 pixels wide, laid out in 58.
TEST(Startup, TheSecondStatusPanelTextFitsItsFrame) {
  CreateBoolStore();
  TForm1 form(nullptr);
  TBitmap bitmap(1, 1);
  bitmap.Canvas().Font().Assign(form.ad1->Font());
  std::string anchor;
  int width = 0;
  int height = 0;
  DrawMarkup(bitmap.Canvas(), form.ad1->Panels()[1].Text(), {464, 3, 523, 17}, mmLayoutOnly, -1, -1,
             true, clBlue, true, nullptr, nullptr, anchor, width, height);
  EXPECT_LE(width, 59);
  EXPECT_GT(width, 30);
  EXPECT_LE(height, 14);
}

}  // namespace
