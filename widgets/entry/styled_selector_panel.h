#pragma once

#include <functional>
#include <memory>

#include "framework/raster/canvas.h"
#include "framework/standard/panel.h"
#include "widgets/entry/selector_appearance.h"
#include "widgets/entry/selector_geometry.h"
#include "widgets/entry/selector_items.h"

namespace bitcalc::widgets {

// The surface of a selector's drop-down: a flat panel in Color (banded to
// ColorTo from left to right when that is set) inside a one-pixel border in
// WindowBorderColor, open where it lies on the selector.
class TStyledCustomSelectorPanel : public framework::TPanel {
 public:
  explicit TStyledCustomSelectorPanel(framework::TComponent* owner);

  framework::TColor ColorTo() const { return color_to_; }
  void SetColorTo(framework::TColor v) { SetAndInvalidate(color_to_, v); }
  framework::TColor WindowBorderColor() const { return window_border_color_; }
  void SetWindowBorderColor(framework::TColor v) { SetAndInvalidate(window_border_color_, v); }

  // Which edge lies on the selector, set each time the drop-down is placed.
  const TOpenEdge& OpenEdge() const { return open_edge_; }
  void SetOpenEdge(const TOpenEdge& v);

  // Asks the owning selector to close the drop-down.
  std::function<void()> CloseRequest;

 protected:
  void Paint() override;

 private:
  framework::TColor color_to_ = framework::clNone;
  framework::TColor window_border_color_ = framework::RGB(128, 128, 128);
  TOpenEdge open_edge_;
};

using THotToolEvent = std::function<void(framework::TObject* Sender, int Index)>;

// The grid of cells. The cell under the mouse is hot; while a button is held
// the pressed look follows the mouse from cell to cell. A release closes the
// drop-down first, then picks the pressed cell if the mouse is still on one
// and raises OnSelect, also when the cell was already the selected one.
class TStyledSelectorPanel : public TStyledCustomSelectorPanel {
 public:
  explicit TStyledSelectorPanel(framework::TComponent* owner);
  ~TStyledSelectorPanel() override;

  TStyledSelectorItems& Items() { return items_; }
  const TStyledSelectorItems& Items() const { return items_; }

  int PanelItemIndex() const { return panel_item_index_; }
  void SetPanelItemIndex(int v) { panel_item_index_ = v; }
  int HotItem() const { return hot_item_; }
  int DownItem() const { return down_item_; }
  bool ButtonHeld() const { return button_held_; }

  // Hot, pressed and selected cell fills and the selected cell's frame.
  const TSelectorCellColors& CellColors() const { return cell_colors_; }
  void SetCellColors(const TSelectorCellColors& v);
  // Stored with the others, never drawn.
  framework::TColor BorderColor() const { return border_color_; }
  void SetBorderColor(framework::TColor v) { border_color_ = v; }
  framework::TColor BorderDownColor() const { return border_down_color_; }
  void SetBorderDownColor(framework::TColor v) { SetAndInvalidate(border_down_color_, v); }
  framework::TColor BorderHotColor() const { return border_hot_color_; }
  void SetBorderHotColor(framework::TColor v) { SetAndInvalidate(border_hot_color_, v); }

  // Cell sizes, margins and cells per row; LayoutCells applies them.
  const TCellMetrics& Metrics() const { return metrics_; }
  void SetButtonsPerRow(int v) { metrics_.ButtonsPerRow = v; }
  void SetButtonMargin(int v) { metrics_.ButtonMargin = v; }
  bool NoPrefix() const { return no_prefix_; }
  void SetNoPrefix(bool v) { SetAndInvalidate(no_prefix_, v); }

  // Sizes the cells for the captions in the panel's font and the panel
  // around them.
  void LayoutCells();
  int CellAt(int x, int y) const;
  // A list of the cells, each picked by a click on it.
  QAccessibleInterface* CreateAccessible() override;

  // Draws cell i now, or, when it is neither hot nor pressed and not
  // immediate, has it repainted later.
  void PaintCell(int i, bool immediate);

  framework::TNotifyEvent OnSelect;
  THotToolEvent OnHotTool;

 protected:
  void Paint() override;
  void MouseDown(framework::TMouseButton button, framework::TShiftState shift, int x,
                 int y) override;
  void MouseMove(framework::TShiftState shift, int x, int y) override;
  void MouseUp(framework::TMouseButton button, framework::TShiftState shift, int x, int y) override;
  void MouseLeave() override;

 private:
  void DrawCell(framework::TCanvas& canvas, int i);
  void BecomeHot(int i);
  bool Valid(int i) const { return i >= 0 && i < items_.Count(); }

  TStyledSelectorItems items_;
  int panel_item_index_ = -1;
  int hot_item_ = -1;
  int down_item_ = -1;
  bool button_held_ = false;
  bool no_prefix_ = false;
  TSelectorCellColors cell_colors_;
  framework::TColor border_color_ = framework::clNone;
  framework::TColor border_down_color_ = framework::clBlack;
  framework::TColor border_hot_color_ = framework::clBlack;
  TCellMetrics metrics_;
  std::unique_ptr<framework::TCanvas> measure_;  // text measuring outside a paint
};

}  // namespace bitcalc::widgets
