#pragma once

#include <functional>
#include <memory>

#include "framework/controls/win_control.h"
#include "framework/raster/bitmap.h"

namespace bitcalc::widgets {

enum TUDBtnType { btNext, btPrev };

using TUDClickEvent = std::function<void(framework::TObject* Sender, TUDBtnType Button)>;

// The standard vertical up-down control the spin edit uses for bkStandard: two
// stacked arrow buttons over a position that runs from -1 to 1 and rests at 0.
// A press on an arrow moves the position; a position above 0 reports the upper
// arrow (btNext), below 0 the lower one (btPrev), and the position then goes
// back to 0 without reporting again. Its width stays at the platform's
// min(scroll-bar width, 15) whatever bounds it is given.
class TNumUpDown : public framework::TCustomControl {
 public:
  explicit TNumUpDown(framework::TComponent* owner);
  ~TNumUpDown() override;

  static int FixedWidth();

  int Position() const { return position_; }
  // Clamped to -1 … 1; a change away from 0 reports its arrow.
  void SetPosition(int v);

  void SetBounds(int left, int top, int width, int height) override;

  // Replaces the framework's plain click: this one names the arrow.
  TUDClickEvent OnClick;

 protected:
  void Paint() override;
  void MouseDown(framework::TMouseButton button, framework::TShiftState shift, int x,
                 int y) override;

 private:
  void Scrolled();

  int position_ = 0;
  bool reporting_ = false;  // keeps the reset to 0 from reporting itself
  std::unique_ptr<framework::TBitmap> up_glyph_;
  std::unique_ptr<framework::TBitmap> down_glyph_;
};

}  // namespace bitcalc::widgets
