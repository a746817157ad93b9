#include "qt/first_paint_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace celforo::qt {
namespace {

class FirstPaintProbe : public QObject {
public:
  using QObject::QObject;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      // Once this paint has been delivered and flushed.
      QTimer::singleShot(0, [] {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::fprintf(stderr, "first-paint %lld\n",
                     static_cast<long long>(std::chrono::nanoseconds(now).count()));
        QCoreApplication::quit();
      });
    }
    return QObject::eventFilter(watched, event);
  }

private:
  bool seen_ = false;
};

}  // namespace

void WatchFirstPaintIfAsked(QWidget* window) {
  if (qEnvironmentVariableIsEmpty("CELFORO_BENCH_FIRST_PAINT")) return;
  window->installEventFilter(new FirstPaintProbe(window));
}

}  // namespace celforo::qt
