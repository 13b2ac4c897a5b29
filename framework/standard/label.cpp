#include "framework/standard/label.h"

#include <QKeySequence>
#include <QShortcut>

#include "framework/accessibility/accessible_control.h"
#include "framework/controls/win_control.h"
#include "framework/raster/canvas.h"
#include "framework/text/text.h"

namespace bitcalc::framework {

TLabel::TLabel(TComponent* owner)
    : TGraphicControl(owner), measure_canvas_(std::make_unique<TCanvas>()) {
  SetParentColor(true);
  SetBounds(Left(), Top(), 65, 17);
}

TLabel::~TLabel() = default;

void TLabel::Changed() {
  AdjustBounds();
  Invalidate();
}

void TLabel::SetAutoSize(bool v) {
  if (StoreChanged(auto_size_, v)) Changed();
}

void TLabel::SetTransparent(bool v) {
  SetAndInvalidate(transparent_, v);
}

void TLabel::SetAlignment(TAlignment v) {
  SetAndInvalidate(alignment_, v);
}

void TLabel::SetLayout(TTextLayout v) {
  SetAndInvalidate(layout_, v);
}

void TLabel::SetWordWrap(bool v) {
  if (StoreChanged(word_wrap_, v)) Changed();
}

void TLabel::SetShowAccelChar(bool v) {
  if (v == show_accel_char_) return;
  show_accel_char_ = v;
  UpdateMnemonic();
  Changed();
}

void TLabel::SetFocusControl(TWinControl* v) {
  if (v == focus_control_) return;
  if (focus_control_) RemoveFreeNotification(focus_control_);
  focus_control_ = v;
  if (v) FreeNotification(v);
  UpdateMnemonic();
}

void TLabel::Notification(TComponent* component, TComponentOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == opRemove && component == focus_control_) {
    focus_control_ = nullptr;
    UpdateMnemonic();
  }
}

void TLabel::UpdateMnemonic() {
  delete mnemonic_;
  mnemonic_ = nullptr;
  if (!focus_control_ || !show_accel_char_) return;
  const QKeySequence key = QKeySequence::mnemonic(CaptionToQString(Caption()));
  if (key.isEmpty()) return;
  mnemonic_ = new QShortcut(key, this);
  QObject::connect(mnemonic_, &QShortcut::activated, this, [this] {
    if (focus_control_ && focus_control_->CanFocus()) focus_control_->SetFocus();
  });
}

void TLabel::SetBounds(int left, int top, int width, int height) {
  TGraphicControl::SetBounds(left, top, width, height);
  // An auto-sized label takes its place from the caller but its size from
  // the text (its width too, unless it wraps).
  AdjustBounds();
}

unsigned TLabel::DrawTextFlags() const {
  unsigned flags = DT_EXPANDTABS;
  if (alignment_ == taRightJustify) flags |= DT_RIGHT;
  if (alignment_ == taCenter) flags |= DT_CENTER;
  if (word_wrap_) flags |= DT_WORDBREAK;
  if (!show_accel_char_) flags |= DT_NOPREFIX;
  return flags;
}

TCanvas& TLabel::TextCanvas() {
  if (TCanvas* canvas = Canvas()) return *canvas;
  measure_canvas_->Font().Assign(Font());
  return *measure_canvas_;
}

void TLabel::DoDrawText(TRect& r, unsigned flags) {
  const std::string text = CaptionText(Caption());
  TCanvas& canvas = TextCanvas();
  if (flags & DT_CALCRECT) {
    const TRect start = r;
    canvas.DrawText(text, r, flags);
    // An empty caption still measures one line, so an auto-sized label
    // keeps a height that can be seen and pointed at.
    if (r.Height() == 0) {
      r = start;
      canvas.DrawText(" ", r, flags);
    }
    return;
  }
  if (!Canvas()) return;
  if (Enabled()) {
    canvas.DrawText(text, r, flags);
    return;
  }
  const TColor color = canvas.Font().Color();
  TRect shifted = r.Offset(1, 1);
  canvas.Font().SetColor(clBtnHighlight);
  canvas.DrawText(text, shifted, flags);
  canvas.Font().SetColor(clBtnShadow);
  canvas.DrawText(text, r, flags);
  canvas.Font().SetColor(color);
}

void TLabel::AdjustBounds() {
  if (!auto_size_ || adjusting_ || IsLoading()) return;
  TRect r = Rect(0, 0, word_wrap_ ? Width() : 0, 0);
  DoDrawText(r, DrawTextFlags() | DT_CALCRECT);
  adjusting_ = true;
  TGraphicControl::SetBounds(Left(), Top(), word_wrap_ ? Width() : r.Width(), r.Height());
  adjusting_ = false;
}

void TLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TLabel::Paint() {
  TCanvas& canvas = *Canvas();
  const TRect client = ClientRect();
  if (!transparent_) {
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(client);
  }
  canvas.Brush().SetStyle(bsClear);
  TRect r = client;
  const unsigned flags = DrawTextFlags();
  if (layout_ != tlTop) {
    TRect text = client;
    DoDrawText(text, flags | DT_CALCRECT);
    const int room = client.Height() - text.Height();
    r.Top += layout_ == tlBottom ? room : room / 2;
  }
  DoDrawText(r, flags);
}

void TLabel::TextChanged() {
  UpdateMnemonic();
  Changed();
  NotifyAccessibleName(this);
}

void TLabel::FontChanged() {
  Changed();
}

}  // namespace bitcalc::framework
