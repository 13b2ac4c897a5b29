#pragma once

#include <memory>

#include "framework/runtime/form.h"

namespace bitcalc::app {

using namespace bitcalc::framework;

struct DemoParts;

// A window made of the program's widgets, shown until the calculator's own
// window takes its place.
class TDemoForm : public TForm {
 public:
  explicit TDemoForm(TComponent* owner);
  ~TDemoForm() override;

 private:
  std::unique_ptr<DemoParts> parts_;
};

}  // namespace bitcalc::app
