// Work that can wait until the window has been painted for the first time,
// so that the window shows as soon as it can.
#pragma once

#include <functional>

class QWidget;

namespace celforo::qt {

// Runs `then` once, when the first paint of `window` or of any widget in it
// has been delivered.
void AfterFirstPaint(QWidget* window, std::function<void()> then);

}  // namespace celforo::qt
