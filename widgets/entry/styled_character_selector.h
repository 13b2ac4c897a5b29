#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "framework/text/font.h"
#include "widgets/entry/styled_custom_selector.h"

namespace bitcalc::widgets {

// A selector whose grid holds one cell per character of Characters, each
// drawn in CharFont. A pick stores the cell's character code in SelectedChar
// before OnSelect; the character with code 0 is a cell like any other (it
// shows empty, since a caption ends at code 0). Once picked, the character
// shows centred in the main part when the button is wide enough to have one
// and has no caption or glyph.
class TStyledCharacterSelector : public TStyledCustomSelector {
 public:
  explicit TStyledCharacterSelector(framework::TComponent* owner);
  ~TStyledCharacterSelector() override;

  // While true, Characters holds the 256 codes 0 ... 255 and may not be set.
  bool AutoLoad() const { return auto_load_; }
  void SetAutoLoad(bool v);

  // Throws std::logic_error while AutoLoad is true. Equal text changes
  // nothing; other text replaces the cells.
  const std::string& Characters() const { return characters_; }
  void SetCharacters(const std::string& v);

  framework::TFont& CharFont() { return *char_font_; }
  const framework::TFont& CharFont() const { return *char_font_; }
  void SetCharFont(const framework::TFont& v) { char_font_->Assign(v); }

  // The code of the last picked character, 0 before the first pick.
  std::uint8_t SelectedChar() const { return selected_char_; }

 protected:
  void FillItems(TStyledSelectorItems& items) override;
  void PanelBuilt(TStyledSelectorPanel& panel) override;
  void ItemPicked(const TStyledSelectorItem& item) override;
  void PaintSelection(framework::TCanvas& canvas, const framework::TRect& br) override;

 private:
  bool auto_load_ = false;
  std::string characters_;
  std::unique_ptr<framework::TFont> char_font_;
  std::uint8_t selected_char_ = 0;
};

}  // namespace bitcalc::widgets
