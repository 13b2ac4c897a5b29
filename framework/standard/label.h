#pragma once

#include <memory>

#include "framework/controls/graphic_control.h"

class QShortcut;

namespace bitcalc::framework {

class TCanvas;
class TWinControl;

// A caption drawn on the parent's surface.
//
// The caption is drawn with the canvas's DrawText and ends at its first
// code-0 character. With ShowAccelChar a '&' underlines the next character
// ("&&" shows one '&'), and with a FocusControl that character, pressed with
// Alt, moves the focus there. AutoSize (on by default) fits the label to its
// text, keeping the top-left corner; with WordWrap the width stays and only
// the height follows the wrapped text. A label that is not Transparent fills
// itself with Color first; a disabled one shows its caption embossed.
//
// Subclasses that paint differently override Paint() and can still draw the
// caption the label's way through DoDrawText().
class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TComponent* owner);
  ~TLabel() override;

  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool v);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout v);
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool v);
  bool ShowAccelChar() const { return show_accel_char_; }
  void SetShowAccelChar(bool v);
  TWinControl* FocusControl() const { return focus_control_; }
  void SetFocusControl(TWinControl* v);

  void SetBounds(int left, int top, int width, int height) override;
  // Static text named by the caption it shows.
  QAccessibleInterface* CreateAccessible() override;

 protected:
  void Paint() override;
  // Draws the caption (cut at code 0) into r with the DrawText flags given;
  // with DT_CALCRECT it only measures, moving r's right and bottom edges. A
  // disabled label draws it twice, in clBtnHighlight one pixel down and to
  // the right, then in clBtnShadow. Outside painting it can only measure.
  virtual void DoDrawText(TRect& r, unsigned flags);
  // Alignment, word break or not, expanded tabs, and no prefixes when
  // ShowAccelChar is off.
  unsigned DrawTextFlags() const;
  // Fits the bounds to the caption when AutoSize is on. While the label
  // loads its settings it waits for Loaded, so that a caption is measured
  // once, in its final font, rather than again for every setting on the way.
  void AdjustBounds();
  void Loaded() override;

  void TextChanged() override;
  void FontChanged() override;
  void Notification(TComponent* component, TComponentOperation operation) override;

 private:
  TCanvas& TextCanvas();
  void UpdateMnemonic();
  void Changed();

  std::unique_ptr<TCanvas> measure_canvas_;
  QShortcut* mnemonic_ = nullptr;
  TWinControl* focus_control_ = nullptr;
  TAlignment alignment_ = taLeftJustify;
  TTextLayout layout_ = tlTop;
  bool auto_size_ = true;
  bool transparent_ = false;
  bool word_wrap_ = false;
  bool show_accel_char_ = true;
  bool adjusting_ = false;
};

}  // namespace bitcalc::framework
