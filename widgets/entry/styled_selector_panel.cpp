#include "widgets/entry/styled_selector_panel.h"

#include "framework/runtime/application.h"
#include "widgets/entry/selector_paint.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

constexpr int kBackgroundBands = 40;
constexpr int kCellBands = 16;

}  // namespace

TStyledCustomSelectorPanel::TStyledCustomSelectorPanel(TComponent* owner) : TPanel(owner) {
  SetBevelOuter(bvNone);
  SetBevelWidth(1);
  SetColor(RGB(249, 248, 247));
}

void TStyledCustomSelectorPanel::SetOpenEdge(const TOpenEdge& v) {
  open_edge_ = v;
  Invalidate();
}

void TStyledCustomSelectorPanel::Paint() {
  TPanel::Paint();
  TCanvas& canvas = *Canvas();
  if (color_to_ != clNone)
    FillBands(canvas, ClientRect(), Color(), color_to_, kBackgroundBands, false);
  canvas.Pen().SetColor(window_border_color_);
  canvas.Brush().SetStyle(bsClear);
  for (const TEdgeLine& line : BorderLines(Width(), Height(), open_edge_)) {
    canvas.MoveTo(line.From.X, line.From.Y);
    canvas.LineTo(line.To.X, line.To.Y);
  }
}

TStyledSelectorPanel::TStyledSelectorPanel(TComponent* owner)
    : TStyledCustomSelectorPanel(owner), measure_(std::make_unique<TCanvas>()) {
  cell_colors_ = {
      RGB(182, 189, 210), clNone, RGB(255, 169, 64), clNone, RGB(212, 213, 216), clNone, clBlack};
  SetShowHint(true);
}

TStyledSelectorPanel::~TStyledSelectorPanel() = default;

void TStyledSelectorPanel::SetCellColors(const TSelectorCellColors& v) {
  cell_colors_ = v;
  Invalidate();
}

void TStyledSelectorPanel::LayoutCells() {
  measure_->Font().Assign(Font());
  metrics_.TextHeight = measure_->TextHeight("gh");
  const TCellGrid grid = widgets::LayoutCells(
      items_, metrics_, [this](const std::string& s) { return measure_->TextWidth(s); });
  SetBounds(Left(), Top(), grid.Width, grid.Height < 0 ? Height() : grid.Height);
}

int TStyledSelectorPanel::CellAt(int x, int y) const {
  return widgets::CellAt(items_, Point(x, y));
}

void TStyledSelectorPanel::PaintCell(int i, bool immediate) {
  if (!Valid(i)) return;
  const TRect r = items_[i].CellRect;
  if (!immediate && i != down_item_ && i != hot_item_) {
    InvalidateRect(r);
    return;
  }
  DrawNow(r, [this, i](TCanvas& canvas) { DrawCell(canvas, i); });
}

void TStyledSelectorPanel::DrawCell(TCanvas& canvas, int i) {
  const TStyledSelectorItem& item = items_[i];
  const TRect& r = item.CellRect;
  const TSelectorCellColors& c = cell_colors_;
  TColor text = clBlack;
  if (i == down_item_) {
    FillFace(canvas, r, c.ColorDown, c.ColorDownTo, kCellBands, false);
    FrameFace(canvas, r, border_down_color_);
    text = clWhite;
  } else if (i == hot_item_) {
    FillFace(canvas, r, c.ColorHot, c.ColorHotTo, kCellBands, false);
    FrameFace(canvas, r, border_hot_color_);
  } else {
    if (item.BackGroundColor != clNone)
      FillFace(canvas, r.Shrunk(3), item.BackGroundColor, clNone, kCellBands, false);
    if (i == panel_item_index_) {
      FillFace(canvas, r, c.ColorSelected, c.ColorSelectedTo, kCellBands, false);
      FrameFace(canvas, r, c.BorderSelectedColor);
    }
  }
  unsigned flags = DT_SINGLELINE | DT_VCENTER;
  if (no_prefix_) flags |= DT_NOPREFIX;
  if (item.CaptionAlignment == taCenter) flags |= DT_CENTER;
  if (item.CaptionAlignment == taRightJustify) flags |= DT_RIGHT;
  TRect captionRect = r;
  captionRect.Left += metrics_.ButtonMargin;
  canvas.Brush().SetStyle(bsClear);
  canvas.Font().SetColor(text);
  canvas.DrawText(item.Caption, captionRect, flags);
}

void TStyledSelectorPanel::Paint() {
  TStyledCustomSelectorPanel::Paint();
  for (int i = 0; i < items_.Count(); ++i) PaintCell(i, true);
}

void TStyledSelectorPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  button_held_ = true;
  const int i = CellAt(x, y);
  if (i >= 0) {
    down_item_ = i;
    PaintCell(i, true);
  }
  TStyledCustomSelectorPanel::MouseDown(button, shift, x, y);
}

void TStyledSelectorPanel::MouseMove(TShiftState shift, int x, int y) {
  const int d = CellAt(x, y);
  if (d != hot_item_) {
    if (hot_item_ >= 0) {
      const int former = hot_item_;
      hot_item_ = -1;
      if (d < 0)
        down_item_ = -1;
      else if (down_item_ >= 0)
        down_item_ = d;
      PaintCell(former, false);
    }
    if (d >= 0) BecomeHot(d);
  }
  TStyledCustomSelectorPanel::MouseMove(shift, x, y);
}

void TStyledSelectorPanel::BecomeHot(int d) {
  hot_item_ = d;
  if (button_held_) down_item_ = d;
  PaintCell(d, true);
  SetHint(items_[d].Hint);
  if (Application) Application->CancelHint();
  if (OnHotTool) OnHotTool(this, d);
}

void TStyledSelectorPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  button_held_ = false;
  if (CloseRequest) CloseRequest();
  if (down_item_ >= 0 && hot_item_ >= 0) {
    if (Valid(down_item_) && items_[down_item_].Selectable) panel_item_index_ = down_item_;
    Notify(OnSelect, this);
  }
  hot_item_ = -1;
  down_item_ = -1;
  TStyledCustomSelectorPanel::MouseUp(button, shift, x, y);
}

void TStyledSelectorPanel::MouseLeave() {
  const int former = hot_item_;
  hot_item_ = -1;
  down_item_ = -1;
  PaintCell(former, false);
  TStyledCustomSelectorPanel::MouseLeave();
}

}  // namespace bitcalc::widgets
