#pragma once

#include <QEvent>
#include <QPaintEvent>
#include <QWidget>
#include <vector>

// Records the area of every paint a widget receives, as it is delivered.
class PaintSpy : public QObject {
 public:
  explicit PaintSpy(QWidget* widget) { widget->installEventFilter(this); }
  std::vector<QRect> areas;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) areas.push_back(static_cast<QPaintEvent*>(event)->rect());
    return false;
  }
};
