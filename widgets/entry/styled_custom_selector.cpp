#include "widgets/entry/styled_custom_selector.h"

#include <QAccessible>
#include <QWidget>
#include <algorithm>

#include "framework/accessibility/accessible_control.h"
#include "framework/raster/canvas.h"
#include "widgets/entry/selector_drop_down_window.h"
#include "widgets/entry/selector_paint.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

constexpr int kFaceBands = 16;
constexpr std::uint8_t kClosed = 0;
constexpr std::uint8_t kOpen = 2;
// A release this far from the right edge, or further, is a click on the main part.
constexpr int kClickMargin = 8;

}  // namespace

TStyledCustomSelector::TStyledCustomSelector(TComponent* owner)
    : TCustomControl(owner),
      glyph_(std::make_unique<TBitmap>()),
      glyph_hot_(std::make_unique<TBitmap>()),
      glyph_down_(std::make_unique<TBitmap>()),
      drop_down_(new TSelectorDropDownWindow(this)) {
  // The press does all the work: no click on release, and a quick second
  // press is a press like any other.
  SetControlStyle(ControlStyle() & ~(csClickEvents | csDoubleClicks));
  drop_down_->OnHide = [this](TObject*) { Closed(); };
  SetBounds(Left(), Top(), 23, 22);
  ApplyPreset(SelectorPreset(esOffice2003Classic));
}

TStyledCustomSelector::~TStyledCustomSelector() {
  drop_down_->OnHide = nullptr;
  delete drop_down_;
}

void TStyledCustomSelector::SetAppearanceStyle(TStyledAppearanceStyle v) {
  if (v == appearance_style_) return;
  appearance_style_ = v;
  if (v == esCustom) {
    auto_theme_adapt_ = false;
    return;
  }
  ApplyPreset(SelectorPreset(v));
}

void TStyledCustomSelector::ApplyPreset(const TSelectorPreset& p) {
  SetColor(p.Color);
  color_to_ = p.ColorTo;
  color_hot_ = p.ColorHot;
  color_hot_to_ = p.ColorHotTo;
  color_down_ = p.ColorDown;
  color_down_to_ = p.ColorDownTo;
  border_color_ = p.BorderColor;
  border_hot_color_ = p.BorderHotColor;
  border_drop_down_color_ = p.BorderDropDownColor;
  drop_down_width_ = p.DropDownWidth;
  cell_colors_ = p.Cells;
  Invalidate();
}

void TStyledCustomSelector::ThemeChanged(const std::string& colorScheme) {
  if (auto_theme_adapt_) SetAppearanceStyle(AppearanceStyleForScheme(colorScheme));
}

void TStyledCustomSelector::Loaded() {
  TCustomControl::Loaded();
  // This platform names no colour scheme, which reads as the classic one.
  ThemeChanged({});
}

void TStyledCustomSelector::SetButtonsPerRow(int v) {
  buttons_per_row_ = std::clamp(v, 1, 16);
}

void TStyledCustomSelector::SetPicture(TBitmap& picture, const TBitmap* v) {
  if (v)
    picture.Assign(*v);
  else
    picture.SetSize(0, 0);
  Invalidate();
}

TStyledSelectorItems& TStyledCustomSelector::Items() {
  if (items_stale_) RebuildItems();
  return items_;
}

void TStyledCustomSelector::RebuildItems() {
  items_stale_ = false;
  items_.Clear();
  FillItems(items_);
}

void TStyledCustomSelector::DropDown() {
  if (drop_down_->Visible()) {
    drop_down_->CloseDropDown();
    return;
  }
  // The press that just took the activation away closes the grid.
  if (drop_down_->HideTimer()->Enabled()) return;
  BuildPanel();
  drop_state_ = kOpen;
  drop_down_->DropDown(style_ == ssCombo);
  Repaint();
  ExpansionChanged();
}

void TStyledCustomSelector::BuildPanel() {
  if (!panel_) {
    panel_ = new TStyledSelectorPanel(drop_down_);
    panel_->SetParent(drop_down_);
    panel_->CloseRequest = [this] { drop_down_->CloseDropDown(); };
    panel_->OnSelect = [this](TObject*) { PickItem(); };
  }
  panel_->SetWindowBorderColor(border_drop_down_color_);
  panel_->SetColor(color_drop_down_);
  panel_->SetColorTo(color_drop_down_to_);
  panel_->SetBorderColor(border_color_);
  panel_->SetBorderDownColor(border_down_color_);
  panel_->SetBorderHotColor(border_hot_color_);
  panel_->SetCellColors(cell_colors_);
  CopyItemsToPanel();
  panel_->SetButtonsPerRow(buttons_per_row_);
  panel_->LayoutCells();
  drop_down_->SetSelectorPanel(panel_);
  panel_->SetBounds(0, 0, panel_->Width(), panel_->Height());
  PanelBuilt(*panel_);
}

void TStyledCustomSelector::CopyItemsToPanel() {
  const TStyledSelectorItems& source = Items();
  TStyledSelectorItems& cells = panel_->Items();
  cells.Clear();
  cells.Reserve(source.Count());
  for (const TStyledSelectorItem& item : source) {
    TStyledSelectorItem& cell = cells.Add();
    cell.Caption = item.Caption;
    cell.CaptionAlignment = item.CaptionAlignment;
    cell.ImageIndex = item.ImageIndex;
    cell.Hint = item.Hint;
    cell.Value = item.Value;
    cell.Selectable = item.Selectable;
    cell.ItemType = item.ItemType;
    cell.BackGroundColor = item.BackGroundColor;
    cell.AccessibleName = item.AccessibleName;
  }
  if (selected_index_ < 0)
    panel_->SetPanelItemIndex(-1);
  else if (selected_index_ < source.Count() && source[selected_index_].Selectable)
    panel_->SetPanelItemIndex(selected_index_);
}

void TStyledCustomSelector::Closed() {
  drop_state_ = kClosed;
  Repaint();
  ExpansionChanged();
}

void TStyledCustomSelector::ExpansionChanged() {
  QAccessible::State changed;
  changed.expanded = true;
  changed.collapsed = true;
  NotifyAccessibleState(this, changed);
}

void TStyledCustomSelector::PickItem() {
  const int i = panel_ ? panel_->PanelItemIndex() : -1;
  if (i < Items().Count()) {
    selected_index_ = i;
    Repaint();
  }
  if (selected_index_ >= 0) ItemPicked(Items()[selected_index_]);
  Notify(OnSelect, this);
}

void TStyledCustomSelector::PaintContent(TCanvas& canvas, const TRect& br, const TBitmap& glyph) {
  // A main part narrower than nothing shows nothing.
  if (br.IsEmpty()) return;
  if (glyph.Empty()) {
    PaintSelection(canvas, br);
  } else {
    canvas.SetClipRect(br);
    canvas.DrawTransparent(br.Left + (br.Width() - glyph.Width()) / 2,
                           br.Top + (br.Height() - glyph.Height()) / 2, glyph,
                           glyph.Pixel(0, glyph.Height() - 1));
    canvas.RemoveClip();
  }
  if (Caption().empty()) return;
  TRect r = br;
  canvas.Font().Assign(Font());
  canvas.Brush().SetStyle(bsClear);
  canvas.DrawText(Caption(), r, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void TStyledCustomSelector::Paint() {
  if (!hot_track_ || (drop_state_ != kClosed && drop_state_ != kOpen)) return;
  TCanvas& c = *Canvas();
  const TSelectorParts p = Parts();
  const auto separator = [&] {
    c.MoveTo(p.DR.Left, 0);
    c.LineTo(p.DR.Left, Height());
  };
  const auto arrow = [&] { DrawDropArrow(c, ArrowPoint(p.DR)); };
  if (drop_state_ == kOpen) {
    FillFace(c, p.R, Color(), color_to_, kFaceBands, true);
    FrameFace(c, p.R, border_drop_down_color_);
    PaintContent(c, p.BR, *glyph_);
    if (p.HasDropDownPart) arrow();
  } else if (!hot_) {
    FillFace(c, p.R, Color(), color_to_, kFaceBands, true);
    FrameFace(c, p.R, border_color_);
    PaintContent(c, p.BR, *glyph_);
    if (p.HasDropDownPart) {
      separator();
      arrow();
    }
  } else if (pressed_) {
    if (p.HasDropDownPart) {
      FillFace(c, p.R, color_hot_, color_hot_to_, kFaceBands, true);
      FrameFace(c, p.R, border_hot_color_);
      separator();
      arrow();
    }
    if (!p.BR.IsEmpty()) FillFace(c, p.BR, color_down_, color_down_to_, kFaceBands, true);
    FrameFace(c, p.R, border_down_color_);
    PaintContent(c, p.BR, glyph_down_->Empty() ? *glyph_ : *glyph_down_);
  } else {
    FillFace(c, p.R, color_hot_, color_hot_to_, kFaceBands, true);
    FrameFace(c, p.R, border_hot_color_);
    PaintContent(c, p.BR, glyph_hot_->Empty() ? *glyph_ : *glyph_hot_);
    if (p.HasDropDownPart) {
      separator();
      arrow();
    }
  }
}

void TStyledCustomSelector::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  pressed_ = true;
  if (!HasDropDownPart() || style_ == ssCombo || x > Width() - drop_down_width_) DropDown();
  // Also when the press only closed the grid: it shows pressed until the release.
  Repaint();
  TCustomControl::MouseDown(button, shift, x, y);
}

void TStyledCustomSelector::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  pressed_ = false;
  if (drop_down_button_ && style_ == ssButton && x < Width() - kClickMargin) Notify(OnClick, this);
  Repaint();
  TCustomControl::MouseUp(button, shift, x, y);
}

void TStyledCustomSelector::MouseEnter() {
  // While another control holds the mouse the selector cannot be hot.
  if (hot_track_ && !hot_ && Enabled() && !QWidget::mouseGrabber()) {
    hot_ = true;
    Repaint();
  }
  TCustomControl::MouseEnter();
}

void TStyledCustomSelector::MouseLeave() {
  if (hot_track_ && hot_ && Enabled()) {
    hot_ = false;
    Repaint();
  }
  TCustomControl::MouseLeave();
}

void TStyledCustomSelector::KeyDown(std::uint16_t& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  if (key == VK_F2) DropDown();
}

}  // namespace bitcalc::widgets
