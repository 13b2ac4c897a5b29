// The floor the calculator's start-up is measured against: Qt Widgets with
// one plain top-level window of the calculator's client size, and nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setFixedSize(645, 324);
  window.show();
  return app.exec();
}
