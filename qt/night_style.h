// The window by night: a style sheet that draws its controls, its menus and
// its messages in the plain colours of a palette, where the platform's style
// would add its own greys and highlights; and the messages' icon.
#pragma once

#include <QPixmap>
#include <QString>

#include "ui/message_icon.h"
#include "ui/palette.h"

namespace celforo::qt {

// For the window's top level: it reaches every widget in it, the menus and
// the message boxes the window owns.
QString NightStyleSheet(const Palette& palette);

// The icon of a message, `logicalSize` pixels square at `pixelRatio`.
QPixmap MessageIconPixmap(MessageKind kind, const Palette& palette, int logicalSize,
                          qreal pixelRatio);

}  // namespace celforo::qt
