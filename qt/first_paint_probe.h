// For the start-up benchmark: when the environment variable
// CELFORO_BENCH_FIRST_PAINT is set, the program prints the wall-clock time of
// its window's first paint ("first-paint 1765102345123456789", nanoseconds
// since the epoch) on stderr and ends there. Otherwise it does nothing.
#pragma once

class QWidget;

namespace celforo::qt {

void WatchFirstPaintIfAsked(QWidget* window);

}  // namespace celforo::qt
