#include "framework/standard/hint_window.h"

#include "framework/raster/bitmap.h"
#include "framework/raster/canvas.h"
#include "framework/raster/pen_brush.h"

namespace bitcalc::framework {

namespace {
constexpr unsigned kHintTextFlags = DT_LEFT | DT_NOPREFIX | DT_WORDBREAK;
}

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
  // The hint must never take the mouse from the control it describes, or it
  // would end itself the moment it appeared under the pointer.
  setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                 Qt::WindowTransparentForInput);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  SetVisible(false);
  SetColor(clInfoBk);
  Font().SetColor(clInfoText);
}

TRect THintWindow::CalcHintRect(int maxWidth, const std::string& text, const void*) {
  TBitmap measure;
  measure.SetSize(1, 1);
  measure.Canvas().Font().Assign(Font());
  TRect r = Rect(0, 0, maxWidth, 0);
  measure.Canvas().DrawText(text, r, kHintTextFlags | DT_CALCRECT);
  // Room for the frame and a little air around the text.
  r.Right += 6;
  r.Bottom += 2;
  return r;
}

void THintWindow::ActivateHint(const TRect& rect, const std::string& text) {
  SetCaption(text);
  SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
  SetVisible(true);
  Invalidate();
}

void THintWindow::ActivateHintData(const TRect& rect, const std::string& text, const void*) {
  ActivateHint(rect, text);
}

void THintWindow::Paint() {
  TCanvas& c = *Canvas();
  TRect r = ClientRect();
  c.Brush().SetStyle(bsClear);
  c.Pen().SetColor(clBlack);
  c.Rectangle(r);
  r = r.Inflated(-2, -1);
  c.Font().Assign(Font());
  c.DrawText(Caption(), r, kHintTextFlags);
}

}  // namespace bitcalc::framework
