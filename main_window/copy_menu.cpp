#include "main_window/copy_menu.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QShortcut>
#include <string>

#include "core/n_bool_proc.h"
#include "core/value_text.h"
#include "framework/controls/win_control.h"
#include "framework/standard/label.h"
#include "framework/standard/shape.h"
#include "main_window/form1.h"
#include "widgets/bits/bit_led.h"
#include "widgets/status/gradient_label.h"

namespace bitcalc::main_window {

namespace {

QString Tr(const char* text) {
  return QCoreApplication::translate("CopyMenu", text);
}

QString Utf8(const std::string& text) {
  return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

std::uint16_t ValueOf(TCopiedValue value) {
  switch (value) {
    case TCopiedValue::A:
      return core::BoolStore.RowToWord(core::RowA);
    case TCopiedValue::B:
      return core::BoolStore.RowToWord(core::RowB);
    case TCopiedValue::Result:
      break;
  }
  return core::BoolStore.RowToWord(core::RowResult);
}

}  // namespace

TCopyMenu::TCopyMenu(TForm1* form) : QObject(form), form_(form) {
  CollectTargets();
  // Graphic controls receive their own presses, so each is watched, and the
  // window itself for the gaps between them (the LED row's).
  form->installEventFilter(this);
  for (QWidget* child : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (!qobject_cast<framework::TWinControl*>(child)) child->installEventFilter(this);
  auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), form);
  connect(shortcut, &QShortcut::activated, this, [this] {
    const QRect decimal = form_->Shape[2]->geometry();
    Open(TCopiedValue::Result, form_->mapToGlobal(decimal.bottomLeft()));
  });
}

void TCopyMenu::CollectTargets() {
  const auto add = [this](const QWidget* w, TCopiedValue value) {
    targets_.push_back({{w}, value});
  };
  // The result's decimal, hexadecimal and character frames (Shape3, Shape2,
  // Shape11) and their labels, in case a text outgrows its frame.
  for (int k : {3, 2, 11}) add(form_->Shape[k - 1], TCopiedValue::Result);
  for (int k : {13, 15, 21}) add(form_->Label[k - 1], TCopiedValue::Result);
  for (int k = 7; k <= 12; ++k) add(form_->GradientLabel[k - 1], TCopiedValue::Result);
  targets_.push_back({{form_->BitLED.begin(), form_->BitLED.end()}, TCopiedValue::Result});
  // A's nibbles and bytes, its signed readout and its two characters.
  for (int k = 1; k <= 6; ++k) add(form_->GradientLabel[k - 1], TCopiedValue::A);
  for (int k : {27, 22, 23}) add(form_->Label[k - 1], TCopiedValue::A);
  for (int k : {7, 8}) add(form_->Shape[k - 1], TCopiedValue::A);
  // B's two characters.
  for (int k : {24, 25}) add(form_->Label[k - 1], TCopiedValue::B);
  for (int k : {9, 10}) add(form_->Shape[k - 1], TCopiedValue::B);
}

const TCopyMenu::TTarget* TCopyMenu::TargetAt(QPoint windowPos) const {
  for (const TTarget& t : targets_) {
    QRect area;
    for (const QWidget* w : t.Area) area |= w->geometry();
    if (area.contains(windowPos)) return &t;
  }
  return nullptr;
}

bool TCopyMenu::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
    return false;
  const auto* press = static_cast<QMouseEvent*>(event);
  if (press->button() != Qt::RightButton) return false;
  auto* widget = static_cast<QWidget*>(watched);
  const QPoint at = widget->mapTo(form_, press->position().toPoint());
  const TTarget* target = TargetAt(at);
  if (!target) return false;
  // Labels are sized after their text: an auto-sized one showing a character
  // of code 0 has no width, so the frame or bounds decide, not the glyphs.
  Open(target->Value, press->globalPosition().toPoint());
  return true;
}

void TCopyMenu::Open(TCopiedValue value, QPoint globalPos) {
  QMenu* menu = BuildMenu(value);
  menu->popup(globalPos);
}

QMenu* TCopyMenu::BuildMenu(TCopiedValue value) {
  // Parented to the window, so that a Wayland compositor places it there.
  auto* menu = new QMenu(form_);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->setAccessibleName(value == TCopiedValue::Result ? Tr("Copy the result")
                          : value == TCopiedValue::A    ? Tr("Copy A")
                                                        : Tr("Copy B"));
  const std::uint16_t v = ValueOf(value);
  const auto entry = [menu, v](const QString& label, core::TValueForm form) {
    const QString copied = Utf8(core::ValueText(v, form));
    QAction* action = menu->addAction(label);
    QObject::connect(action, &QAction::triggered, menu, [copied] {
      QGuiApplication::clipboard()->setText(copied, QClipboard::Clipboard);
    });
  };
  const QString copy = Tr("Copy %1");
  entry(copy.arg(Utf8(core::ValueText(v, core::TValueForm::Decimal))), core::TValueForm::Decimal);
  entry(copy.arg(Utf8(core::ValueText(v, core::TValueForm::Hex))), core::TValueForm::Hex);
  entry(copy.arg(Utf8(core::BinaryNibblesText(v))), core::TValueForm::Binary);
  entry(Tr("Copy character"), core::TValueForm::Character);
  // Only A is shown signed; the entry appears where it differs from decimal.
  if (value == TCopiedValue::A && v >= 0x8000)
    entry(copy.arg(Utf8(core::ValueText(v, core::TValueForm::Signed))), core::TValueForm::Signed);
  return menu;
}

}  // namespace bitcalc::main_window
