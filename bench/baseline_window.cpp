// The start-up baseline: a bare Qt window of the same size holding sixteen
// plain widgets of the kinds CELFORO's window has, with no styling at all.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "qt/first_paint_probe.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setFixedSize(337, 375);
  for (int i = 0; i < 3; ++i) new QLineEdit(QStringLiteral("2500"), &window);
  for (int i = 0; i < 2; ++i) new QPushButton(QStringLiteral("BUTTON"), &window);
  for (int i = 0; i < 9; ++i) new QLabel(QStringLiteral("LABEL"), &window);
  for (int i = 0; i < 2; ++i) new QWidget(&window);
  int top = 0;
  for (QWidget* child : window.findChildren<QWidget*>()) {
    child->setGeometry(8, top, 320, 22);
    top += 23;
  }
  celforo::qt::WatchFirstPaintIfAsked(&window);
  window.show();
  return QApplication::exec();
}
