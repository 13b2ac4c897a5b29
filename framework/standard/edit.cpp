#include "framework/standard/edit.h"

#include <QApplication>
#include <QChildEvent>
#include <QClipboard>
#include <algorithm>
#include <limits>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "framework/raster/canvas.h"
#include "framework/standard/edit_field.h"
#include "framework/text/text.h"

namespace bitcalc::framework {

namespace {

// Room between the text's cell and the frame, top and bottom together.
constexpr int kTextPadding = 4;

// A text this long leaves megabytes of layout behind in the allocator's
// free lists once it is gone.
constexpr std::size_t kLongText = std::size_t(1) << 16;

// The line editor keeps one undo record per character it inserts, and keeps
// the room they took until it is destroyed; longer insertions go in without.
constexpr qsizetype kLongestUndoableInsert = 4096;

// A single-line field takes a text's first line. A text of one line is
// kept as it is, not copied.
void KeepFirstLine(QString& text) {
  const auto eol = std::find_if(text.cbegin(), text.cend(),
                                [](QChar c) { return c == u'\r' || c == u'\n'; });
  text.truncate(eol - text.cbegin());
}

}  // namespace

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  field_ = new TEditField(this);
  frame_ = new TEditFrame(this);
  setFocusProxy(field_);
  // The line edit would cut every text at 32,767 characters, a write from
  // code included; MaxLength is the edit's own input limit.
  field_->setMaxLength(std::numeric_limits<int>::max());
  QObject::connect(field_, &QLineEdit::textChanged, this,
                   [this](const QString& text) { FieldTextChanged(text); });
  field_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // The field lays its text out in the control's font from the start.
  TCustomEdit::ApplyQtFont(Font().ToQFont());
  SetColor(clWindow);
  SetTabStop(true);
  SetBounds(Left(), Top(), 121, Height());
  AdjustHeight();
  LayOut();
}

TCustomEdit::~TCustomEdit() {
  // The editor and frame outlive this part of the object; they must not call
  // back into it while the rest is torn down.
  QObject::disconnect(field_, nullptr, this, nullptr);
  field_->Detach();
  frame_->Detach();
}

QLineEdit* TCustomEdit::Editor() const {
  return field_;
}

void TCustomEdit::SetMaxLength(int v) {
  max_length_ = std::max(0, v);
}

bool TCustomEdit::ReadOnly() const {
  return field_->isReadOnly();
}
void TCustomEdit::SetReadOnly(bool v) {
  field_->setReadOnly(v);
}

void TCustomEdit::SetAutoSize(bool v) {
  if (v == auto_size_) return;
  auto_size_ = v;
  AdjustHeight();
}

void TCustomEdit::SetBorderStyle(TBorderStyle v) {
  if (v != bsNone) v = bsSingle;
  if (StoreChanged(border_style_, v)) FrameStyleChanged();
}

void TCustomEdit::SetCtl3D(bool v) {
  if (StoreChanged(ctl3d_, v)) FrameStyleChanged();
}

void TCustomEdit::FrameStyleChanged() {
  LayOut();
  AdjustHeight();
  FrameChanged();
}

void TCustomEdit::SetAlignment(TAlignment v) {
  if (v == alignment_) return;
  alignment_ = v;
  const Qt::Alignment h = v == taRightJustify ? Qt::AlignRight
                          : v == taCenter     ? Qt::AlignHCenter
                                              : Qt::AlignLeft;
  field_->setAlignment(h | Qt::AlignTop);
}

int TCustomEdit::SelStart() const {
  return field_->hasSelectedText() ? field_->selectionStart() : field_->cursorPosition();
}

void TCustomEdit::SetSelStart(int v) {
  field_->setCursorPosition(std::max(0, v));
}

int TCustomEdit::SelLength() const {
  return field_->selectionLength();
}

void TCustomEdit::SetSelLength(int v) {
  field_->setSelection(SelStart(), std::max(0, v));
}

std::string TCustomEdit::SelText() const {
  return ToCp1250(field_->selectedText());
}

void TCustomEdit::SetSelText(const std::string& v) {
  field_->insert(FromCp1250(v));
}

void TCustomEdit::SelectAll() {
  field_->selectAll();
}
void TCustomEdit::ClearSelection() {
  if (!ReadOnly()) field_->del();
}

bool TCustomEdit::CanUndo() const {
  return field_->isUndoAvailable();
}
void TCustomEdit::Undo() {
  if (!ReadOnly()) field_->undo();
}

void TCustomEdit::CopyToClipboard() {
  field_->copy();
}

void TCustomEdit::CutToClipboard() {
  if (ReadOnly() || !field_->hasSelectedText()) return;
  field_->cut();
}

void TCustomEdit::PasteFromClipboard() {
  PasteText(QApplication::clipboard()->text(QClipboard::Clipboard));
}

void TCustomEdit::PasteSelection() {
  PasteText(QApplication::clipboard()->text(QClipboard::Selection));
}

void TCustomEdit::PasteText(const QString& text) {
  if (!ReadOnly()) InsertUserText(text);
}

void TCustomEdit::InsertUserText(QString text) {
  KeepFirstLine(text);
  if (text.isEmpty()) return;
  const qsizetype kept = field_->text().size() - field_->selectedText().size();
  // Checked before anything else looks at the text, so a flood costs no more
  // than finding its first line.
  if (text.size() > kMaxUserTextLength - kept) return InputRefused();
  // Characters the code page lacks become '?', so the field shows exactly
  // what Text will read; plain ASCII, the usual case, is already so.
  if (std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() >= 0x80; }))
    text = FromCp1250(ToCp1250(text));
  if (max_length_ > 0 && text.size() > max_length_ - kept) {
    text.truncate(std::max<qsizetype>(0, max_length_ - kept));
    InputRefused();
  }
  if (text.isEmpty()) return;
  if (text.size() <= kLongestUndoableInsert) return field_->insert(text);
  // The whole new text at once: the same change, with nothing left to undo.
  const int start = field_->hasSelectedText() ? field_->selectionStart() : field_->cursorPosition();
  QString whole = field_->text();
  whole.replace(start, field_->selectionLength(), text);
  field_->setText(whole);
  field_->setCursorPosition(int(start + text.size()));
}

void TCustomEdit::ReleaseLongTextMemory(std::size_t old_length) {
#ifdef __GLIBC__
  // glibc keeps freed memory for later allocations rather than handing it
  // back, so a field once filled would keep the program hundreds of
  // megabytes larger for the rest of the session.
  if (old_length >= kLongText && Caption().size() < old_length) malloc_trim(0);
#else
  (void)old_length;
#endif
}

int TCustomEdit::FrameWidth() const {
  if (border_style_ == bsNone) return 0;
  return ctl3d_ ? 2 : 1;
}

TRect TCustomEdit::ClientRect() const {
  const int f = FrameWidth();
  return Rect(0, 0, std::max(0, Width() - 2 * f), std::max(0, Height() - 2 * f));
}

TPoint TCustomEdit::ClientOrigin() const {
  return Point(FrameWidth(), FrameWidth());
}

void TCustomEdit::SetFormattingRect(const TRect& r) {
  formatting_rect_ = r;
  ApplyTextMargins();
}

void TCustomEdit::ApplyTextMargins() {
  const TRect client = ClientRect();
  const TRect& r = formatting_rect_;
  field_->setTextMargins(std::clamp(r.Left, 0, client.Right), std::clamp(r.Top, 0, client.Bottom),
                         std::clamp(client.Right - r.Right, 0, client.Right),
                         std::clamp(client.Bottom - r.Bottom, 0, client.Bottom));
}

void TCustomEdit::LayOut() {
  const TRect client = ClientRect();
  const TPoint origin = ClientOrigin();
  const QRect area = client.Offset(origin.X, origin.Y).ToQRect();
  const bool resized = client != laid_out_client_;
  laid_out_client_ = client;
  field_->setGeometry(area);
  frame_->setGeometry(rect());
  if (area.isEmpty())
    frame_->clearMask();
  else
    frame_->setMask(QRegion(rect()) - QRegion(area));
  frame_->setVisible(FrameWidth() > 0);
  frame_->raise();
  frame_->update();
  if (resized) SetFormattingRect(client);
}

void TCustomEdit::AdjustHeight() {
  if (!auto_size_) return;
  TCanvas canvas;
  canvas.Font().Assign(Font());
  SetHeight(canvas.TextMetrics().Height + 2 * FrameWidth() + kTextPadding);
}

void TCustomEdit::ApplyPalette() {
  QPalette pal = field_->palette();
  const QColor back = ToQColor(Color());
  const QColor text = ToQColor(Font().Color());
  for (auto role : {QPalette::Base, QPalette::Window}) pal.setColor(role, back);
  for (auto role : {QPalette::Text, QPalette::WindowText}) pal.setColor(role, text);
  pal.setColor(QPalette::Disabled, QPalette::Text, ToQColor(clGrayText));
  field_->setPalette(pal);
}

void TCustomEdit::TextChanged() {
  if (syncing_) return;  // the editor already shows the text
  const std::size_t old_length = std::size_t(field_->text().size());
  writing_ = true;
  field_->setText(FromCp1250(Caption()));
  writing_ = false;
  ReleaseLongTextMemory(old_length);
  modified_ = false;
  if (!IsLoading()) Change();
}

void TCustomEdit::FieldTextChanged(const QString& text) {
  if (writing_) return;
  const std::string bytes = ToCp1250(text);
  if (bytes == Caption()) return;
  const std::size_t old_length = Caption().size();
  syncing_ = true;
  SetCaption(bytes);
  syncing_ = false;
  ReleaseLongTextMemory(old_length);
  modified_ = true;
  if (!IsLoading()) Change();
}

void TCustomEdit::ApplyQtFont(const QFont& font) {
  TWinControl::ApplyQtFont(font);
  field_->setFont(font);
}

void TCustomEdit::FontChanged() {
  ApplyPalette();
  AdjustHeight();
  TWinControl::FontChanged();
}

void TCustomEdit::ColorChanged() {
  ApplyPalette();
  TWinControl::ColorChanged();
}

void TCustomEdit::EnabledChanged() {
  ApplyPalette();
  TWinControl::EnabledChanged();
}

void TCustomEdit::DoEnter() {
  // A click places the caret where it lands instead.
  if (auto_select_ && !(QApplication::mouseButtons() & Qt::LeftButton)) SelectAll();
  TWinControl::DoEnter();
}

void TCustomEdit::UpdateFocusPolicy() {
  TWinControl::UpdateFocusPolicy();
  // The editor takes the focus for the edit; a click focuses it even when it
  // is no tab stop, as a click on a platform edit does.
  if (field_) field_->setFocusPolicy(TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
}

void TCustomEdit::SetBounds(int left, int top, int width, int height) {
  TWinControl::SetBounds(left, top, width, height);
  // Hidden widgets get their resize event only when shown; the client area
  // must follow the bounds at once.
  LayOut();
}

void TCustomEdit::resizeEvent(QResizeEvent* event) {
  LayOut();
  TWinControl::resizeEvent(event);
}

void TCustomEdit::childEvent(QChildEvent* event) {
  QObject* child = event->child();
  if (child->isWidgetType() && child != field_ && child != frame_) {
    // Whatever restacks a child must leave the frame on top.
    if (event->added()) child->installEventFilter(this);
    if (event->removed()) child->removeEventFilter(this);
    if (frame_) frame_->raise();
  }
  TWinControl::childEvent(event);
}

bool TCustomEdit::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ZOrderChange && frame_ && watched != frame_) frame_->raise();
  return TWinControl::eventFilter(watched, event);
}

}  // namespace bitcalc::framework
