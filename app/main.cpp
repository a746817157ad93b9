// Starts CELFORO: the application, its one window, the event loop.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "calc/version.h"
#include "qt/first_paint_probe.h"
#include "qt/form1_window.h"
#include "qt/qt_text.h"

namespace {

// Whether the toolkit has somewhere to open the window. On Linux and the
// other X11 and Wayland systems that needs a display, unless a platform was
// chosen (QT_QPA_PLATFORM, or "-platform" for the toolkit itself).
bool HasDisplay(int argc, char** argv) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return true;
  }
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "-platform") == 0) return true;
  }
  return false;
#else
  static_cast<void>(argc);
  static_cast<void>(argv);
  return true;
#endif
}

}  // namespace

int main(int argc, char** argv) {
  if (!HasDisplay(argc, argv)) {
    std::fputs(
        "celforo: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are unset)\n",
        stderr);
    return 1;
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("celforo"));
  QApplication::setApplicationVersion(celforo::qt::ToQString(celforo::kVersion));

  celforo::qt::Form1Window form1;
  celforo::qt::WatchFirstPaintIfAsked(&form1);
  form1.show();
  return QApplication::exec();
}
