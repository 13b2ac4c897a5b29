#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "framework/controls/win_control.h"
#include "framework/raster/bitmap.h"
#include "widgets/entry/selector_appearance.h"
#include "widgets/entry/selector_geometry.h"
#include "widgets/entry/selector_items.h"

namespace bitcalc::widgets {

class TSelectorDropDownWindow;
class TStyledSelectorPanel;

enum TStyledSelectorStyle { ssButton, ssCombo };

// A button that drops down a grid of items and reports every pick.
//
// Every press, with any mouse button and also the second press of a double
// click, on the drop-down part (or anywhere, without one) opens the grid, or
// closes it when it is open. The button never takes the focus on a click;
// given the focus from code, F2 drops the grid down too.
//
// Looks: closed (Color, BorderColor), hot (ColorHot, BorderHotColor), pressed
// (hot, with the main part in ColorDown inside BorderDownColor) and open
// (Color inside BorderDropDownColor), each with a separator and an arrow in
// the drop-down part, except that the open look has no separator.
class TStyledCustomSelector : public framework::TCustomControl {
 public:
  explicit TStyledCustomSelector(framework::TComponent* owner);
  ~TStyledCustomSelector() override;

  // Applying a preset sets the colours it names; esCustom only turns
  // AutoThemeAdapt off.
  TStyledAppearanceStyle AppearanceStyle() const { return appearance_style_; }
  void SetAppearanceStyle(TStyledAppearanceStyle v);
  bool AutoThemeAdapt() const { return auto_theme_adapt_; }
  void SetAutoThemeAdapt(bool v) { auto_theme_adapt_ = v; }
  // The platform's colour scheme is now colorScheme: with AutoThemeAdapt the
  // matching preset is applied.
  void ThemeChanged(const std::string& colorScheme);

  framework::TColor BorderColor() const { return border_color_; }
  void SetBorderColor(framework::TColor v) { SetAndInvalidate(border_color_, v); }
  framework::TColor BorderDownColor() const { return border_down_color_; }
  void SetBorderDownColor(framework::TColor v) { SetAndInvalidate(border_down_color_, v); }
  framework::TColor BorderHotColor() const { return border_hot_color_; }
  void SetBorderHotColor(framework::TColor v) { SetAndInvalidate(border_hot_color_, v); }
  framework::TColor BorderDropDownColor() const { return border_drop_down_color_; }
  void SetBorderDropDownColor(framework::TColor v) { SetAndInvalidate(border_drop_down_color_, v); }
  framework::TColor ColorTo() const { return color_to_; }
  void SetColorTo(framework::TColor v) { SetAndInvalidate(color_to_, v); }
  framework::TColor ColorHot() const { return color_hot_; }
  void SetColorHot(framework::TColor v) { SetAndInvalidate(color_hot_, v); }
  framework::TColor ColorHotTo() const { return color_hot_to_; }
  void SetColorHotTo(framework::TColor v) { SetAndInvalidate(color_hot_to_, v); }
  framework::TColor ColorDown() const { return color_down_; }
  void SetColorDown(framework::TColor v) { SetAndInvalidate(color_down_, v); }
  framework::TColor ColorDownTo() const { return color_down_to_; }
  void SetColorDownTo(framework::TColor v) { SetAndInvalidate(color_down_to_, v); }
  // The grid's background.
  framework::TColor ColorDropDown() const { return color_drop_down_; }
  void SetColorDropDown(framework::TColor v) { color_drop_down_ = v; }
  framework::TColor ColorDropDownTo() const { return color_drop_down_to_; }
  void SetColorDropDownTo(framework::TColor v) { color_drop_down_to_ = v; }

  // Cells per row in the grid, 1 to 16.
  int ButtonsPerRow() const { return buttons_per_row_; }
  void SetButtonsPerRow(int v);
  bool DropDownButton() const { return drop_down_button_; }
  void SetDropDownButton(bool v) { SetAndInvalidate(drop_down_button_, v); }
  TStyledSelectorStyle Style() const { return style_; }
  void SetStyle(TStyledSelectorStyle v) { SetAndInvalidate(style_, v); }

  // Pictures for the main part; writing copies, nullptr empties.
  const framework::TBitmap& Glyph() const { return *glyph_; }
  void SetGlyph(const framework::TBitmap* v) { SetPicture(*glyph_, v); }
  const framework::TBitmap& GlyphHot() const { return *glyph_hot_; }
  void SetGlyphHot(const framework::TBitmap* v) { SetPicture(*glyph_hot_, v); }
  const framework::TBitmap& GlyphDown() const { return *glyph_down_; }
  void SetGlyphDown(const framework::TBitmap* v) { SetPicture(*glyph_down_, v); }

  // Fixed; writing it changes nothing.
  std::string Version() const { return "1.3.5.2"; }
  void SetVersion(const std::string&) {}

  bool Hot() const { return hot_; }
  bool Pressed() const { return pressed_; }
  int DropDownWidth() const { return drop_down_width_; }
  // The control's parts at its current size.
  TSelectorParts Parts() const {
    return SelectorParts(Width(), Height(), HasDropDownPart(), drop_down_width_);
  }
  // 0 closed, 2 open.
  std::uint8_t DropState() const { return drop_state_; }
  // The last picked item, -1 before the first pick.
  int SelectedIndex() const { return selected_index_; }
  // The items, brought up to date first.
  TStyledSelectorItems& Items();
  // Refills the items now.
  void RebuildItems();
  const TSelectorCellColors& CellColors() const { return cell_colors_; }

  TSelectorDropDownWindow* DropDownWindow() const { return drop_down_; }
  // The grid, from the first drop-down on.
  TStyledSelectorPanel* Panel() const { return panel_; }

  // Opens the grid, or closes it when it is open.
  void DropDown();
  // A drop-down button, pressed where a click opens the grid.
  QAccessibleInterface* CreateAccessible() override;
  // Takes the grid's pick; the grid runs it after every pick, with the
  // drop-down already hidden.
  void PickItem();

  framework::TNotifyEvent OnSelect;

 protected:
  // Fills the emptied item list. After ItemsChanged it runs the next time
  // the items are needed, so a run of changes builds them once.
  virtual void FillItems(TStyledSelectorItems&) {}
  void ItemsChanged() { items_stale_ = true; }
  // Adjusts the grid after it has been filled and laid out.
  virtual void PanelBuilt(TStyledSelectorPanel&) {}
  virtual void ItemPicked(const TStyledSelectorItem&) {}
  // Draws the picked item in the main part when no glyph is in use.
  virtual void PaintSelection(framework::TCanvas&, const framework::TRect&) {}

  void Paint() override;
  void MouseDown(framework::TMouseButton button, framework::TShiftState shift, int x,
                 int y) override;
  void MouseUp(framework::TMouseButton button, framework::TShiftState shift, int x, int y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void KeyDown(std::uint16_t& key, framework::TShiftState shift) override;
  void Loaded() override;

 private:
  void ApplyPreset(const TSelectorPreset& preset);
  void BuildPanel();
  void CopyItemsToPanel();
  void Closed();
  // Tells a screen reader the grid opened or closed.
  void ExpansionChanged();
  void PaintContent(framework::TCanvas& canvas, const framework::TRect& br,
                    const framework::TBitmap& glyph);
  void SetPicture(framework::TBitmap& picture, const framework::TBitmap* v);
  bool HasDropDownPart() const { return drop_down_button_ || style_ == ssCombo; }

  TStyledAppearanceStyle appearance_style_ = esOffice2003Classic;
  bool auto_theme_adapt_ = false;
  framework::TColor border_color_ = framework::clBlack;
  framework::TColor border_down_color_ = framework::RGB(8, 36, 107);
  framework::TColor border_hot_color_ = framework::clBlack;
  framework::TColor border_drop_down_color_ = framework::RGB(128, 128, 128);
  framework::TColor color_to_ = framework::clNone;
  framework::TColor color_hot_ = framework::RGB(181, 190, 214);
  framework::TColor color_hot_to_ = framework::clNone;
  framework::TColor color_down_ = framework::RGB(132, 149, 181);
  framework::TColor color_down_to_ = framework::clNone;
  framework::TColor color_drop_down_ = framework::RGB(249, 248, 247);
  framework::TColor color_drop_down_to_ = framework::clNone;
  int buttons_per_row_ = 1;
  bool drop_down_button_ = true;
  TStyledSelectorStyle style_ = ssButton;
  std::unique_ptr<framework::TBitmap> glyph_;
  std::unique_ptr<framework::TBitmap> glyph_hot_;
  std::unique_ptr<framework::TBitmap> glyph_down_;

  bool hot_ = false;
  bool pressed_ = false;
  int drop_down_width_ = 12;
  bool hot_track_ = true;
  std::uint8_t drop_state_ = 0;
  int selected_index_ = -1;
  TStyledSelectorItems items_;
  bool items_stale_ = false;
  TSelectorCellColors cell_colors_;
  TSelectorDropDownWindow* drop_down_ = nullptr;
  TStyledSelectorPanel* panel_ = nullptr;
};

}  // namespace bitcalc::widgets
