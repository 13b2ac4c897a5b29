#include "main_window/form1.h"

#include <QIcon>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <stdexcept>
#include <string>

#include "core/evaluation.h"
#include "core/n_bool_proc.h"
#include "framework/runtime/timer.h"
#include "framework/standard/button.h"
#include "framework/standard/label.h"
#include "framework/standard/shape.h"
#include "framework/text/text.h"
#include "main_window/copy_menu.h"
#include "main_window/layout_tables.h"
#include "main_window/stored_settings.h"
#include "resources/program_icon.h"
#include "widgets/bits/bit_led.h"
#include "widgets/bits/bit_toggle_switch.h"
#include "widgets/entry/num_spin_edit.h"
#include "widgets/entry/styled_character_selector.h"
#include "widgets/status/gradient_label.h"
#include "widgets/trackbar/styled_track_bar.h"

namespace bitcalc::main_window {

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

namespace {

std::string Numbered(const char* name, int k) {
  return name + std::to_string(k);
}

QString Latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// Gives control a font of its own; the window's font is inherited as it is.
void SetOwnFont(TControl* control, const TFontSpec& spec) {
  if (spec.Name) AssignFont(control->Font(), spec);
}

template <typename T>
T* Place(TForm1* form, const std::string& name, const TRect& bounds) {
  auto* control = new T(form);
  control->SetName(name);
  control->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
  return control;
}

}  // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner) {
  BeginLoading();
  SetName("Form1");
  SetCaption("BitCalc");
  SetBorderStyle(bsToolWindow);
  SetPosition(poScreenCenter);
  SetClientSize(kClientWidth, kClientHeight);
  SetColor(kWindowColor);
  setWindowIcon(QIcon(QPixmap::fromImage(resources::ProgramIcon())));
  CreateGraphicComponents();
  CreateWindowedComponents();
  CreateStatusArea();
  BindEvents();
  ResolveCaptionTargets();
  new TCopyMenu(this);  // the window owns it
  OnCreate = [this](TObject* sender) { FormCreate(sender); };
  FinishCreation();
}

TForm1::~TForm1() = default;

void TForm1::CreateGraphicComponents() {
  for (const TPaintRun& run : kPaintingOrder) {
    for (int k = run.First; k <= run.Last; ++k) {
      switch (run.Piece) {
        case TPiece::Shape: {
          TShape* s = Place<TShape>(this, Numbered("Shape", k), kShapes[k - 1]);
          s->SetParent(this);
          Shape[k - 1] = s;
          break;
        }
        case TPiece::Switch: {
          const TSwitchRow& row = kSwitchRows[(k - 1) / 8];
          const int bit = row.FirstBit + (k - row.First);
          const int left = bit < 8 ? kLowByteSwitchX[bit] : kHighByteSwitchX[bit - 8];
          auto* s = Place<TBitToggleSwitch>(this, Numbered("BitToggleSwitch", k),
                                            {left, row.Top, left + 17, row.Top + 33});
          ApplyStoredSwitchSettings(*s, (row.FirstBit + 7) - (k - row.First));
          s->setAccessibleName(QString("%1 bit %2").arg(k <= 16 ? 'A' : 'B').arg(bit));
          s->SetParent(this);
          BitToggleSwitch[k - 1] = s;
          break;
        }
        case TPiece::Label: {
          const TLabelSpec& spec = kLabels[k - 1];
          auto* l = new TLabel(this);
          l->SetName(Numbered("Label", k));
          SetOwnFont(l, *spec.Font);
          l->SetTransparent(true);
          l->SetBounds(spec.Left, spec.Top, 0, 0);
          l->SetCaption(std::string(spec.Caption));
          l->SetParent(this);
          Label[k - 1] = l;
          break;
        }
        case TPiece::Led: {
          const int left = kLedX[k - 1];
          auto* led =
              Place<TBitLED>(this, Numbered("BitLED", k), {left, kLedTop, left + 25, kLedTop + 33});
          ApplyStoredLedSettings(*led, 7 - (k - 1) % 8);
          led->setAccessibleName(QString("Result bit %1").arg(k - 1));
          led->SetParent(this);
          BitLED[k - 1] = led;
          break;
        }
        case TPiece::Gradient: {
          const TGradientSpec& spec = kGradientLabels[k - 1];
          auto* g = Place<TGradientLabel>(this, Numbered("GradientLabel", k), spec.Bounds);
          SetOwnFont(g, *spec.Font);
          ApplyStoredGradientSettings(*g, spec);
          g->SetCaption(Numbered("GradientLabel", k));
          g->SetParent(this);
          GradientLabel[k - 1] = g;
          break;
        }
      }
    }
  }
}

void TForm1::CreateWindowedComponents() {
  for (const TFieldSpec& spec : kFields) {
    auto* e = new TNumSpinEdit(this);
    e->SetName(Numbered("NumSpinEdit", spec.Number));
    SetOwnFont(e, *spec.Font);
    e->SetAutoSize(spec.AutoSize);
    e->SetBounds(spec.Bounds.Left, spec.Bounds.Top, spec.Bounds.Width(), spec.Bounds.Height());
    if (spec.Hex) e->SetValueType(vtHex);
    e->SetMaxValue(65535);
    e->SetMaxLength(spec.MaxLength);
    e->SetColor(spec.Color);
    e->SetTabOrder(spec.TabOrder);
    e->setAccessibleName(Latin1(spec.AccessibleName));
    e->Editor()->setAccessibleName(e->accessibleName());  // the part that takes the focus
    e->SetParent(this);
    (spec.Number == 1   ? NumSpinEdit1
     : spec.Number == 2 ? NumSpinEdit2
     : spec.Number == 4 ? NumSpinEdit4
                        : NumSpinEdit5) = e;
  }

  StyledTrackBar1 = Place<TStyledTrackBar>(this, "StyledTrackBar1", kTrackBarBounds);
  ApplyStoredTrackBarSettings(*StyledTrackBar1);
  StyledTrackBar1->SetTabOrder(kTrackBarTabOrder);
  StyledTrackBar1->setAccessibleName(Latin1(kTrackBarAccessibleName));
  StyledTrackBar1->SetParent(this);

  for (int k = 1; k <= int(kButtons.size()); ++k) {
    const TButtonSpec& spec = kButtons[k - 1];
    auto* b = Place<TButton>(this, Numbered("Button", k), spec.Bounds);
    SetOwnFont(b, *spec.Font);
    b->SetCaption(std::string(spec.Caption));
    b->setAccessibleName(Latin1(spec.AccessibleName));
    b->Widget()->setAccessibleName(b->accessibleName());  // the part that takes the focus
    b->SetTabOrder(spec.TabOrder);
    b->SetParent(this);
    Button[k - 1] = b;
  }

  std::array<TStyledCharacterSelector**, 4> selectors{&as1, &as2, &as3, &as4};
  for (int k = 1; k <= 4; ++k) {
    const TSelectorSpec& spec = kSelectors[k - 1];
    auto* s = Place<TStyledCharacterSelector>(this, Numbered("as", k),
                                              {spec.Left, spec.Top, spec.Left + 9, spec.Top + 27});
    ApplyStoredSelectorSettings(*s);
    s->SetTabOrder(spec.TabOrder);
    s->setAccessibleName(Latin1(spec.AccessibleName));
    s->SetParent(this);
    *selectors[k - 1] = s;
  }
}

void TForm1::BindEvents() {
  for (int k = 1; k <= 32; ++k) {
    BitToggleSwitch[k - 1]->OnClick =
        k <= 16 ? TNotifyEvent([this](TObject* s) { BitToggleSwitch1Click(s); })
                : TNotifyEvent([this](TObject* s) { BitToggleSwitch17Click(s); });
  }
  NumSpinEdit4->OnChange = [this](TObject* s) { NumSpinEdit4Change(s); };
  NumSpinEdit5->OnChange = [this](TObject* s) { NumSpinEdit5Change(s); };
  NumSpinEdit1->OnChange = [this](TObject* s) { NumSpinEdit1Change(s); };
  NumSpinEdit2->OnChange = [this](TObject* s) { NumSpinEdit2Change(s); };
  using THandler = void (TForm1::*)(TObject*);
  static constexpr std::array<THandler, 11> kButtonHandlers{
      &TForm1::Button1Click, &TForm1::Button2Click,  &TForm1::Button3Click, &TForm1::Button4Click,
      &TForm1::Button5Click, &TForm1::Button6Click,  &TForm1::Button7Click, &TForm1::Button8Click,
      &TForm1::Button9Click, &TForm1::Button10Click, &TForm1::Button11Click};
  for (int k = 0; k < 11; ++k) {
    const THandler handler = kButtonHandlers[k];
    Button[k]->OnClick = [this, handler](TObject* s) { (this->*handler)(s); };
  }
  as1->OnSelect = [this](TObject* s) { as1Select(s); };
  as2->OnSelect = [this](TObject* s) { as2Select(s); };
  as3->OnSelect = [this](TObject* s) { as3Select(s); };
  as4->OnSelect = [this](TObject* s) { as4Select(s); };
  StyledTrackBar1->OnChange = [this](TObject* s) { StyledTrackBar1Change(s); };
  // A position reads out as the name of its operation.
  StyledTrackBar1->OnGetValueText = [this](TObject*, int position, std::string& text) {
    if (position >= 0 && position < int(kOperationLabels.size()))
      text = CaptionText(Label[kOperationLabels[position] - 1]->Caption());
  };
  Timer1->OnTimer = [this](TObject* s) { Timer1Timer(s); };
}

// The evaluation names each readout it writes; a name that matches no
// component is a fault of the program, so it stops the window being built.
void TForm1::ResolveCaptionTargets() {
  core::TNBoolProc scratch;
  const core::TEvaluation sample = core::Evaluate(scratch, 0);
  for (std::size_t i = 0; i < sample.Captions.size(); ++i) {
    const std::string name(sample.Captions[i].Target);
    auto* target = dynamic_cast<TControl*>(FindComponent(name));
    if (!target) throw std::logic_error("the window has no readout named " + name);
    caption_targets_[i] = target;
  }
}

}  // namespace bitcalc::main_window
