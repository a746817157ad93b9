#include "qt/message_box.h"

#include <QIcon>
#include <QMessageBox>
#include <QStyle>

#include "qt/night_style.h"
#include "qt/program_icon.h"
#include "qt/qt_text.h"

namespace celforo::qt {

void ShowMessage(QWidget* owner, Theme theme, MessageKind kind, std::string_view title,
                 std::string_view text) {
  QMessageBox box(QMessageBox::NoIcon, ToQString(title), ToQString(text), QMessageBox::Ok, owner);
  box.setTextFormat(Qt::PlainText);
  const int iconSize = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
  if (theme == Theme::Night) {
    // The platform's icons have their colours: at night the program's own.
    box.setIconPixmap(MessageIconPixmap(kind, PaletteOf(theme), iconSize, box.devicePixelRatioF()));
  } else if (kind == MessageKind::Error) {
    box.setIcon(QMessageBox::Critical);
  } else {
    box.setIconPixmap(ProgramIcon().pixmap(QSize(iconSize, iconSize), box.devicePixelRatioF()));
  }
  box.exec();
}

}  // namespace celforo::qt
