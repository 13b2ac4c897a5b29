#include "widgets/status/styled_office_hint_window.h"

#include <QRegion>

#include "framework/raster/bitmap.h"
#include "framework/raster/raster.h"
#include "framework/runtime/screen.h"
#include "widgets/status/office_hint_layout.h"
#include "widgets/status/styled_office_hint.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

TStyledOfficeHintWindow::TStyledOfficeHintWindow(TComponent* owner) : THintWindow(owner) {
  // The gradient covers every pixel.
  SetControlStyle(ControlStyle() | csOpaque);
  if (const TStyledOfficeHint* hint = MainFormOfficeHint()) hint->AssignDrawingFont(Font());
}

void TStyledOfficeHintWindow::ActivateHint(const TRect& rect, const std::string& text) {
  if (busy_) return;
  SetCaption(text);
  TStyledOfficeHint* hint = MainFormOfficeHint();
  if (!hint) return;
  busy_ = true;
  TRect r = rect;
  r.Right += 4;
  if (hint->HintControl()) {
    if (hint->OfficeLayout()) {
      TBitmap measure(1, 1);
      r = OfficeHintBounds(measure.Canvas(), r, *hint);
    } else {
      r.Bottom += 8;
    }
    if (const int w = Screen->DesktopWidth(); r.Right > w) r = r.Offset(w - r.Right, 0);
    if (const int h = Screen->DesktopHeight(); r.Bottom > h) r = r.Offset(0, h - r.Bottom);
  }
  if (r.Height() < kMinHeight) r.Bottom = r.Top + kMinHeight;
  // The next proposal is measured in the font the hint is drawn in.
  hint->AssignDrawingFont(Font());
  SetBounds(r.Left, r.Top, r.Width(), r.Height());
  SetVisible(true);
  busy_ = false;
  Invalidate();
}

void TStyledOfficeHintWindow::Paint() {
  const TStyledOfficeHint* hint = MainFormOfficeHint();
  if (busy_ || !hint) return;
  PaintOfficeHint(*Canvas(), Width(), Height(), *hint, Caption());
}

void TStyledOfficeHintWindow::Resize() {
  // Rounded corners: the window is only the rounded rectangle.
  QRegion shape;
  for (const TSpan& s : RoundRectFill(Rect(0, 0, Width(), Height()), 4, 4))
    shape += QRect(s.X0, s.Y, s.X1 - s.X0, 1);
  setMask(shape);
  THintWindow::Resize();
}

void TStyledOfficeHintWindow::hideEvent(QHideEvent* event) {
  if (TStyledOfficeHint* hint = MainFormOfficeHint()) hint->ForgetHintControl();
  THintWindow::hideEvent(event);
}

}  // namespace bitcalc::widgets
