#pragma once

#include <QString>
#include <string>

#include "framework/controls/win_control.h"

class QLineEdit;

namespace bitcalc::framework {

class TEditField;
class TEditFrame;

// A single-line text field with the rules of the platform edit control:
//
// - Text (TControl::Text / SetText / SetCaption) is code page 1250. Every
//   change of the text, whatever made it (a write from code, typing,
//   Backspace, Delete, cut, paste, undo), runs Change() exactly once, before
//   the write or the key returns. Writing the text already shown does
//   nothing. Nothing is notified while the component is loading.
// - Text the user puts in, whichever way (typing, an input method, Ctrl+V,
//   Shift+Insert, the menu, a middle click pasting the X11 selection, a
//   drop), takes one path with one set of rules: only its first line, in
//   the characters the code page holds, cut to the room MaxLength leaves,
//   and refused whole if the field would hold more than kMaxUserTextLength
//   characters. What the rules refuse, in part or whole, calls
//   InputRefused(). A text written from code is kept whole, however long.
// - Every key of the field runs through the control's key pipeline first
//   (OnKeyDown, KeyPress/OnKeyPress): a character set to 0 there never
//   reaches the text. Each character an input method commits goes through
//   KeyPress/OnKeyPress the same way, one by one. Every paste, by key, menu,
//   middle click or drop, goes through PasteText, and every cut through
//   CutToClipboard; a subclass may refuse either.
//
// Geometry: the frame (a sunken two-pixel edge with Ctl3D, a one-pixel line
// without, nothing with bsNone) is drawn around the client area, which the
// text editor fills. ClientRect() is in client coordinates, (0, 0) at the
// client's top-left corner. Child controls parented into the field are
// placed in the field's own (window) coordinates, where the client area
// starts at ClientOrigin(); they lie above the text and are clipped to the
// client area, so nothing they paint covers the frame.
class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* owner);
  ~TCustomEdit() override;

  // The input limit in characters; 0 means none.
  int MaxLength() const { return max_length_; }
  void SetMaxLength(int v);

  bool ReadOnly() const;
  void SetReadOnly(bool v);

  // Select the whole text when the field is entered other than by a click.
  bool AutoSelect() const { return auto_select_; }
  void SetAutoSelect(bool v) { auto_select_ = v; }

  // Keeps Height = the font's text-metric height + 8 with Ctl3D, + 6 with a
  // flat frame, + 4 without a border. Recomputed when the font, Ctl3D or the
  // border style changes and when AutoSize is switched on.
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool v);

  TBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TBorderStyle v);  // bsSingle or bsNone
  bool Ctl3D() const { return ctl3d_; }
  void SetCtl3D(bool v);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v);

  // Set by every edit of the user, cleared by a write from code.
  bool Modified() const { return modified_; }
  void SetModified(bool v) { modified_ = v; }

  // The selection in characters; SelStart is the caret when nothing is selected.
  int SelStart() const;
  void SetSelStart(int v);
  int SelLength() const;
  void SetSelLength(int v);
  std::string SelText() const;
  // Replaces the selection as an edit of the user would (one Change()), not
  // bounded by MaxLength.
  void SetSelText(const std::string& v);
  void SelectAll();
  void ClearSelection();

  bool CanUndo() const;
  void Undo();
  void CopyToClipboard();
  // Neither acts on a read-only field. A paste goes through PasteText.
  virtual void CutToClipboard();
  virtual void PasteFromClipboard();
  // Pastes the X11 selection (PRIMARY), as a middle click does.
  void PasteSelection();

  // The most characters an edit of the user may leave in the field. The line
  // editor lays the whole line out on every change, which costs time and
  // memory in proportion to its length; a megabyte still takes well under a
  // second, ten would freeze the window for many.
  static constexpr qsizetype kMaxUserTextLength = qsizetype(1) << 20;

  void SetBounds(int left, int top, int width, int height) override;
  TRect ClientRect() const override;
  // Where the client area starts in the field's own coordinates.
  TPoint ClientOrigin() const;

  // Limits where the text is laid out, in client coordinates; parts of the
  // rectangle outside the client area are ignored. Like the platform edit's
  // formatting rectangle, it is reset to the whole client area whenever the
  // client area changes size, so a subclass sets it again from Resize() or
  // FrameChanged().
  void SetFormattingRect(const TRect& r);
  TRect FormattingRect() const { return formatting_rect_; }

  unsigned DialogCode() const override { return DLGC_WANTARROWS | DLGC_WANTCHARS; }

  // The text editor inside the frame, for tests and for subclasses that need
  // to reach the platform widget.
  QLineEdit* Editor() const;

  TNotifyEvent OnChange;

 protected:
  // Runs once per change of the text; raises OnChange.
  virtual void Change() { Notify(OnChange, this); }
  // Runs after Ctl3D or BorderStyle changed (and with them the client area).
  virtual void FrameChanged() {}
  // Every paste comes here, whatever its source; a subclass that refuses one
  // simply does not call the inherited version.
  virtual void PasteText(const QString& text);
  // The field's rules refused some or all of what the user put in. Silent
  // here; a subclass that answers refused input with a sound makes it here,
  // so every way in sounds alike.
  virtual void InputRefused() {}

  void TextChanged() override;
  void FontChanged() override;
  void ApplyQtFont(const QFont& font) override;
  void ColorChanged() override;
  void EnabledChanged() override;
  void DoEnter() override;
  void UpdateFocusPolicy() override;
  void resizeEvent(QResizeEvent* event) override;
  void childEvent(QChildEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class TEditField;
  friend class TEditFrame;

  // The width of the frame on each side.
  int FrameWidth() const;
  void LayOut();
  // The border changed: lay out, size and tell subclasses, in that order.
  void FrameStyleChanged();
  void ApplyTextMargins();
  void ApplyPalette();
  void AdjustHeight();
  void FieldTextChanged(const QString& text);
  // The one way the user's text goes in: puts it where the selection is,
  // under the rules above.
  void InsertUserText(QString text);
  // Gives the memory a long text held back to the system once the field
  // holds a short one again.
  void ReleaseLongTextMemory(std::size_t old_length);

  TEditField* field_ = nullptr;
  TEditFrame* frame_ = nullptr;
  TRect formatting_rect_;
  TRect laid_out_client_ = Rect(0, 0, -1, -1);  // the client area LayOut last saw
  int max_length_ = 0;
  TBorderStyle border_style_ = bsSingle;
  TAlignment alignment_ = taLeftJustify;
  bool ctl3d_ = true;
  bool auto_size_ = true;
  bool auto_select_ = true;
  bool modified_ = false;
  bool writing_ = false;  // the text is being written from code
  bool syncing_ = false;  // the caption follows an edit of the user
};

// The field as the layout uses it.
class TEdit : public TCustomEdit {
 public:
  using TCustomEdit::TCustomEdit;
};

}  // namespace bitcalc::framework
