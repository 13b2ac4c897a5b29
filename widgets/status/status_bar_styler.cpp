#include "widgets/status/status_bar_styler.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <algorithm>
#include <array>

#include "widgets/status/status_gradient.h"
#include "widgets/status/styled_office_status_bar.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

TCustomStyledOfficeStatusBarStyler::TCustomStyledOfficeStatusBarStyler(TComponent* owner)
    : TComponent(owner) {
  light_.OnChange = [this](TObject*) { Changed(); };
  dark_.OnChange = [this](TObject*) { Changed(); };
}

TCustomStyledOfficeStatusBarStyler::~TCustomStyledOfficeStatusBarStyler() {
  // Each bar leaves the list as it falls back to its own scheme.
  while (!bars_.empty()) bars_.back()->StylerDestroyed(this);
}

void TCustomStyledOfficeStatusBarStyler::SetBorderColor(TColor v) {
  if (v == border_color_) return;
  border_color_ = v;
  Changed();
}

void TCustomStyledOfficeStatusBarStyler::AddBar(TStyledOfficeStatusBar* bar) {
  if (std::find(bars_.begin(), bars_.end(), bar) == bars_.end()) bars_.push_back(bar);
}

void TCustomStyledOfficeStatusBarStyler::RemoveBar(TStyledOfficeStatusBar* bar) {
  bars_.erase(std::remove(bars_.begin(), bars_.end(), bar), bars_.end());
}

void TCustomStyledOfficeStatusBarStyler::Changed() {
  for (TStyledOfficeStatusBar* bar : bars_) bar->Invalidate();
}

namespace {

// A preset: the frame and, for each appearance, the colour its shading is
// made from (all four normal colours), and the text colour of both.
struct Preset {
  TColor border;
  TColor light;
  TColor dark;
  TColor text;
};

// The schemes' own colours, by TStyledStatusBarStyle; psCustom and
// psOffice2007Luna are not read from here.
constexpr std::array<Preset, 10> kPresets = {{
    {RGB(0, 45, 150), RGB(158, 190, 245), RGB(89, 135, 214), RGB(0, 21, 110)},
    {RGB(110, 109, 143), RGB(218, 218, 231), RGB(166, 166, 190), RGB(21, 21, 64)},
    {RGB(96, 119, 66), RGB(217, 222, 177), RGB(165, 180, 120), RGB(33, 48, 12)},
    {RGB(128, 128, 128), RGB(236, 233, 216), RGB(212, 208, 200), RGB(0, 0, 0)},
    {},
    {RGB(76, 83, 92), RGB(196, 201, 208), RGB(83, 83, 83), RGB(255, 255, 255)},
    {RGB(0, 60, 116), RGB(236, 233, 216), RGB(165, 191, 225), RGB(0, 0, 0)},
    {RGB(127, 157, 185), RGB(238, 238, 229), RGB(198, 196, 176), RGB(0, 0, 0)},
    {},
    {RGB(111, 112, 116), RGB(233, 236, 241), RGB(184, 189, 198), RGB(32, 32, 32)},
}};

// Hot and pressed colours are the same warm ones in every scheme.
constexpr TGlossColors kHot = {RGB(255, 255, 251), RGB(255, 240, 192), RGB(255, 216, 107),
                               RGB(252, 230, 160), RGB(219, 206, 153), clBlack};
constexpr TGlossColors kDown = {RGB(247, 180, 119), RGB(249, 154, 69), RGB(248, 130, 25),
                                RGB(255, 174, 3),   RGB(123, 102, 69), clBlack};

// The window's own scheme.
constexpr TColor kLunaText = RGB(9, 32, 97);
constexpr TGlossColors kLunaLight = {
    RGB(215, 230, 249), RGB(199, 220, 248), RGB(179, 208, 245), RGB(205, 224, 247), clNone,
    kLunaText};
constexpr TGlossColors kLunaDark = {
    RGB(197, 220, 248), RGB(135, 182, 245), RGB(144, 182, 234), RGB(116, 149, 194), clNone,
    kLunaText};

TGlossColors Shaded(TColor base, TColor text) {
  return {BlendColor(base, clWhite, 40),
          BlendColor(base, clWhite, 70),
          base,
          BlendColor(base, clWhite, 60),
          clNone,
          text};
}

void Apply(TGlossBackground& appearance, const TGlossColors& normal, TColor text) {
  appearance.SetColors(gsNormal, normal);
  TGlossColors hot = kHot, down = kDown;
  hot.TextColor = down.TextColor = text;
  appearance.SetColors(gsHot, hot);
  appearance.SetColors(gsDown, down);
}

}  // namespace

// Repeats the theme choice whenever the application's palette changes.
class TStyledOfficeStatusBarOfficeStyler::ThemeWatch : public QObject {
 public:
  explicit ThemeWatch(TStyledOfficeStatusBarOfficeStyler* styler) : styler_(styler) {
    qApp->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange)
      styler_->AdaptToTheme();
    return false;
  }

 private:
  TStyledOfficeStatusBarOfficeStyler* styler_;
};

TStyledOfficeStatusBarOfficeStyler::TStyledOfficeStatusBarOfficeStyler(TComponent* owner)
    : TCustomStyledOfficeStatusBarStyler(owner) {
  style_ = psCustom;
  SetStyle(psOffice2007Luna);
}

TStyledOfficeStatusBarOfficeStyler::~TStyledOfficeStatusBarOfficeStyler() = default;

void TStyledOfficeStatusBarOfficeStyler::SetStyle(TStyledStatusBarStyle v) {
  if (v == style_) return;
  style_ = v;
  if (v == psCustom) return;
  if (v == psOffice2007Luna) {
    SetBorderColor(RGB(86, 125, 176));
    Apply(PanelAppearanceLight(), kLunaLight, clBlack);
    Apply(PanelAppearanceDark(), kLunaDark, kLunaText);
    return;
  }
  const Preset& p = kPresets[v];
  SetBorderColor(p.border);
  Apply(PanelAppearanceLight(), Shaded(p.light, p.text), p.text);
  Apply(PanelAppearanceDark(), Shaded(p.dark, p.text), p.text);
}

void TStyledOfficeStatusBarOfficeStyler::SetAutoThemeAdapt(bool v) {
  if (v == auto_theme_adapt_) return;
  auto_theme_adapt_ = v;
  theme_watch_.reset(v ? new ThemeWatch(this) : nullptr);
  if (v && !IsLoading()) AdaptToTheme();
}

void TStyledOfficeStatusBarOfficeStyler::Loaded() {
  TCustomStyledOfficeStatusBarStyler::Loaded();
  if (auto_theme_adapt_) AdaptToTheme();
}

void TStyledOfficeStatusBarOfficeStyler::AdaptToTheme() {
  const bool dark = QApplication::palette().color(QPalette::Window).lightness() < 128;
  SetStyle(dark ? psOffice2007Obsidian : psOffice2007Luna);
}

}  // namespace bitcalc::widgets
