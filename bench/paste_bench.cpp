#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <memory>

#include "framework/runtime/form.h"
#include "widgets/entry/num_spin_edit.h"

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

namespace {

// A shown window with one field as the calculator sets up A's decimal field.
struct FieldOnForm {
  FieldOnForm() : form(std::make_unique<TForm>(nullptr)) {
    form->SetClientSize(300, 100);
    field = new TNumSpinEdit(form.get());
    field->SetParent(form.get());
    field->SetBounds(10, 10, 97, 30);
    field->SetMaxValue(65535);
    field->Font().SetName("Arial");
    field->Font().SetHeight(-19);
    form->Show();
    QApplication::processEvents();
  }
  std::unique_ptr<TForm> form;
  TNumSpinEdit* field;
};

const QString& Megabyte() {
  static const QString text(TCustomEdit::kMaxUserTextLength, u'7');
  return text;
}

// The most a field takes from the user, pasted over its text.
void BM_PasteMegabyte(benchmark::State& state) {
  FieldOnForm f;
  QApplication::clipboard()->setText(Megabyte());
  for (auto _ : state) {
    f.field->SelectAll();
    f.field->PasteFromClipboard();
    state.PauseTiming();
    f.field->SetText("0");
    state.ResumeTiming();
  }
}
BENCHMARK(BM_PasteMegabyte)->Unit(benchmark::kMillisecond);

// The floor for the paste above: the toolkit's own line edit given the same
// text in the same font.
void BM_LineEditSetTextMegabyte(benchmark::State& state) {
  FieldOnForm f;
  QLineEdit plain(f.form.get());
  plain.setFont(f.field->Editor()->font());
  plain.setMaxLength(int(Megabyte().size()));
  plain.show();
  for (auto _ : state) {
    plain.setText(Megabyte());
    state.PauseTiming();
    plain.setText("0");
    state.ResumeTiming();
  }
}
BENCHMARK(BM_LineEditSetTextMegabyte)->Unit(benchmark::kMillisecond);

// Ten megabytes, refused whole.
void BM_PasteRefusedFlood(benchmark::State& state) {
  FieldOnForm f;
  QApplication::clipboard()->setText(QString(10 * TCustomEdit::kMaxUserTextLength, u'7'));
  for (auto _ : state) {
    f.field->SelectAll();
    f.field->PasteFromClipboard();
  }
}
BENCHMARK(BM_PasteRefusedFlood)->Unit(benchmark::kMillisecond);

}  // namespace
