#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/controls/control_types.h"
#include "widgets/status/picture_sources.h"
#include "widgets/status/styled_hint_info.h"

namespace bitcalc::widgets {

class TStyledOfficeStatusBar;

enum TStyledStatusPanelStyle {
  psHTML,
  psText,
  psOwnerDraw,
  psTime,
  psDate,
  psNumLock,
  psCapsLock,
  psScrollLock,
  psProgress,
  psImage,
  psImageList,
  psAnimation,
  psEllipsText,
  psFileEllipsText,
};

enum TStyledPanelAppearanceStyle { psLight, psDark };

// The bar a psProgress panel shows: Position between Min and Max.
struct TStatusPanelProgress {
  int Min = 0;
  int Max = 100;
  int Position = 0;
  friend bool operator==(const TStatusPanelProgress&, const TStatusPanelProgress&) = default;
};

// One panel of a status bar. Changing the text repaints the panel alone;
// changing how it is laid out or painted repaints the whole bar.
class TStyledOfficeStatusPanel {
 public:
  explicit TStyledOfficeStatusPanel(TStyledOfficeStatusBar* bar) : bar_(bar) {}
  TStyledOfficeStatusPanel(const TStyledOfficeStatusPanel&) = delete;
  TStyledOfficeStatusPanel& operator=(const TStyledOfficeStatusPanel&) = delete;

  // The panel's place in the bar's list.
  int Index() const;

  const std::string& Text() const { return text_; }
  void SetText(const std::string& v);
  int Width() const { return width_; }
  void SetWidth(int v) { SetLayout(width_, v); }
  TStyledStatusPanelStyle Style() const { return style_; }
  void SetStyle(TStyledStatusPanelStyle v) { SetLayout(style_, v); }
  TStyledPanelAppearanceStyle AppearanceStyle() const { return appearance_style_; }
  void SetAppearanceStyle(TStyledPanelAppearanceStyle v) { SetLayout(appearance_style_, v); }
  framework::TAlignment Alignment() const { return alignment_; }
  void SetAlignment(framework::TAlignment v) { SetLayout(alignment_, v); }
  int HTMLOffsetX() const { return html_offset_x_; }
  void SetHTMLOffsetX(int v) { SetLayout(html_offset_x_, v); }
  int HTMLOffsetY() const { return html_offset_y_; }
  void SetHTMLOffsetY(int v) { SetLayout(html_offset_y_, v); }
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int v) { SetLayout(image_index_, v); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v) { SetLayout(enabled_, v); }
  bool Button() const { return button_; }
  void SetButton(bool v) { SetLayout(button_, v); }
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool v) { SetLayout(auto_size_, v); }
  int MinWidth() const { return min_width_; }
  void SetMinWidth(int v) { SetLayout(min_width_, v); }

  // The styled hint shown while the mouse rests on the panel.
  TStyledHintInfo& OfficeHint() { return office_hint_; }
  const TStyledHintInfo& OfficeHint() const { return office_hint_; }

  const std::string& DateFormat() const { return date_format_; }
  void SetDateFormat(const std::string& v) { SetLayout(date_format_, v); }
  const std::string& TimeFormat() const { return time_format_; }
  void SetTimeFormat(const std::string& v) { SetLayout(time_format_, v); }
  const TStatusPanelProgress& Progress() const { return progress_; }
  void SetProgress(const TStatusPanelProgress& v) { SetLayout(progress_, v); }
  bool Animated() const { return animated_; }
  void SetAnimated(bool v) { SetLayout(animated_, v); }
  int AnimationDelay() const { return animation_delay_; }
  void SetAnimationDelay(int v) { SetLayout(animation_delay_, v); }
  // The frames of a psAnimation panel, shown in turn every AnimationDelay + 1
  // ticks of the bar's timer while Animated; the panel does not own them.
  TImageList* AnimationImages() const { return animation_images_; }
  void SetAnimationImages(TImageList* v) { SetLayout(animation_images_, v); }
  int AnimationFrame() const { return animation_frame_; }
  // One tick of the bar's timer; true when the next frame is due and taken.
  bool AdvanceAnimation();

 private:
  template <typename T>
  void SetLayout(T& field, const T& value) {
    if (field == value) return;
    field = value;
    LayoutChanged();
  }
  void LayoutChanged();

  TStyledOfficeStatusBar* bar_;
  std::string text_;
  int width_ = 50;
  TStyledStatusPanelStyle style_ = psHTML;
  TStyledPanelAppearanceStyle appearance_style_ = psLight;
  framework::TAlignment alignment_ = framework::taLeftJustify;
  int html_offset_x_ = 2;
  int html_offset_y_ = 2;
  int image_index_ = -1;
  bool enabled_ = true;
  bool button_ = false;
  bool auto_size_ = false;
  int min_width_ = 20;
  TStyledHintInfo office_hint_;
  std::string date_format_ = "yyyy-MM-dd";
  std::string time_format_ = "hh:mm:ss";
  TStatusPanelProgress progress_;
  bool animated_ = false;
  int animation_delay_ = 0;
  TImageList* animation_images_ = nullptr;
  int animation_frame_ = 0;
  int animation_ticks_ = 0;
};

// The bar's panels, left to right.
class TStyledOfficeStatusPanels {
 public:
  explicit TStyledOfficeStatusPanels(TStyledOfficeStatusBar* bar) : bar_(bar) {}

  int Count() const { return int(panels_.size()); }
  TStyledOfficeStatusPanel& operator[](int i) { return *panels_[std::size_t(i)]; }
  const TStyledOfficeStatusPanel& operator[](int i) const { return *panels_[std::size_t(i)]; }
  // Appends a panel with the default settings.
  TStyledOfficeStatusPanel& Add();
  int IndexOf(const TStyledOfficeStatusPanel* panel) const;

 private:
  TStyledOfficeStatusBar* bar_;
  std::vector<std::unique_ptr<TStyledOfficeStatusPanel>> panels_;
};

}  // namespace bitcalc::widgets
