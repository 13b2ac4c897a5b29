#include "widgets/status/styled_office_hint.h"

#include "framework/runtime/form.h"
#include "framework/values/exception.h"
#include "widgets/status/styled_office_hint_window.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

// Hints on this desktop are drawn in the face that newer desktops use for
// them. Older Windows systems, those without the named-locale API, used
// Tahoma instead; no system this program runs on is one of those, so the
// choice is fixed. The font map serves both names with the pinned Tahoma.
constexpr const char* kSystemHintFamily = "Segoe UI";

// The component that installed itself last, the one whose handler runs.
TStyledOfficeHint* g_installed = nullptr;

const TOfficeHintPublisher* PublisherOf(const TControl* control) {
  return dynamic_cast<const TOfficeHintPublisher*>(control);
}

}  // namespace

TStyledOfficeHint* MainFormOfficeHint() {
  TForm* form = Application ? Application->MainForm() : nullptr;
  if (!form) return nullptr;
  for (TComponent* c : form->Components())
    if (auto* hint = dynamic_cast<TStyledOfficeHint*>(c)) return hint;
  return nullptr;
}

// The placement rules are checked before the component joins its owner, so a
// rejected one is never in the form's list.
TComponent* TStyledOfficeHint::CheckedOwner(TComponent* owner) {
  auto* form = dynamic_cast<TForm*>(owner);
  if (!form) throw Exception("Control parent must be a form!");
  for (TComponent* c : form->Components())
    if (dynamic_cast<TStyledOfficeHint*>(c))
      throw Exception("Only one instance of TStyledOfficeHint allowed on form");
  return form;
}

TStyledOfficeHint::TStyledOfficeHint(TComponent* owner) : TComponent(CheckedOwner(owner)) {
  font_.SetName(kSystemHintFamily);
  if ((Owner()->ComponentState() & csDesigning) || !Application) return;
  previous_window_class_ = Application->HintWindowClass();
  previous_show_hint_ = Application->OnShowHint;
  Application->SetHintWindowClass(
      [](TComponent* o) -> THintWindow* { return new TStyledOfficeHintWindow(o); });
  Application->OnShowHint = [this](std::string& s, bool& can, THintInfo& info) {
    ShowHint(s, can, info);
  };
  g_installed = this;
}

TStyledOfficeHint::~TStyledOfficeHint() {
  if (g_installed != this) return;
  g_installed = nullptr;
  if (!Application) return;
  Application->OnShowHint = std::move(previous_show_hint_);
  Application->SetHintWindowClass(std::move(previous_window_class_));
}

void TStyledOfficeHint::AssignDrawingFont(TFont& target) const {
  target.Assign(font_);
  if (system_font_) target.SetName(kSystemHintFamily);
}

bool TStyledOfficeHint::OfficeLayout() const {
  return (found_ && PublisherOf(hint_control_)) || office_;
}

void TStyledOfficeHint::ShowHint(std::string& hintStr, bool& canShow, THintInfo& info) {
  hint_control_ = info.HintControl;
  found_ = false;
  if (!hint_control_) return;
  if (const TOfficeHintPublisher* publisher = PublisherOf(hint_control_)) {
    office_ = found_ = true;
    content_ = publisher->OfficeHint();
    const bool hasContent = !content_.Title.empty() || !content_.Notes.empty();
    canShow = hasContent || !hintStr.empty();
    if (!hasContent) {
      content_.SetNotesText(hintStr);
      content_.Title.clear();
      content_.Picture.Clear();
      office_ = found_ = false;
    }
    // The application shows only a hint with text; the office layout never
    // draws it.
    if (canShow && found_) hintStr.assign(1, '*');
  } else {
    content_.Title.clear();
    content_.SetNotesText(hintStr);
    content_.ShowHelp = false;
    content_.Picture.Clear();
    office_ = false;
  }
  if (OnBeforeShowHint) OnBeforeShowHint(this, hint_control_, office_, content_);
}

}  // namespace bitcalc::widgets
