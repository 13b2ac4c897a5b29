#include "widgets/status/styled_office_status_bar.h"

#include "widgets/status/status_bar_geometry.h"
#include "widgets/status/status_bar_painting.h"
#include "widgets/status/status_gradient.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {
constexpr TColor kDisabledText = RGB(128, 128, 128);
}  // namespace

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
  DrawMirrorGradient(canvas, g, colors);
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
  DrawMirrorGradient(canvas, p, look.Colors(gsNormal));
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

}  // namespace bitcalc::widgets
