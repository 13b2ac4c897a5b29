#include "app/demo_form.h"

#include <array>

#include "framework/standard/button.h"
#include "framework/standard/label.h"
#include "framework/standard/shape.h"
#include "widgets/bits/bit_led.h"
#include "widgets/bits/bit_toggle_switch.h"
#include "widgets/entry/num_spin_edit.h"

namespace bitcalc::app {

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

constexpr int kBits = 8;

// Eight switches, their LEDs and a decimal and a hexadecimal field kept in
// step: the widgets on their own, until the calculator's window exists.
struct DemoParts {
  std::array<TBitToggleSwitch*, kBits> switches{};
  std::array<TBitLED*, kBits> leds{};
  TNumSpinEdit* decimal = nullptr;
  TNumSpinEdit* hex = nullptr;

  int SwitchValue() const {
    int v = 0;
    for (int i = 0; i < kBits; ++i) v |= int(switches[i]->Checked()) << i;
    return v;
  }
  void Show(int v) {
    for (int i = 0; i < kBits; ++i) {
      switches[i]->SetChecked((v >> i) & 1);
      leds[i]->SetChecked((v >> i) & 1);
    }
    decimal->SetValue(v);
    hex->SetValue(v);
  }
};

namespace {

TNumSpinEdit* MakeField(TForm* form, int left, TValueType type) {
  auto* e = new TNumSpinEdit(form);
  e->SetParent(form);
  e->SetBounds(left, 110, 97, 30);
  e->SetValueType(type);
  e->SetMaxValue(255);
  e->Font().SetName("Arial");
  e->Font().SetHeight(-19);
  e->Font().SetStyle(fsBold);
  return e;
}

}  // namespace

TDemoForm::TDemoForm(TComponent* owner) : TForm(owner) {
  BeginLoading();
  SetCaption("Binary calculator");
  SetBorderStyle(bsToolWindow);
  SetPosition(poScreenCenter);
  SetClientSize(320, 160);

  auto* frame = new TShape(this);
  frame->SetParent(this);
  frame->SetBounds(8, 8, 304, 144);
  frame->Brush().SetColor(clWhite);

  auto* label = new TLabel(this);
  label->SetParent(this);
  label->SetBounds(20, 16, 280, 16);
  label->SetTransparent(true);
  label->SetCaption("One byte, bit 7 on the left");

  auto* parts = new DemoParts;
  parts_.reset(parts);
  for (int i = 0; i < kBits; ++i) {
    const int left = 20 + 16 * (kBits - 1 - i);
    auto* s = new TBitToggleSwitch(this);
    s->SetParent(this);
    s->SetBounds(left, 36, 17, 33);
    s->OnClick = [parts](TObject*) { parts->Show(parts->SwitchValue()); };
    parts->switches[i] = s;
    auto* led = new TBitLED(this);
    led->SetParent(this);
    led->SetBounds(left - 2, 72, 25, 33);
    led->LED().SetHeight(20);
    parts->leds[i] = led;
  }
  parts->decimal = MakeField(this, 160, vtInteger);
  parts->hex = MakeField(this, 20, vtHex);
  parts->decimal->OnChange = [parts](TObject*) {
    parts->Show(int(parts->decimal->Value()) & 0xFF);
  };
  parts->hex->OnChange = [parts](TObject*) { parts->Show(int(parts->hex->Value()) & 0xFF); };

  auto* reset = new TButton(this);
  reset->SetParent(this);
  reset->SetBounds(160, 40, 90, 26);
  reset->SetCaption("&Reset");
  reset->OnClick = [parts](TObject*) { parts->Show(0); };
  FinishCreation();
}

TDemoForm::~TDemoForm() = default;

}  // namespace bitcalc::app
