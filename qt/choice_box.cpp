#include "qt/choice_box.h"

#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace celforo::qt {

QRect ChoiceBox::textRoom(const QStyleOptionComboBox& option) const {
  // As the styles lay the label out: the edit field, a pixel in on each side.
  return style()
      ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this)
      .adjusted(1, 0, -1, 0);
}

qreal ChoiceBox::squeeze() const {
  QStyleOptionComboBox option;
  initStyleOption(&option);
  const int room = textRoom(option).width();
  const int wide = fontMetrics().horizontalAdvance(currentText());
  return wide > room && wide > 0 ? qreal(room) / wide : 1.0;
}

void ChoiceBox::paintEvent(QPaintEvent* event) {
  const qreal factor = squeeze();
  if (factor >= 1) {
    QComboBox::paintEvent(event);
    return;
  }
  QStylePainter painter(this);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  // The label alone, drawn by the style, in a room as much wider as the
  // painter is narrowed, from the room's left edge.
  const QRect room = textRoom(option);
  painter.translate(room.left(), 0);
  painter.scale(factor, 1);
  painter.translate(-room.left(), 0);
  option.rect.setWidth(qCeil(option.rect.width() / factor));
  painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

}  // namespace celforo::qt
