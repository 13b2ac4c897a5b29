#pragma once

#include <memory>
#include <vector>

#include "framework/controls/component.h"
#include "widgets/status/gloss_background.h"

namespace bitcalc::widgets {

class TStyledOfficeStatusBar;

// The colour scheme of status bars: the frame colour and the two panel
// appearances. It keeps the list of bars that use it; any change of its
// colours repaints all of them, and bars that outlive it go back to their
// own internal schemes.
class TCustomStyledOfficeStatusBarStyler : public framework::TComponent {
 public:
  explicit TCustomStyledOfficeStatusBarStyler(framework::TComponent* owner);
  ~TCustomStyledOfficeStatusBarStyler() override;

  framework::TColor BorderColor() const { return border_color_; }
  void SetBorderColor(framework::TColor v);
  TGlossBackground& PanelAppearanceLight() { return light_; }
  const TGlossBackground& PanelAppearanceLight() const { return light_; }
  TGlossBackground& PanelAppearanceDark() { return dark_; }
  const TGlossBackground& PanelAppearanceDark() const { return dark_; }

  // The bars using this scheme, in the order they took it.
  const std::vector<TStyledOfficeStatusBar*>& Bars() const { return bars_; }
  void AddBar(TStyledOfficeStatusBar* bar);
  void RemoveBar(TStyledOfficeStatusBar* bar);

 protected:
  // Repaints every bar in the list.
  void Changed();

 private:
  framework::TColor border_color_ = framework::RGB(59, 90, 130);
  TGlossBackground light_;
  TGlossBackground dark_;
  std::vector<TStyledOfficeStatusBar*> bars_;
};

enum TStyledStatusBarStyle {
  psOffice2003Blue,
  psOffice2003Silver,
  psOffice2003Olive,
  psOffice2003Classic,
  psOffice2007Luna,
  psOffice2007Obsidian,
  psWindowsXP,
  psWhidbey,
  psCustom,
  psOffice2007Silver,
};

// A styler whose Style writes one of the preset schemes into its colours;
// psCustom leaves them as they are. With AutoThemeAdapt the preset follows
// the desktop: a dark palette picks the dark scheme, any other the light one,
// when the styler is loaded and whenever the palette changes.
class TStyledOfficeStatusBarOfficeStyler : public TCustomStyledOfficeStatusBarStyler {
 public:
  explicit TStyledOfficeStatusBarOfficeStyler(framework::TComponent* owner);
  ~TStyledOfficeStatusBarOfficeStyler() override;

  TStyledStatusBarStyle Style() const { return style_; }
  void SetStyle(TStyledStatusBarStyle v);
  bool AutoThemeAdapt() const { return auto_theme_adapt_; }
  void SetAutoThemeAdapt(bool v);

 protected:
  void Loaded() override;

 private:
  class ThemeWatch;
  void AdaptToTheme();

  TStyledStatusBarStyle style_ = psOffice2003Blue;
  bool auto_theme_adapt_ = false;
  std::unique_ptr<ThemeWatch> theme_watch_;
};

}  // namespace bitcalc::widgets
