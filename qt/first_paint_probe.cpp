#include "qt/first_paint_probe.h"

#include <QCoreApplication>
#include <chrono>
#include <cstdio>

#include "qt/first_paint.h"

namespace celforo::qt {

void WatchFirstPaintIfAsked(QWidget* window) {
  if (qEnvironmentVariableIsEmpty("CELFORO_BENCH_FIRST_PAINT")) return;
  AfterFirstPaint(window, [] {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::fprintf(stderr, "first-paint %lld\n",
                 static_cast<long long>(std::chrono::nanoseconds(now).count()));
    QCoreApplication::quit();
  });
}

}  // namespace celforo::qt
