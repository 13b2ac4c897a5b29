#include "framework/standard/button.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPushButton>

#include "framework/text/text.h"

namespace bitcalc::framework {

// The QPushButton inside a TButton: it draws the button and turns presses
// into clicks, but its keys and focus changes go through the TButton first.
class TPushButtonWidget : public QPushButton {
 public:
  explicit TPushButtonWidget(TButton* owner) : QPushButton(owner), owner_(owner) {}
  void Detach() { owner_ = nullptr; }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    // The key belongs to the button: once through its pipeline and the
    // platform button, it goes no further up to the parent controls.
    event->accept();
    if (owner_ && owner_->ProcessKeyPress(event)) return;
    QPushButton::keyPressEvent(event);
    event->accept();
  }
  void keyReleaseEvent(QKeyEvent* event) override {
    event->accept();
    if (owner_ && owner_->ProcessKeyRelease(event)) return;
    QPushButton::keyReleaseEvent(event);
    event->accept();
  }
  void focusInEvent(QFocusEvent* event) override {
    QPushButton::focusInEvent(event);
    if (owner_ && !IsWindowActivation(event->reason())) owner_->DoEnter();
  }
  void focusOutEvent(QFocusEvent* event) override {
    QPushButton::focusOutEvent(event);
    if (owner_ && !IsWindowActivation(event->reason())) owner_->DoExit();
  }

 private:
  TButton* owner_;
};

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  button_ = new TPushButtonWidget(this);
  button_->setAutoDefault(false);
  setFocusProxy(button_);
  QObject::connect(button_, &QPushButton::clicked, this, [this] { Click(); });
  SetTabStop(true);
  SetBounds(Left(), Top(), 75, 25);
  TButton::ApplyQtFont(Font().ToQFont());
}

TButton::~TButton() {
  QObject::disconnect(button_, nullptr, this, nullptr);
  button_->Detach();
}

QPushButton* TButton::Widget() const {
  return button_;
}

void TButton::SetDefault(bool v) {
  if (v == default_) return;
  default_ = v;
  button_->setDefault(v);
}

void TButton::Click() {
  TWinControl::Click();
}

bool TButton::DialogKey(std::uint16_t key, TShiftState) {
  if (key == VK_ESCAPE) {
    if (!cancel_) return false;
  } else if (key == VK_RETURN) {
    // The focused button answers Enter itself; the default button stands in
    // for any other control that has the focus.
    if (!Focused()) {
      TDialogHost* form = ParentForm();
      const bool onButton = form && dynamic_cast<TButton*>(form->ActiveControl());
      if (!default_ || onButton) return false;
    }
  } else {
    return false;
  }
  Click();
  return true;
}

void TButton::SetBounds(int left, int top, int width, int height) {
  TWinControl::SetBounds(left, top, width, height);
  button_->setGeometry(rect());
}

void TButton::resizeEvent(QResizeEvent* event) {
  button_->setGeometry(rect());
  TWinControl::resizeEvent(event);
}

void TButton::TextChanged() {
  button_->setText(CaptionToQString(Caption()));
  TWinControl::TextChanged();
}

void TButton::ApplyQtFont(const QFont& font) {
  TWinControl::ApplyQtFont(font);
  button_->setFont(font);
}

void TButton::FontChanged() {
  QPalette pal = button_->palette();
  pal.setColor(QPalette::ButtonText, ToQColor(Font().Color()));
  button_->setPalette(pal);
  TWinControl::FontChanged();
}

void TButton::UpdateFocusPolicy() {
  TWinControl::UpdateFocusPolicy();
  // A click focuses a button even when Tab passes it by.
  if (button_) button_->setFocusPolicy(TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
}

}  // namespace bitcalc::framework
