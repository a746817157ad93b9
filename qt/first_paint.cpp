#include "qt/first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <utility>

namespace celforo::qt {
namespace {

// Watches the application's events for the window's first paint; the widgets
// painted first need not be the window itself, which its children may cover.
class FirstPaintWatch : public QObject {
public:
  FirstPaintWatch(QWidget* window, std::function<void()> then)
      : QObject(window), window_(window), then_(std::move(then)) {
    QCoreApplication::instance()->installEventFilter(this);
  }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == window_) {
      QCoreApplication::instance()->removeEventFilter(this);
      // Once the whole paint has been delivered and flushed.
      QTimer::singleShot(0, window_, std::move(then_));
      deleteLater();
    }
    return false;
  }

private:
  QWidget* window_;
  std::function<void()> then_;
};

}  // namespace

void AfterFirstPaint(QWidget* window, std::function<void()> then) {
  new FirstPaintWatch(window, std::move(then));
}

}  // namespace celforo::qt
