// The window by night: a style sheet that draws its controls, its menus and
// its messages and file dialogs in the plain colours of a palette, where the platform's style
// would add its own greys and highlights; and the messages' icon.
#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>

#include "ui/message_icon.h"
#include "ui/palette.h"

namespace celforo::qt {

// For the window's top level: it reaches every widget in it, the menus and
// the message boxes the window owns.
QString NightStyleSheet(const Palette& palette);

// `icon` in shades of `ink`'s red alone, light to dark as it was: the
// toolkit's icons, a file dialog's folders, by night.
QIcon NightIcon(const QIcon& icon, QColor ink);

// The icon of a message, `logicalSize` pixels square at `pixelRatio`.
QPixmap MessageIconPixmap(MessageKind kind, const Palette& palette, int logicalSize,
                          qreal pixelRatio);

}  // namespace celforo::qt
