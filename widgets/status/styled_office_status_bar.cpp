#include "widgets/status/styled_office_status_bar.h"

#include <QDateTime>
#include <QToolTip>
#include <algorithm>

#include "framework/raster/bitmap.h"
#include "framework/runtime/form.h"
#include "framework/text/text.h"
#include "widgets/status/status_bar_geometry.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

constexpr int kDefaultHeight = 19;
constexpr int kTickMs = 100;

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

}  // namespace bitcalc::widgets
