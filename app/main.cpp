// Starts CELFORO: the application, its one window, the event loop.
#include <QApplication>
#include <QByteArray>
#include <QList>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "calc/version.h"
#include "qt/first_paint_probe.h"
#include "qt/form1_window.h"
#include "qt/qt_text.h"
#include "qt/window_style.h"

namespace {

void SayNoDisplay(const char* why) {
  std::fprintf(stderr, "celforo: no display to open the window on (%s)\n", why);
}

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

// Qt's messages while the application starts are held back: a display that
// cannot be reached then ends the program with one clear line and status 1,
// not with the toolkit's fatal error and an abort. Once started, the held
// messages go out as they would have.
struct HeldMessage {
  QtMsgType type;
  QByteArray category;
  QString text;
};
QList<HeldMessage> heldMessages;
QtMessageHandler toolkitHandler = nullptr;

void HoldStartingMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg) {
    heldMessages.append({type, context.category, text});
    return;
  }
  // The toolkit's own reason, such as "could not connect to display :55".
  QString reason = text.section(QLatin1Char('\n'), 0, 0);
  for (const HeldMessage& held : heldMessages) {
    if (held.text.contains(QLatin1String("display"), Qt::CaseInsensitive)) {
      reason = held.text;
      break;
    }
  }
  SayNoDisplay(reason.toLocal8Bit().constData());
  std::_Exit(1);
}

void ReleaseHeldMessages() {
  qInstallMessageHandler(toolkitHandler);
  for (const HeldMessage& held : heldMessages) {
    const QMessageLogContext context(nullptr, 0, nullptr, held.category.constData());
    toolkitHandler(held.type, context, held.text);
  }
  heldMessages.clear();
}

}  // namespace

int main(int argc, char** argv) {
  if (!HasDisplay(argc, argv)) {
    SayNoDisplay("DISPLAY and WAYLAND_DISPLAY are unset");
    return 1;
  }
  toolkitHandler = qInstallMessageHandler(HoldStartingMessage);
  QApplication application(argc, argv);
  ReleaseHeldMessages();
  QApplication::setApplicationName(QStringLiteral("celforo"));
  QApplication::setApplicationVersion(celforo::qt::ToQString(celforo::kVersion));

  QApplication::setStyle(new celforo::qt::WindowStyle);
  celforo::qt::Form1Window form1;
  celforo::qt::WatchFirstPaintIfAsked(&form1);
  form1.show();
  return QApplication::exec();
}
