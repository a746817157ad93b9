// The program's modal messages: one OK button, an error's icon or the
// program's own, owned by a window and drawn in the windows' theme (by night
// with the program's own icons, which keep green and blue at 0).
#pragma once

#include <QWidget>
#include <string_view>

#include "ui/message_icon.h"
#include "ui/palette.h"

namespace celforo::qt {

// Shows the message and returns once it is answered: ShowMessage(window,
// Theme::Day, MessageKind::Error, "CELFORO", "Impostazione non salvata: ...").
void ShowMessage(QWidget* owner, Theme theme, MessageKind kind, std::string_view title,
                 std::string_view text);

}  // namespace celforo::qt
