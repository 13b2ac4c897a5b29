#include "framework/controls/pop_up.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace bitcalc::framework {

namespace {
std::optional<bool> override_answer;
}

bool CompositorPlacesPopUps() {
  if (override_answer) return *override_answer;
  // "wayland", "wayland-egl" and the like.
  return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void OverrideCompositorPlacesPopUps(std::optional<bool> answer) {
  override_answer = answer;
}

void SetPopUpParent(QWidget* popUp, const QWidget* owner) {
  QWindow* parent = owner ? owner->window()->windowHandle() : nullptr;
  if (!parent || !CompositorPlacesPopUps()) return;
  popUp->winId();  // the platform window that carries the transient parent
  if (popUp->windowHandle()->transientParent() != parent)
    popUp->windowHandle()->setTransientParent(parent);
}

}  // namespace bitcalc::framework
