#pragma once

#include <QWidget>
#include <memory>
#include <string>

#include "framework/controls/component.h"
#include "framework/controls/control_types.h"
#include "framework/text/font.h"
#include "framework/values/color.h"
#include "framework/values/geometry.h"

class QAccessibleInterface;

namespace bitcalc::framework {

class TCanvas;
class TWinControl;
struct THintInfo;

// A visible component: a QWidget with the Windows control semantics the
// program's widgets were designed for: bounds in parent pixels, captions as
// code page 1250 text, a canvas to paint on, and the click rule.
//
// The click rule: a left press arms a click, and the release over the
// control raises OnClick (before the release's own handling). A quick second
// press in the same spot is a double click when the control takes double
// clicks: it raises OnDblClick and repeats the press handling with ssDouble,
// but arms no click. A control that does not take double clicks sees it as an
// ordinary press.
class TControl : public QWidget, public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  void SetName(const std::string& name) override;

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);

  // Bounds, in the parent's client coordinates.
  int Left() const { return x(); }
  int Top() const { return y(); }
  int Width() const { return width(); }
  int Height() const { return height(); }
  void SetLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
  void SetTop(int v) { SetBounds(Left(), v, Width(), Height()); }
  void SetWidth(int v) { SetBounds(Left(), Top(), v, Height()); }
  void SetHeight(int v) { SetBounds(Left(), Top(), Width(), v); }
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const { return Bounds(Left(), Top(), Width(), Height()); }
  virtual TRect ClientRect() const { return Rect(0, 0, Width(), Height()); }
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }

  // The Visible property; the control shows when it and all its parents do.
  // SetVisible is the property's setter; Qt's setVisible (behind show(),
  // hide() and close()) lands in the same place, so Visible() stays true to
  // the screen whichever way the control was shown or hidden. The two names,
  // one letter apart, are the framework's property convention beside Qt's.
  bool Visible() const { return visible_; }
  void SetVisible(bool v);  // NOLINT(bugprone-virtual-near-miss)
  void setVisible(bool visible) override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);

  // Changing Font clears ParentFont; a parent's font reaches children whose
  // ParentFont is set.
  TFont& Font() { return *font_; }
  const TFont& Font() const { return *font_; }
  bool ParentFont() const { return parent_font_; }
  void SetParentFont(bool v);

  TColor Color() const { return color_; }
  void SetColor(TColor v);
  bool ParentColor() const { return parent_color_; }
  void SetParentColor(bool v);

  // Caption and Text are one property under two names.
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& v);
  const std::string& Text() const { return caption_; }
  virtual void SetText(const std::string& v) { SetCaption(v); }

  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& v) { hint_ = v; }
  bool ShowHint() const;
  void SetShowHint(bool v);
  bool ParentShowHint() const { return parent_show_hint_; }
  void SetParentShowHint(bool v) { parent_show_hint_ = v; }

  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor v);

  TControlStyle ControlStyle() const { return control_style_; }
  void SetControlStyle(TControlStyle v) { control_style_ = v; }

  // The canvas, while the control paints (Paint or DrawNow); nullptr otherwise.
  TCanvas* Canvas() const { return painting_ ? canvas_.get() : nullptr; }

  // Repaint later (the whole control or a part), or now.
  void Invalidate() { update(); }
  void InvalidateRect(const TRect& r) { update(r.ToQRect()); }
  void Repaint() { repaint(); }
  void RepaintRect(const TRect& r) { repaint(r.ToQRect()); }

  // Paints part of the control at once with draw instead of Paint, as a
  // direct draw on a window's device context would. Inside Paint it draws
  // into the running paint; on a hidden control it does nothing.
  void DrawNow(const TRect& area, const std::function<void(TCanvas&)>& draw);

  // The control's answer to the hint request: it may change the hint's
  // content and position; false keeps the hint from showing.
  virtual bool HintShow(THintInfo& info);

  // What assistive technology is told about the control, asked for once by
  // Qt, which owns the answer; nullptr leaves Qt's plain widget interface.
  // Widgets answer in their accessibility files (framework/accessibility).
  virtual QAccessibleInterface* CreateAccessible() { return nullptr; }
  virtual TAccessiblePresence AccessiblePresence() const { return apSelf; }
  // The interface of the Qt widget inner that stands in for a control whose
  // presence is apInner; nullptr leaves Qt's own.
  virtual QAccessibleInterface* CreateInnerAccessible(QWidget* /*inner*/) { return nullptr; }

  bool MouseCapture() const;
  bool IsLeftButtonDown() const { return left_down_; }

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TNotifyEvent OnResize;
  // What a screen reader calls the control, asked each time it reads it:
  // Name arrives as the window gave it, or else as the control shows it.
  std::function<void(TObject* Sender, QString& Name)> OnGetAccessibleName;

 protected:
  virtual void Paint() {}
  virtual void Click() { Notify(OnClick, this); }
  virtual void DblClick() { Notify(OnDblClick, this); }
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseEnter() { Notify(OnMouseEnter, this); }
  virtual void MouseLeave() { Notify(OnMouseLeave, this); }
  virtual void Resize() { Notify(OnResize, this); }
  virtual void FontChanged() { Invalidate(); }
  // Hands the font to Qt: to this widget and, in an override, to the Qt
  // widgets inside the control. While the control is not on screen a changed
  // font waits until it is shown (or painted), so that a font set one
  // attribute at a time while a window is built reaches Qt, and makes Qt lay
  // its text out, only once.
  virtual void ApplyQtFont(const QFont& font);
  virtual void ColorChanged() { Invalidate(); }
  virtual void TextChanged() { Invalidate(); }
  virtual void EnabledChanged() { Invalidate(); }
  virtual void VisibleChanged() {}

  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

  // Stores value in field when it differs; true when it did. Property
  // setters compare first, so an equal value changes nothing at all.
  template <typename T>
  static bool StoreChanged(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    return true;
  }
  // The common setter: store a changed value and repaint later.
  template <typename T>
  void SetAndInvalidate(T& field, const T& value) {
    if (StoreChanged(field, value)) Invalidate();
  }

  // Called by the parent when its font or colour changes.
  void ParentFontChanged();
  void ParentColorChanged();

 private:
  friend class TWinControl;
  void HandlePress(QMouseEvent* event, bool reportedDouble);
  bool IsSecondPress(const QMouseEvent* event, TMouseButton button) const;
  void ApplyFont();
  void SyncQtFont();
  void StoreVisible(bool v);

  TWinControl* parent_ = nullptr;
  std::unique_ptr<TFont> font_;
  std::unique_ptr<TCanvas> canvas_;
  std::string caption_;
  std::string hint_;
  TColor color_ = clBtnFace;
  TCursor cursor_ = crDefault;
  TControlStyle control_style_ = csCaptureMouse | csClickEvents | csDoubleClicks;
  bool visible_ = true;
  bool enabled_ = true;
  bool parent_font_ = true;
  bool parent_color_ = false;
  bool show_hint_ = false;
  bool parent_show_hint_ = true;
  bool syncing_font_ = false;
  // Set while SetParent moves the control: Qt hides a shown widget it moves,
  // and that is no change of Visible.
  bool reparenting_ = false;
  bool qt_font_stale_ = false;  // Qt has not been given the current font yet
  bool painting_ = false;
  bool clicked_ = false;
  bool left_down_ = false;
  const std::function<void(TCanvas&)>* direct_draw_ = nullptr;

  // What the double-click rule remembers of the last press.
  struct LastPress {
    TMouseButton button = mbLeft;
    QPoint pos;
    quint64 timestamp = 0;
    bool valid = false;
    bool wasDouble = false;
  } last_press_;
};

// Mouse buttons and keyboard modifiers of a Qt event as a shift state.
TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = Qt::NoButton);

}  // namespace bitcalc::framework
