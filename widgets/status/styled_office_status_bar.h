#pragma once

#include <QPointer>
#include <functional>
#include <string>
#include <vector>

#include "framework/controls/win_control.h"
#include "framework/runtime/timer.h"
#include "widgets/status/dummy_hint_control.h"
#include "widgets/status/markup_renderer.h"
#include "widgets/status/status_bar_styler.h"
#include "widgets/status/styled_office_status_panel.h"

namespace bitcalc::widgets {

using TAnchorEvent = std::function<void(framework::TObject* Sender, const std::string& Anchor)>;
using TPanelEvent = std::function<void(framework::TObject* Sender, int PanelIndex)>;
using TDrawPanelEvent =
    std::function<void(framework::TObject* Sender, framework::TCanvas& Canvas,
                       TStyledOfficeStatusPanel& Panel, const framework::TRect& Rect)>;

// The strip of glossy rich-text panels along the bottom of a window. A press
// on a web or mail link in a panel opens it; resting the mouse on a panel
// shows the panel's styled hint. The bottom three rows and the right three
// columns belong to the window behind: the mouse goes through them.
class TStyledOfficeStatusBar : public framework::TCustomControl {
 public:
  explicit TStyledOfficeStatusBar(framework::TComponent* owner);
  ~TStyledOfficeStatusBar() override;

  TStyledOfficeStatusPanels& Panels() { return panels_; }
  const TStyledOfficeStatusPanels& Panels() const { return panels_; }

  // The colour scheme; none means the bar's own.
  TCustomStyledOfficeStatusBarStyler* Styler() const { return styler_; }
  void SetStyler(TCustomStyledOfficeStatusBarStyler* v);
  const TCustomStyledOfficeStatusBarStyler& EffectiveStyler() const;

  framework::TColor URLColor() const { return url_color_; }
  void SetURLColor(framework::TColor v) { SetAndInvalidate(url_color_, v); }
  // Resting on a link shows the link's target as the hint.
  bool AnchorHint() const { return anchor_hint_; }
  void SetAnchorHint(bool v) { anchor_hint_ = v; }
  // A resize grip at the right end, shown while the window is resizable and
  // not maximised.
  bool SizeGrip() const { return size_grip_; }
  void SetSizeGrip(bool v) { SetAndInvalidate(size_grip_, v); }
  // One rich text over the whole bar instead of the panels.
  bool SimplePanel() const { return simple_panel_; }
  void SetSimplePanel(bool v) { SetAndInvalidate(simple_panel_, v); }
  const std::string& SimpleText() const { return simple_text_; }
  void SetSimpleText(const std::string& v) { SetAndInvalidate(simple_text_, v); }
  // The bar's font follows the platform's tooltip font. Taking the parent's
  // font turns it off.
  bool UseSystemFont() const { return use_system_font_; }
  void SetUseSystemFont(bool v);
  // Pictures for image panels (the disabled ones for disabled panels) and
  // for the panels' rich text; the bar does not own them.
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* v) { SetAndInvalidate(images_, v); }
  TImageList* DisabledImages() const { return disabled_images_; }
  void SetDisabledImages(TImageList* v) { SetAndInvalidate(disabled_images_, v); }
  TPictureContainer* PictureContainer() const { return picture_container_; }
  void SetPictureContainer(TPictureContainer* v) { SetAndInvalidate(picture_container_, v); }
  // The panel that takes the width the others leave, or -1.
  int StretchPanel() const { return stretch_panel_; }
  void SetStretchPanel(int v);
  static std::string Version() { return "1.2.0.4"; }

  // Panel i's hit and repaint rectangle.
  framework::TRect PanelRect(int i) const;
  // The panel under column x, or -1.
  int PanelAt(int x) const;
  // The target of the link under (x, y), or empty.
  std::string AnchorAt(int x, int y);
  // Whether the mouse at (x, y) goes through to the window behind.
  bool IsTransparentAt(int x, int y) const;

  // A status bar whose panels (or simple panel) read as the plain text they show.
  QAccessibleInterface* CreateAccessible() override;

  TAnchorEvent OnAnchorClick;
  TAnchorEvent OnAnchorEnter;
  TAnchorEvent OnAnchorExit;
  TPanelEvent OnPanelClick;
  TPanelEvent OnPanelRightClick;
  TPanelEvent OnPanelDblClick;
  TDrawPanelEvent OnDrawPanel;

  // Notifications from the panels and the styler.
  void PanelTextChanged(const TStyledOfficeStatusPanel& panel);
  void PanelLayoutChanged();
  void StylerDestroyed(TCustomStyledOfficeStatusBarStyler* styler);

 protected:
  void Paint() override;
  void MouseDown(framework::TMouseButton button, framework::TShiftState shift, int x,
                 int y) override;
  void MouseMove(framework::TShiftState shift, int x, int y) override;
  void MouseUp(framework::TMouseButton button, framework::TShiftState shift, int x, int y) override;
  void MouseLeave() override;
  void FontChanged() override;
  void Loaded() override;
  bool HintShow(framework::THintInfo& info) override;
  bool event(QEvent* event) override;

 private:
  // Timer ticks per blink: text after a blink tag shows for the later half.
  static constexpr int kBlinkPeriod = 10;
  struct TMarkupResult {
    bool Hit = false;
    std::string Anchor;
    int Width = 0;
  };
  // The renderer on text in frame, in the canvas's font, as the bar uses it.
  TMarkupResult RunMarkup(framework::TCanvas& canvas, const std::string& text,
                          const framework::TRect& frame, TMarkupMode mode, int x = 0,
                          int y = 0) const;
  std::vector<int> LaidOut() const;
  bool GripShown() const;
  void PaintPanel(framework::TCanvas& canvas, int i, framework::TRect p);
  void PaintSimplePanel(framework::TCanvas& canvas);
  void PaintPanelText(framework::TCanvas& canvas, TStyledOfficeStatusPanel& panel,
                      const framework::TRect& p);
  void ApplySystemFont();
  void Tick();
  void RefreshAutomaticPanels();
  void AutoSizePanels();
  void SetHotPanel(int i);
  void SetPressedPanel(int i);
  void RepaintButtonPanel(int i);
  void LeaveAnchor();
  bool ForwardMouse(QMouseEvent* event);

  TStyledOfficeStatusPanels panels_;
  TCustomStyledOfficeStatusBarStyler* styler_ = nullptr;
  TCustomStyledOfficeStatusBarStyler* internal_styler_;
  TDummyHintControl* hint_carrier_;
  framework::TTimer* timer_;
  framework::TColor url_color_ = framework::clBlue;
  bool anchor_hint_ = false;
  bool size_grip_ = true;
  bool simple_panel_ = false;
  std::string simple_text_;
  bool use_system_font_ = true;
  bool applying_system_font_ = false;
  int stretch_panel_ = -1;
  TImageList* images_ = nullptr;
  TImageList* disabled_images_ = nullptr;
  TPictureContainer* picture_container_ = nullptr;

  int hot_panel_ = -1;
  int pressed_panel_ = -1;
  int hint_panel_ = -1;
  std::string last_anchor_;
  int blink_ = 0;  // 0 … 10; text after a blink tag shows while above 5
  // Where a press that went through to the window behind went, so the rest
  // of that click follows it.
  QPointer<QWidget> forward_to_;
};

}  // namespace bitcalc::widgets
