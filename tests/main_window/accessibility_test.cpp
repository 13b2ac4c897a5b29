#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QPushButton>
#include <vector>

#include "tests/main_window/calculator_fixture.h"
#include "widgets/entry/selector_drop_down_window.h"
#include "widgets/entry/styled_character_selector.h"
#include "widgets/entry/styled_selector_panel.h"

using namespace bitcalc::framework;

// The window as assistive technology reads it, on the headless platform.
class Accessibility : public CalculatorTest {
 protected:
  static QAccessibleInterface* Of(QObject* o) { return QAccessible::queryAccessibleInterface(o); }
  static QString Name(QAccessibleInterface* i) { return i->text(QAccessible::Name); }
  static QString Value(QObject* o) { return Of(o)->text(QAccessible::Value); }
  static bool Checked(QObject* o) { return Of(o)->state().checked; }
  // Carries out a named action of an interface, as a screen reader would.
  static void Act(QAccessibleInterface* i, const QString& action) {
    ASSERT_TRUE(i->actionInterface()->actionNames().contains(action));
    i->actionInterface()->doAction(action);
  }
  // The interfaces under the window's, by name.
  QString ChildNames(QAccessibleInterface* parent) const {
    QStringList names;
    for (int i = 0; i < parent->childCount(); ++i) names << Name(parent->child(i));
    return names.join('|');
  }
};

TEST_F(Accessibility, NamesRolesAndStatesOfTheWindowsControls) {
  QAccessibleInterface* window = Of(form.get());
  EXPECT_EQ(window->role(), QAccessible::Window);
  EXPECT_EQ(Name(window), "BitCalc");
  struct Expected {
    TControl* control;
    QAccessible::Role role;
    const char* name;
  };
  std::vector<Expected> controls{
      {form->NumSpinEdit4, QAccessible::SpinBox, "A decimal"},
      {form->NumSpinEdit2, QAccessible::SpinBox, "B hexadecimal"},
      {form->StyledTrackBar1, QAccessible::Slider, "Operation"},
      {form->as2, QAccessible::ButtonDropDown, "A high byte character"},
      {form->as3, QAccessible::ButtonDropDown, "B low byte character"},
      {form->Label[13], QAccessible::StaticText, "A"},
      {form->Label[12], QAccessible::StaticText, "Result, decimal: 65535"},
      {form->GradientLabel[2], QAccessible::StaticText, "A, bits 0 to 7: 0, hexadecimal 0"},
      {form->ad1, QAccessible::StatusBar, "Status"},
  };
  // Switch k holds bit (k - 1) % 16 of A, then of B; LED k result bit k - 1.
  const std::vector<std::string> names{"A bit 0", "A bit 9", "B bit 0", "B bit 15"};
  const int switches[] = {1, 10, 17, 32};
  for (int i = 0; i < 4; ++i)
    controls.push_back({form->BitToggleSwitch[switches[i] - 1], QAccessible::CheckBox,
                        names[std::size_t(i)].c_str()});
  controls.push_back({form->BitLED[0], QAccessible::CheckBox, "Result bit 0"});
  controls.push_back({form->BitLED[15], QAccessible::CheckBox, "Result bit 15"});
  // Buttons are read out by what they do, from the part that takes the focus.
  for (const auto& [button, name] : {std::pair{form->Button[0], "Rotate A left"},
                                     std::pair{form->Button[10], "Swap A's bytes"}}) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(button->Widget());
    ASSERT_NE(i, nullptr);
    EXPECT_EQ(i->role(), QAccessible::Button);
    EXPECT_EQ(Name(i), name);
  }
  for (const Expected& e : controls) {
    QAccessibleInterface* i = Of(e.control);
    ASSERT_NE(i, nullptr) << e.name;
    EXPECT_EQ(i->role(), e.role) << e.name;
    EXPECT_EQ(Name(i), e.name) << e.control->Name();
    EXPECT_EQ(i->parent(), window) << e.name;
    EXPECT_GE(window->indexOfChild(i), 0) << e.name;
  }

  // Switches can be toggled; LEDs are read-only and lit for NOT 0.
  const QAccessible::State sw = Of(form->BitToggleSwitch[0])->state();
  EXPECT_TRUE(sw.checkable && !sw.checked && !sw.readOnly);
  const QAccessible::State led = Of(form->BitLED[4])->state();
  EXPECT_TRUE(led.checkable && led.checked && led.readOnly);
  EXPECT_TRUE(Of(form->BitLED[4])->actionInterface()->actionNames().isEmpty());
  // The selectors open a grid and stay out of the keyboard's way.
  const QAccessible::State selector = Of(form->as1)->state();
  EXPECT_TRUE(selector.hasPopup && selector.collapsed && !selector.focusable);
  // Values: the operation by name, the fields by number and text.
  EXPECT_EQ(Value(form->StyledTrackBar1), "NOT A");
  EXPECT_EQ(Of(form->StyledTrackBar1)->valueInterface()->maximumValue(), 7);
  EXPECT_EQ(Of(form->NumSpinEdit5)->valueInterface()->currentValue().toDouble(), 0.0);
  EXPECT_EQ(Value(form->NumSpinEdit5), "0");
  // Status panels read as their text without markup.
  EXPECT_EQ(ChildNames(Of(form->ad1)).toStdString(),
            QString::fromUtf8("Rodazu system sterowania i pomiarów dla amatorów i "
                              "profesjonalistów|Gratis| bitcalc.example.org")
                .toStdString());
}

TEST_F(Accessibility, RealInputChangesStatesAndValues) {
  ClickSwitch(2);  // A bit 1
  EXPECT_TRUE(Checked(form->BitToggleSwitch[1]));
  EXPECT_FALSE(Checked(form->BitLED[1]));  // NOT 2 clears result bit 1
  EXPECT_EQ(Value(form->NumSpinEdit4), "2");
  Focus(form->NumSpinEdit5);  // the focus is on the field's editor, named like the field
  EXPECT_EQ(Name(Of(Focused())), "A hexadecimal");
  EXPECT_EQ(Name(Of(form->Label[12])), "Result, decimal: 65533");

  form->StyledTrackBar1->SetFocus();
  Key(Qt::Key_PageDown);
  EXPECT_EQ(Value(form->StyledTrackBar1), "A AND B");
  for (int i = 0; i < 6; ++i) Key(Qt::Key_PageDown);
  EXPECT_EQ(Value(form->StyledTrackBar1), "A DIV B");
}

TEST_F(Accessibility, ActionsGoWhereTheMouseGoes) {
  Act(Of(form->BitToggleSwitch[16]), QAccessibleActionInterface::toggleAction());  // B bit 0
  EXPECT_EQ(B(), 1);
  ExpectInStep();
  Act(Of(form->BitToggleSwitch[16]), QAccessibleActionInterface::toggleAction());
  EXPECT_EQ(B(), 0);

  Of(form->StyledTrackBar1)->valueInterface()->setCurrentValue(3);
  EXPECT_EQ(form->StyledTrackBar1->Position(), 3);
  EXPECT_EQ(Value(form->StyledTrackBar1), "A ADD B");
  ExpectInStep();

  QAccessibleInterface* selector = Of(form->as1);
  Act(selector, QAccessibleActionInterface::pressAction());
  ASSERT_TRUE(form->as1->DropDownWindow()->isVisible());
  EXPECT_TRUE(selector->state().expanded);
  QAccessibleInterface* grid = Of(form->as1->Panel());
  EXPECT_EQ(grid->role(), QAccessible::List);
  ASSERT_EQ(grid->childCount(), 256);
  QAccessibleInterface* cell = grid->child(65);
  EXPECT_EQ(Name(cell), "65 A");
  EXPECT_EQ(cell->role(), QAccessible::ListItem);
  EXPECT_EQ(grid->indexOfChild(cell), 65);
  EXPECT_EQ(Name(grid->child(0)), "0");
  EXPECT_EQ(Name(grid->child(0xE9)), QString::fromUtf8("233 é"));
  Act(cell, QAccessibleActionInterface::pressAction());
  clock.Advance(1);  // the grid's hide timer
  EXPECT_FALSE(form->as1->DropDownWindow()->isVisible());
  EXPECT_EQ(A(), 65);
  ExpectInStep();
  EXPECT_TRUE(Of(form->as1->Panel())->child(65)->state().selected);
  EXPECT_FALSE(Of(form->as1)->state().focusable);
}

TEST_F(Accessibility, SpinBoxValueIsAProgramsWriteAndItsStepsAreTheFields) {
  QAccessibleInterface* field = Of(form->NumSpinEdit1);  // B decimal, MaxLength 3
  int changes = 0;
  const TNotifyEvent handler = form->NumSpinEdit1->OnChange;
  form->NumSpinEdit1->OnChange = [&](TObject* s) { ++changes, handler(s); };
  struct Step {
    const char* act;  // "" sets 70000 (clamped), else an action
    std::uint16_t b;
    int changes;
  };
  for (const Step& s : {Step{"", 65535, 1}, Step{"", 65535, 1}, Step{"Decrease", 65534, 2},
                        Step{"Increase", 65535, 3}, Step{"Increase", 65535, 3}}) {
    SCOPED_TRACE(s.act);
    if (*s.act)
      Act(field, s.act);
    else
      field->valueInterface()->setCurrentValue(70000);
    EXPECT_EQ(B(), s.b);
    EXPECT_EQ(changes, s.changes);
  }
  EXPECT_EQ(Shown(form->NumSpinEdit1), "65535");  // wider than its MaxLength
  ExpectInStep();
}

TEST_F(Accessibility, ReadoutsSayWhatTheyShowAndTheSliderItsOperation) {
  EnterA("4660");  // 1234h
  Of(form->StyledTrackBar1)->valueInterface()->setCurrentValue(3);  // A ADD B, B = 0
  EXPECT_EQ(Of(form->StyledTrackBar1)->text(QAccessible::Description), "A ADD B");
  const std::pair<TControl*, const char*> readouts[] = {
      {form->Label[12], "Result, decimal: 4660"},
      {form->Label[14], "Result, hexadecimal: 1234"},
      {form->Label[26], "A, signed: 4660"},
      {form->GradientLabel[5], "A, bits 12 to 15: 1, hexadecimal 1"},
      {form->GradientLabel[8], "Result, bits 0 to 7: 52, hexadecimal 34"},
      {form->Label[21], "A, low byte character: 52 4"},
      {form->Label[23], "B, high byte character: 0"},
      {form->Label[20], "Result, characters: high byte 18, low byte 52 4"},
  };
  for (const auto& [control, name] : readouts) EXPECT_EQ(Name(Of(control)), name);
}

TEST_F(Accessibility, EveryNodeUnderTheWindowIsNamedAndButtonsStandAlone) {
  QAccessibleInterface* window = Of(form.get());
  int buttons = 0;
  for (int k = 0; k < window->childCount(); ++k) {
    QAccessibleInterface* c = window->child(k);
    SCOPED_TRACE(k);
    EXPECT_FALSE(Name(c).isEmpty());
    EXPECT_NE(c->role(), QAccessible::Client);  // shapes and button wrappers are out
    EXPECT_EQ(c->parent(), window);
    EXPECT_EQ(window->indexOfChild(c), k);
    if (c->role() == QAccessible::Button) ++buttons;
  }
  EXPECT_EQ(buttons, 11);
  EXPECT_EQ(Of(form->NumSpinEdit4)->childCount(), 1);  // the text, not the mouse's button

  QAccessibleInterface* rotate = Of(form->Button[0]->Widget());
  Act(rotate, QAccessibleActionInterface::pressAction());  // A = 0 rotates to 0
  EXPECT_EQ(A(), 0);
  EnterA("1");
  Act(rotate, QAccessibleActionInterface::pressAction());
  EXPECT_EQ(A(), 2);
}

TEST_F(Accessibility, TheLinkOpensAndTheGridIsNamedLikeItsSelector) {
  QAccessibleInterface* link = Of(form->ad1)->child(2);
  EXPECT_TRUE(Of(form->ad1)->child(0)->actionInterface()->actionNames().isEmpty());
  Act(link, QAccessibleActionInterface::pressAction());
  ASSERT_EQ(services.OpenedUrls().size(), 1u);
  EXPECT_NE(services.OpenedUrls()[0].find("bitcalc.example.org"), std::string::npos);

  Act(Of(form->as3), QAccessibleActionInterface::pressAction());
  EXPECT_EQ(Name(Of(form->as3->DropDownWindow())), "B low byte character");
  EXPECT_EQ(Name(Of(form->as3->Panel())), "B low byte character");
}
