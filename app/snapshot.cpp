#include "app/snapshot.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace bitcalc::app {

bool SaveSnapshot(QWidget* window, const QString& pngPath) {
  window->show();
  QApplication::processEvents();
  return window->grab().toImage().save(pngPath, "PNG");
}

}  // namespace bitcalc::app
