#include "qt/labels.h"

#include <QPainter>
#include <QStyle>

namespace celforo::qt {

QString ProblemLine::shownText() const {
  return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

void ProblemLine::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const auto across = QStyle::visualAlignment(layoutDirection(), alignment());
  style()->drawItemText(&painter, contentsRect(), static_cast<int>(across.toInt()), palette(),
                        isEnabled(), shownText(), foregroundRole());
}

}  // namespace celforo::qt
