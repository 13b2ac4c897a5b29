#include "widgets/entry/styled_character_selector.h"

#include <stdexcept>

#include "framework/raster/canvas.h"
#include "framework/text/text.h"
#include "widgets/entry/styled_selector_panel.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

std::string AllCodes() {
  std::string codes(256, '\0');
  for (int i = 0; i < 256; ++i) codes[size_t(i)] = char(i);
  return codes;
}

}  // namespace

TStyledCharacterSelector::TStyledCharacterSelector(TComponent* owner)
    : TStyledCustomSelector(owner), char_font_(std::make_unique<TFont>()) {
  SetButtonsPerRow(10);
  SetCharacters("abcdefghijklmnopqrstuvwxyz");
  char_font_->OnChange = [this](TObject*) { Invalidate(); };
}

TStyledCharacterSelector::~TStyledCharacterSelector() = default;

void TStyledCharacterSelector::SetAutoLoad(bool v) {
  if (v == auto_load_) return;
  auto_load_ = v;
  characters_ = v ? AllCodes() : std::string();
  RebuildItems();
}

void TStyledCharacterSelector::SetCharacters(const std::string& v) {
  if (auto_load_) throw std::logic_error("Can not change characters when AutoLoad is true.");
  if (v == characters_) return;
  characters_ = v;
  ItemsChanged();
}

void TStyledCharacterSelector::FillItems(TStyledSelectorItems& items) {
  items.Reserve(int(characters_.size()));
  for (char ch : characters_) {
    TStyledSelectorItem& item = items.Add();
    item.ItemType = itAutoSizeButton;
    item.Caption = std::string(1, ch);
    item.CaptionAlignment = taCenter;
    // Read out as its code, then the character itself where it shows as one.
    item.AccessibleName = std::to_string(std::uint8_t(ch));
    if (StartsWithPrintable(FromCp1250(item.Caption))) item.AccessibleName += " " + item.Caption;
  }
}

void TStyledCharacterSelector::PanelBuilt(TStyledSelectorPanel& panel) {
  panel.SetButtonMargin(0);
  panel.SetNoPrefix(true);
  panel.Font().Assign(*char_font_);
  panel.LayoutCells();
}

void TStyledCharacterSelector::ItemPicked(const TStyledSelectorItem& item) {
  selected_char_ = item.Caption.empty() ? 0 : std::uint8_t(item.Caption[0]);
}

void TStyledCharacterSelector::PaintSelection(TCanvas& canvas, const TRect& br) {
  if (!Caption().empty() || selected_char_ == 0) return;
  TRect r = br;
  canvas.Font().Assign(*char_font_);
  canvas.Brush().SetStyle(bsClear);
  canvas.DrawText(std::string(1, char(selected_char_)), r,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace bitcalc::widgets
