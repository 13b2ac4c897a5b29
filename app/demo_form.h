#pragma once

#include "framework/form.h"

// A window made of framework controls, shown until the calculator's own
// window takes its place.
class TDemoForm : public TForm {
 public:
  explicit TDemoForm(TComponent* owner);
};
