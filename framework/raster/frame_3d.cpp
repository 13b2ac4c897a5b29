#include "framework/raster/frame_3d.h"

namespace bitcalc::framework {

void Frame3D(TCanvas& canvas, TRect& r, TColor topLeft, TColor bottomRight, int width) {
  TBrush saved;
  saved.Assign(canvas.Brush());
  canvas.Brush().SetStyle(bsSolid);
  for (int i = 0; i < width && !r.IsEmpty(); ++i) {
    canvas.Brush().SetColor(topLeft);
    canvas.FillRect(Rect(r.Left, r.Top, r.Right - 1, r.Top + 1));
    canvas.FillRect(Rect(r.Left, r.Top, r.Left + 1, r.Bottom - 1));
    canvas.Brush().SetColor(bottomRight);
    canvas.FillRect(Rect(r.Right - 1, r.Top, r.Right, r.Bottom));
    canvas.FillRect(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom));
    r = r.Shrunk(1);
  }
  canvas.Brush().Assign(saved);
}

}  // namespace bitcalc::framework
