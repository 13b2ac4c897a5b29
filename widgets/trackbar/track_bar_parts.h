#pragma once

#include <string>

#include "framework/text/font.h"
#include "widgets/trackbar/track_bar_gloss.h"

namespace bitcalc::widgets {

// The five parts a track bar's appearance is made of. Each reports a change
// of any of its properties through OnChange; Assign copies every value and
// reports once.

class TTrackBarThumb : public TTrackBarGlossPart {
 public:
  // Extent along the track and across it, in pixels.
  int Width() const { return width_; }
  void SetWidth(int v) { SetField(width_, v); }
  int Size() const { return size_; }
  void SetSize(int v) { SetField(size_, v); }
  TThumbShape Shape() const { return shape_; }
  void SetShape(TThumbShape v) { SetField(shape_, v); }
  // Draw the thumb also when Position is Min or Max.
  bool ShowAtMinMax() const { return show_at_min_max_; }
  void SetShowAtMinMax(bool v) { SetField(show_at_min_max_, v); }

  void Assign(const TTrackBarThumb& other);

 private:
  int width_ = 10;
  int size_ = 15;
  TThumbShape shape_ = tsPointer;
  bool show_at_min_max_ = true;
};

// Step buttons at both ends of the track.
class TTrackBarButtons : public TTrackBarGlossPart {
 public:
  bool Visible() const { return visible_; }
  void SetVisible(bool v) { SetField(visible_, v); }
  int Size() const { return size_; }
  void SetSize(int v) { SetField(size_, v); }
  int Spacing() const { return spacing_; }
  void SetSpacing(int v) { SetField(spacing_, v); }
  TTrackButtonShape Shape() const { return shape_; }
  void SetShape(TTrackButtonShape v) { SetField(shape_, v); }
  bool RepeatClick() const { return repeat_click_; }
  void SetRepeatClick(bool v) { SetField(repeat_click_, v); }
  // Milliseconds before the first repeat and between later ones.
  int InitRepeatPause() const { return init_repeat_pause_; }
  void SetInitRepeatPause(int v) { SetField(init_repeat_pause_, v); }
  int RepeatPause() const { return repeat_pause_; }
  void SetRepeatPause(int v) { SetField(repeat_pause_, v); }

  void Assign(const TTrackBarButtons& other);

 private:
  bool visible_ = false;
  int size_ = 20;
  int spacing_ = 2;
  TTrackButtonShape shape_ = bsRound;
  bool repeat_click_ = true;
  int init_repeat_pause_ = 400;
  int repeat_pause_ = 100;
};

// The strip the thumb runs on. The completed colours, when set, paint the
// part between Min and the thumb.
class TTrackBarSlider : public framework::TPersistent {
 public:
  // Bands of the strip's stepped gradient.
  static constexpr int kGradientSteps = 20;

  struct Values {
    bool Visible = true;
    int Size = 2;
    int Offset = 10;
    bool Border3D = true;
    bool Rounded = false;
    framework::TColor Color = framework::clWhite, ColorTo = framework::clBlack;
    TGradientDirection Direction = gdHorizontal;
    framework::TColor BorderColor = framework::RGB(116, 150, 194);
    framework::TColor ColorCompleted = framework::clNone, ColorCompletedTo = framework::clNone;
    framework::TColor ColorDisabled = framework::clBlack, ColorDisabledTo = framework::clBlack,
                      BorderColorDisabled = framework::clBlack;
    framework::TColor ColorCompletedDisabled = framework::clNone,
                      ColorCompletedDisabledTo = framework::clNone;
    friend bool operator==(const Values&, const Values&) = default;
  };

  bool Visible() const { return v_.Visible; }
  void SetVisible(bool v) { SetField(v_.Visible, v); }
  // Thickness across the track.
  int Size() const { return v_.Size; }
  void SetSize(int v) { SetField(v_.Size, v); }
  // Indent of the track from the inner left (vertical) or top edge.
  int Offset() const { return v_.Offset; }
  void SetOffset(int v) { SetField(v_.Offset, v); }
  bool Border3D() const { return v_.Border3D; }
  void SetBorder3D(bool v) { SetField(v_.Border3D, v); }
  bool Rounded() const { return v_.Rounded; }
  void SetRounded(bool v) { SetField(v_.Rounded, v); }
  framework::TColor Color() const { return v_.Color; }
  void SetColor(framework::TColor v) { SetField(v_.Color, v); }
  framework::TColor ColorTo() const { return v_.ColorTo; }
  void SetColorTo(framework::TColor v) { SetField(v_.ColorTo, v); }
  TGradientDirection Direction() const { return v_.Direction; }
  void SetDirection(TGradientDirection v) { SetField(v_.Direction, v); }
  framework::TColor BorderColor() const { return v_.BorderColor; }
  void SetBorderColor(framework::TColor v) { SetField(v_.BorderColor, v); }
  framework::TColor ColorCompleted() const { return v_.ColorCompleted; }
  void SetColorCompleted(framework::TColor v) { SetField(v_.ColorCompleted, v); }
  framework::TColor ColorCompletedTo() const { return v_.ColorCompletedTo; }
  void SetColorCompletedTo(framework::TColor v) { SetField(v_.ColorCompletedTo, v); }
  framework::TColor ColorDisabled() const { return v_.ColorDisabled; }
  void SetColorDisabled(framework::TColor v) { SetField(v_.ColorDisabled, v); }
  framework::TColor ColorDisabledTo() const { return v_.ColorDisabledTo; }
  void SetColorDisabledTo(framework::TColor v) { SetField(v_.ColorDisabledTo, v); }
  framework::TColor BorderColorDisabled() const { return v_.BorderColorDisabled; }
  void SetBorderColorDisabled(framework::TColor v) { SetField(v_.BorderColorDisabled, v); }
  framework::TColor ColorCompletedDisabled() const { return v_.ColorCompletedDisabled; }
  void SetColorCompletedDisabled(framework::TColor v) { SetField(v_.ColorCompletedDisabled, v); }
  framework::TColor ColorCompletedDisabledTo() const { return v_.ColorCompletedDisabledTo; }
  void SetColorCompletedDisabledTo(framework::TColor v) {
    SetField(v_.ColorCompletedDisabledTo, v);
  }

  void Assign(const TTrackBarSlider& other);

 private:
  Values v_;
};

class TTrackBarTick : public framework::TPersistent {
 public:
  TTrackBarTick();

  TTickStyle Style() const { return style_; }
  void SetStyle(TTickStyle v) { SetField(style_, v); }
  TTickMark Position() const { return position_; }
  void SetPosition(TTickMark v) { SetField(position_, v); }
  // Gap between the slider and the ticks, and the length of a tick.
  int Spacing() const { return spacing_; }
  void SetSpacing(int v) { SetField(spacing_, v); }
  int Size() const { return size_; }
  void SetSize(int v) { SetField(size_, v); }
  bool ShowText() const { return show_text_; }
  void SetShowText(bool v) { SetField(show_text_, v); }
  framework::TColor Color() const { return color_; }
  void SetColor(framework::TColor v) { SetField(color_, v); }
  framework::TColor ColorDisabled() const { return color_disabled_; }
  void SetColorDisabled(framework::TColor v) { SetField(color_disabled_, v); }
  // Each tick doubled by a lighter line beside it.
  bool Line3D() const { return line_3d_; }
  void SetLine3D(bool v) { SetField(line_3d_, v); }
  framework::TFont& Font() { return font_; }
  const framework::TFont& Font() const { return font_; }
  bool RotateFontVert() const { return rotate_font_vert_; }
  void SetRotateFontVert(bool v) { SetField(rotate_font_vert_, v); }
  // Filters: only the tick at Position, or only every n-th value.
  bool ShowImageAtThumbOnly() const { return show_image_at_thumb_only_; }
  void SetShowImageAtThumbOnly(bool v) { SetField(show_image_at_thumb_only_, v); }
  int ShowImageAtSteps() const { return show_image_at_steps_; }
  void SetShowImageAtSteps(int v) { SetField(show_image_at_steps_, v); }

  void Assign(const TTrackBarTick& other);

 private:
  TTickStyle style_ = tsAuto;
  TTickMark position_ = tmBottomRight;
  int spacing_ = 8;
  int size_ = 4;
  bool show_text_ = false;
  framework::TColor color_ = framework::clBlack;
  framework::TColor color_disabled_ = framework::clBlack;
  bool line_3d_ = false;
  framework::TFont font_;
  bool rotate_font_vert_ = true;
  bool show_image_at_thumb_only_ = false;
  int show_image_at_steps_ = 1;
};

// The value label beside the track.
class TTrackBarLabel : public framework::TPersistent {
 public:
  TTrackBarLabel();

  bool Visible() const { return visible_; }
  void SetVisible(bool v) { SetField(visible_, v); }
  // The label's text with Position in place of its "%d".
  const std::string& Format() const { return format_; }
  void SetFormat(const std::string& v) { SetField(format_, v); }
  TLabelPosition Position() const { return position_; }
  void SetPosition(TLabelPosition v) { SetField(position_, v); }
  int Spacing() const { return spacing_; }
  void SetSpacing(int v) { SetField(spacing_, v); }
  framework::TFont& Font() { return font_; }
  const framework::TFont& Font() const { return font_; }

  void Assign(const TTrackBarLabel& other);

 private:
  bool visible_ = false;
  std::string format_ = "Pos: %d";
  TLabelPosition position_ = lpTopCenter;
  int spacing_ = 4;
  framework::TFont font_;
};

// Format with every "%d" replaced by value and "%%" by "%"; anything else is
// copied as it stands, so no stored text can read past the one argument.
std::string FormatTrackLabel(const std::string& format, int value);

}  // namespace bitcalc::widgets
