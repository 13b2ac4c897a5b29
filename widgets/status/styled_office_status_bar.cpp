#include "widgets/status/styled_office_status_bar.h"

#include <QApplication>
#include <QDateTime>
#include <QMouseEvent>
#include <QToolTip>
#include <algorithm>

#include "framework/raster/bitmap.h"
#include "framework/runtime/application.h"
#include "framework/runtime/form.h"
#include "framework/runtime/platform_services.h"
#include "framework/text/text.h"
#include "widgets/status/status_bar_geometry.h"
#include "widgets/status/status_bar_painting.h"
#include "widgets/status/status_gradient.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

constexpr int kDefaultHeight = 19;
constexpr int kTickMs = 100;
constexpr int kBlinkPeriod = 10;
constexpr int kTransparentEdge = 3;  // rows at the bottom, columns at the right
constexpr TColor kDisabledText = RGB(128, 128, 128);

bool OpensOutside(const std::string& anchor) {
  return anchor.find("://") != std::string::npos || anchor.find("mailto:") != std::string::npos;
}

}  // namespace

TStyledOfficeStatusBar::TStyledOfficeStatusBar(TComponent* owner)
    : TCustomControl(owner),
      panels_(this),
      internal_styler_(new TCustomStyledOfficeStatusBarStyler(this)),
      hint_carrier_(new TDummyHintControl(this)),
      timer_(new TTimer(this)) {
  // Every pixel is painted by the panels and the frame.
  SetControlStyle(ControlStyle() | csOpaque);
  SetBounds(Left(), Top(), Width(), kDefaultHeight);
  SetColor(clBtnFace);
  SetParentFont(false);
  ApplySystemFont();
  internal_styler_->SetName("InternalStyler");
  internal_styler_->AddBar(this);
  timer_->SetInterval(kTickMs);
  timer_->OnTimer = [this](TObject*) { Tick(); };
}

TStyledOfficeStatusBar::~TStyledOfficeStatusBar() {
  if (styler_) styler_->RemoveBar(this);
  internal_styler_->RemoveBar(this);
}

void TStyledOfficeStatusBar::SetStyler(TCustomStyledOfficeStatusBarStyler* v) {
  if (v == styler_) return;
  (styler_ ? styler_ : internal_styler_)->RemoveBar(this);
  styler_ = v;
  (styler_ ? styler_ : internal_styler_)->AddBar(this);
  Invalidate();
}

const TCustomStyledOfficeStatusBarStyler& TStyledOfficeStatusBar::EffectiveStyler() const {
  return styler_ ? *styler_ : *internal_styler_;
}

void TStyledOfficeStatusBar::StylerDestroyed(TCustomStyledOfficeStatusBarStyler* styler) {
  styler->RemoveBar(this);
  if (styler == styler_) SetStyler(nullptr);
}

void TStyledOfficeStatusBar::SetUseSystemFont(bool v) {
  if (v == use_system_font_) return;
  use_system_font_ = v;
  if (v) ApplySystemFont();
}

void TStyledOfficeStatusBar::SetStretchPanel(int v) {
  if (v == stretch_panel_ || v < -1 || v >= panels_.Count()) return;
  stretch_panel_ = v;
  Invalidate();
}

std::vector<int> TStyledOfficeStatusBar::LaidOut() const {
  std::vector<int> widths;
  for (int i = 0; i < panels_.Count(); ++i) widths.push_back(panels_[i].Width());
  return LaidOutWidths(widths, Width(), stretch_panel_);
}

TRect TStyledOfficeStatusBar::PanelRect(int i) const {
  return widgets::PanelRect(LaidOut(), i, Width(), Height());
}

int TStyledOfficeStatusBar::PanelAt(int x) const {
  return widgets::PanelAt(LaidOut(), x, Width(), Height());
}

std::string TStyledOfficeStatusBar::AnchorAt(int x, int y) {
  TRect frame = ClientRect().Shrunk(1);
  std::string text = simple_text_;
  if (!simple_panel_) {
    const int i = PanelAt(x);
    if (i < 0) return {};
    frame = PanelRect(i);
    text = panels_[i].Text();
  }
  TBitmap measure(1, 1);
  measure.Canvas().Font().Assign(Font());
  TMarkupResult r = RunMarkup(measure.Canvas(), text, frame, mmLayoutOnly, x, y);
  return r.Hit ? r.Anchor : std::string();
}

TStyledOfficeStatusBar::TMarkupResult TStyledOfficeStatusBar::RunMarkup(TCanvas& canvas,
                                                                        const std::string& text,
                                                                        const TRect& frame,
                                                                        TMarkupMode mode, int x,
                                                                        int y) const {
  TMarkupResult r;
  int height = 0;
  r.Hit = DrawMarkup(canvas, text, frame, mode, x, y, true, url_color_, blink_ > kBlinkPeriod / 2,
                     images_, picture_container_, r.Anchor, r.Width, height);
  return r;
}

bool TStyledOfficeStatusBar::GripShown() const {
  const auto* form = dynamic_cast<const TForm*>(window());
  return size_grip_ && form &&
         (form->BorderStyle() == bsSizeable || form->BorderStyle() == bsSizeToolWin) &&
         !form->isMaximized();
}

bool TStyledOfficeStatusBar::IsTransparentAt(int x, int y) const {
  const bool edge = y > Height() - 1 - kTransparentEdge || x > Width() - 1 - kTransparentEdge;
  return edge && !(GripShown() && x >= Width() - kSizeGripWidth);
}

void TStyledOfficeStatusBar::PanelTextChanged(const TStyledOfficeStatusPanel& panel) {
  if (panel.AutoSize()) {
    AutoSizePanels();
    return;
  }
  if (!simple_panel_) InvalidateRect(PanelRect(panel.Index()));
}

void TStyledOfficeStatusBar::PanelLayoutChanged() {
  Invalidate();
}

// Painting --------------------------------------------------------------

void TStyledOfficeStatusBar::Paint() {
  TCanvas& canvas = *Canvas();
  if (simple_panel_) {
    PaintSimplePanel(canvas);
  } else {
    const std::vector<int> laidOut = LaidOut();
    for (int i = 0; i < panels_.Count(); ++i)
      PaintPanel(canvas, i, PanelPaintRect(laidOut, i, Width(), Height(), stretch_panel_ >= 0));
  }
  if (GripShown()) PaintSizeGrip(canvas, Width(), Height());
  const TColor border = EffectiveStyler().BorderColor();
  PaintStatusFrame(canvas, Width(), Height(), border, styler_ && border != clNone);
}

void TStyledOfficeStatusBar::PaintPanel(TCanvas& canvas, int i, TRect p) {
  if (p.IsEmpty()) return;
  const TCustomStyledOfficeStatusBarStyler& styler = EffectiveStyler();
  if (styler_ && styler.BorderColor() != clNone) {
    p.Top += 1;
    p.Bottom -= 1;
  }
  TStyledOfficeStatusPanel& panel = panels_[i];
  const TGlossBackground& look = panel.AppearanceStyle() == psDark ? styler.PanelAppearanceDark()
                                                                   : styler.PanelAppearanceLight();
  TGlossState state = gsNormal;
  if (panel.Button() && i == pressed_panel_)
    state = gsDown;
  else if (panel.Button() && i == hot_panel_)
    state = gsHot;
  const TGlossColors& colors = look.Colors(state);
  TRect g = p;
  if (i > 0) g.Left += 2;
  DrawMirrorGradient(canvas, g, colors.Color, colors.ColorTo, colors.ColorMirror,
                     colors.ColorMirrorTo, colors.BorderColor);
  if (i > 0) PaintPanelSeparator(canvas, p, look.ColorTo());

  p.Left += 2;
  p.Right -= 2;
  if (i == panels_.Count() - 1 && GripShown()) p.Right -= kSizeGripWidth;
  if (p.IsEmpty()) return;
  canvas.Font().Assign(Font());
  canvas.Font().SetStyle(look.TextStyle());
  canvas.Font().SetColor(panel.Enabled() ? colors.TextColor : kDisabledText);
  canvas.Brush().SetStyle(bsClear);
  PaintPanelText(canvas, panel, p);
}

void TStyledOfficeStatusBar::PaintSimplePanel(TCanvas& canvas) {
  const TCustomStyledOfficeStatusBarStyler& styler = EffectiveStyler();
  const TGlossBackground& look = styler.PanelAppearanceLight();
  TRect p = Rect(1, 0, Width() - 1, Height() - 1);
  if (styler_ && styler.BorderColor() != clNone) p = p.Inflated(0, -1);
  DrawMirrorGradient(canvas, p, look.Color(), look.ColorTo(), look.ColorMirror(),
                     look.ColorMirrorTo(), look.BorderColor());
  canvas.Font().Assign(Font());
  canvas.Font().SetStyle(look.TextStyle());
  canvas.Font().SetColor(look.TextColor());
  canvas.Brush().SetStyle(bsClear);
  RunMarkup(canvas, simple_text_, Rect(p.Left + 4, p.Top + 2, p.Right - 2, p.Bottom), mmPaint);
}

void TStyledOfficeStatusBar::PaintPanelText(TCanvas& canvas, TStyledOfficeStatusPanel& panel,
                                            const TRect& p) {
  switch (panel.Style()) {
    case psHTML: {
      TRect f = Rect(p.Left + panel.HTMLOffsetX(), p.Top + panel.HTMLOffsetY(), p.Right, p.Bottom);
      if (panel.Alignment() != taLeftJustify) {
        const int tw = RunMarkup(canvas, panel.Text(), f, mmLayoutOnly).Width;
        if (f.Width() > tw) {
          if (panel.Alignment() == taRightJustify)
            f.Left = f.Right - tw - panel.HTMLOffsetX();
          else
            f.Left += (f.Width() - tw) / 2;
        }
      }
      RunMarkup(canvas, panel.Text(), f, mmPaint);
      break;
    }
    case psOwnerDraw:
      if (OnDrawPanel) OnDrawPanel(this, canvas, panel, p);
      break;
    case psProgress:
      PaintPanelProgress(canvas, p, panel.Progress());
      break;
    case psImage:
    case psImageList: {
      const TImageList* list = !panel.Enabled() && disabled_images_ ? disabled_images_ : images_;
      if (list) PaintPanelPicture(canvas, p, list->Picture(panel.ImageIndex()), panel.Alignment());
      break;
    }
    case psAnimation:
      if (panel.AnimationImages())
        PaintPanelPicture(canvas, p, panel.AnimationImages()->Picture(panel.AnimationFrame()),
                          panel.Alignment());
      break;
    default:
      PaintPanelPlainText(canvas, p, panel.Text(), panel.Alignment(),
                          panel.Style() == psEllipsText       ? DT_END_ELLIPSIS
                          : panel.Style() == psFileEllipsText ? DT_PATH_ELLIPSIS
                                                              : 0);
      break;
  }
}

// Font and timer ------------------------------------------------------

void TStyledOfficeStatusBar::ApplySystemFont() {
  if (!use_system_font_) return;
  const QFont tip = QToolTip::font();
  applying_system_font_ = true;
  Font().SetName(ToCp1250(tip.family()));
  if (tip.pointSize() > 0)
    Font().SetSize(tip.pointSize());
  else
    Font().SetHeight(-tip.pixelSize());
  applying_system_font_ = false;
}

void TStyledOfficeStatusBar::FontChanged() {
  // The parent's font arriving means the bar no longer follows the system.
  if (!applying_system_font_ && ParentFont()) use_system_font_ = false;
  TCustomControl::FontChanged();
}

void TStyledOfficeStatusBar::Loaded() {
  TCustomControl::Loaded();
  RefreshAutomaticPanels();
  AutoSizePanels();
}

void TStyledOfficeStatusBar::Tick() {
  RefreshAutomaticPanels();
  for (int i = 0; i < panels_.Count(); ++i)
    if (panels_[i].AdvanceAnimation()) InvalidateRect(PanelRect(i));
  if (blink_ == kBlinkPeriod / 2 || blink_ == kBlinkPeriod) {
    for (int i = 0; i < panels_.Count(); ++i) {
      TStyledOfficeStatusPanel& panel = panels_[i];
      if (panel.Style() == psHTML &&
          FromCp1250(panel.Text()).contains(u"<BLINK", Qt::CaseInsensitive))
        PanelTextChanged(panel);
    }
  }
  if (++blink_ > kBlinkPeriod) blink_ = 0;
}

void TStyledOfficeStatusBar::RefreshAutomaticPanels() {
  const QDateTime now = QDateTime::currentDateTime();
  for (int i = 0; i < panels_.Count(); ++i) {
    TStyledOfficeStatusPanel& panel = panels_[i];
    if (panel.Style() == psTime)
      panel.SetText(ToCp1250(now.toString(FromCp1250(panel.TimeFormat()))));
    else if (panel.Style() == psDate)
      panel.SetText(ToCp1250(now.toString(FromCp1250(panel.DateFormat()))));
  }
}

void TStyledOfficeStatusBar::AutoSizePanels() {
  TBitmap measure(1, 1);
  TCanvas& canvas = measure.Canvas();
  canvas.Font().Assign(Font());
  bool changed = false;
  for (int i = 0; i < panels_.Count(); ++i) {
    TStyledOfficeStatusPanel& panel = panels_[i];
    if (!panel.AutoSize()) continue;
    const int text =
        panel.Style() == psHTML
            ? RunMarkup(canvas, panel.Text(), Rect(0, 0, 10000, Height()), mmLayoutOnly).Width +
                  panel.HTMLOffsetX()
            : canvas.TextWidth(panel.Text());
    // Room for the separator and the text's inset on both sides.
    const int width = std::max(panel.MinWidth(), text + 6);
    changed |= width != panel.Width();
    panel.SetWidth(width);
  }
  if (!changed) Invalidate();
}

// Mouse -----------------------------------------------------------------

void TStyledOfficeStatusBar::RepaintButtonPanel(int i) {
  if (i >= 0 && i < panels_.Count() && panels_[i].Button()) InvalidateRect(PanelRect(i));
}

void TStyledOfficeStatusBar::SetHotPanel(int i) {
  if (i == hot_panel_) return;
  RepaintButtonPanel(hot_panel_);
  hot_panel_ = i;
  RepaintButtonPanel(hot_panel_);
}

void TStyledOfficeStatusBar::SetPressedPanel(int i) {
  if (i == pressed_panel_) return;
  RepaintButtonPanel(pressed_panel_);
  pressed_panel_ = i;
  RepaintButtonPanel(pressed_panel_);
}

void TStyledOfficeStatusBar::LeaveAnchor() {
  if (Cursor() != crHandPoint) return;
  SetCursor(crDefault);
  if (OnAnchorExit) OnAnchorExit(this, "");
}

void TStyledOfficeStatusBar::MouseMove(TShiftState shift, int x, int y) {
  const int i = PanelAt(x);
  if (i != hint_panel_) {
    // The next panel's hint waits for the next move inside it.
    if (Application) Application->CancelHint();
    hint_panel_ = i;
  }
  SetHotPanel(y > 0 && y < Height() ? i : -1);
  const std::string a = AnchorAt(x, y);
  if (!a.empty() && (Cursor() == crDefault || a != last_anchor_)) {
    last_anchor_ = a;
    SetCursor(crHandPoint);
    if (anchor_hint_ && Application) Application->CancelHint();
    if (OnAnchorEnter) OnAnchorEnter(this, a);
  } else if (a.empty()) {
    LeaveAnchor();
  }
  TCustomControl::MouseMove(shift, x, y);
}

void TStyledOfficeStatusBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (y > 0 && y < Height()) SetPressedPanel(PanelAt(x));
  if (button == mbLeft && OnPanelClick) OnPanelClick(this, PanelAt(x));
  if (button == mbRight && OnPanelRightClick) OnPanelRightClick(this, PanelAt(x));
  if (button == mbLeft && (shift & ssDouble) && OnPanelDblClick) OnPanelDblClick(this, PanelAt(x));
  const std::string a = AnchorAt(x, y);
  if (OpensOutside(a))
    OpenUrl(a);
  else if (!a.empty() && OnAnchorClick)
    OnAnchorClick(this, a);
}

void TStyledOfficeStatusBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);
  SetPressedPanel(-1);
}

void TStyledOfficeStatusBar::MouseLeave() {
  SetHotPanel(-1);
  SetPressedPanel(-1);
  TCustomControl::MouseLeave();
}

bool TStyledOfficeStatusBar::HintShow(THintInfo& info) {
  const int i = PanelAt(info.CursorPos.X);
  if (i < 0) return true;
  TStyledHintInfo hint = panels_[i].OfficeHint();
  if (anchor_hint_ && panels_[i].Style() == psHTML) {
    if (const std::string a = AnchorAt(info.CursorPos.X, info.CursorPos.Y); !a.empty()) {
      const QPoint screen = mapToGlobal(QPoint(info.CursorPos.X, info.CursorPos.Y));
      info.HintPos = Point(screen.x() + 10, screen.y() - 10);
      hint.Title.clear();
      hint.Notes = {a};
    }
  }
  hint_carrier_->SetOfficeHint(hint);
  info.HintControl = hint_carrier_;
  return true;
}

// The platform's events ------------------------------------------------

// A mouse event in the transparent edge goes to the widget behind the bar, as
// does the rest of a click that started there.
bool TStyledOfficeStatusBar::ForwardMouse(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  QWidget* target = forward_to_;
  if (!target) {
    if (!IsTransparentAt(p.x(), p.y())) return false;
    QWidget* win = window();
    if (win == this) return true;
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
    target = win->childAt(mapTo(win, p));
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
    if (!target) target = win;
    // Moving over the edge leaves the bar for the window behind.
    if (event->type() == QEvent::MouseMove) {
      SetHotPanel(-1);
      LeaveAnchor();
    }
  }
  if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
    forward_to_ = target;
  else if (event->type() == QEvent::MouseButtonRelease && event->buttons() == Qt::NoButton)
    forward_to_.clear();
  QMouseEvent copy(event->type(), target->mapFromGlobal(event->globalPosition()),
                   event->scenePosition(), event->globalPosition(), event->button(),
                   event->buttons(), event->modifiers());
  copy.setTimestamp(event->timestamp());
  QApplication::sendEvent(target, &copy);
  return true;
}

bool TStyledOfficeStatusBar::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
      if (ForwardMouse(static_cast<QMouseEvent*>(event))) return true;
      break;
    case QEvent::ApplicationFontChange:
      ApplySystemFont();
      break;
    default:
      break;
  }
  return TCustomControl::event(event);
}

}  // namespace bitcalc::widgets
