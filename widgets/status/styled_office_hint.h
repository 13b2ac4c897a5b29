#pragma once

#include <QPointer>
#include <functional>
#include <string>

#include "framework/controls/control.h"
#include "framework/runtime/application.h"
#include "widgets/status/styled_hint_info.h"

namespace bitcalc::widgets {

using TBeforeShowHintEvent =
    std::function<void(framework::TObject* Sender, framework::TControl* HintControl,
                       bool& UseOfficeHint, TStyledHintInfo& HintInfo)>;

// The office look of every hint in the application: placed once on a form, it
// installs TStyledOfficeHintWindow as the application's hint window and its
// own show-hint handler. A hinted control that publishes an OfficeHint shows
// it as title, picture, notes and help line; any other hint shows its plain
// text on the same gradient.
class TStyledOfficeHint : public framework::TComponent {
 public:
  // Throws Exception when owner is not a form or already holds one.
  explicit TStyledOfficeHint(framework::TComponent* owner);
  ~TStyledOfficeHint() override;

  // Font of all hint text; its colour is the text colour. With SystemFont
  // the family is the platform's hint face instead of Font's.
  framework::TFont& Font() { return font_; }
  const framework::TFont& Font() const { return font_; }
  bool SystemFont() const { return system_font_; }
  void SetSystemFont(bool v) { system_font_ = v; }
  framework::TColor HintColor() const { return hint_color_; }
  void SetHintColor(framework::TColor v) { hint_color_ = v; }
  framework::TColor HintColorTo() const { return hint_color_to_; }
  void SetHintColorTo(framework::TColor v) { hint_color_to_ = v; }
  int HintWidth() const { return hint_width_; }
  void SetHintWidth(int v) { hint_width_ = v; }
  const std::string& HintHelpText() const { return hint_help_text_; }
  void SetHintHelpText(const std::string& v) { hint_help_text_ = v; }
  TEncodedPicture& HintHelpPicture() { return hint_help_picture_; }
  const TEncodedPicture& HintHelpPicture() const { return hint_help_picture_; }
  framework::TColor HintHelpLineColor() const { return hint_help_line_color_; }
  void SetHintHelpLineColor(framework::TColor v) { hint_help_line_color_ = v; }
  static std::string Version() { return "1.1.3.2"; }

  // Font with the family hints are drawn in, copied into target.
  void AssignDrawingFont(framework::TFont& target) const;

  // The application's show-hint handler while this component is installed.
  void ShowHint(std::string& hintStr, bool& canShow, framework::THintInfo& info);

  // What the current hint is about, as the show-hint handler left it.
  framework::TControl* HintControl() const { return hint_control_; }
  const TStyledHintInfo& Content() const { return content_; }
  // Whether the current hint uses the office layout.
  bool OfficeLayout() const;
  // The hint has gone; the next one starts afresh.
  void ForgetHintControl() { hint_control_.clear(); }

  TBeforeShowHintEvent OnBeforeShowHint;

 private:
  static framework::TComponent* CheckedOwner(framework::TComponent* owner);

  framework::TFont font_;
  bool system_font_ = true;
  framework::TColor hint_color_ = framework::clWhite;
  framework::TColor hint_color_to_ = framework::RGB(202, 217, 239);
  int hint_width_ = 200;
  std::string hint_help_text_ = "Press F1 for more help.";
  TEncodedPicture hint_help_picture_;
  framework::TColor hint_help_line_color_ = framework::RGB(154, 198, 255);

  QPointer<framework::TControl> hint_control_;
  TStyledHintInfo content_;
  bool office_ = false;  // the current hint uses the office layout
  bool found_ = false;   // the hinted control published an OfficeHint

  // What installing replaced, put back when this component goes.
  framework::THintWindowClass previous_window_class_;
  framework::TShowHintEvent previous_show_hint_;
};

// The first office hint among the components of the application's main form.
TStyledOfficeHint* MainFormOfficeHint();

}  // namespace bitcalc::widgets
