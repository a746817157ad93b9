#include "qt/labels.h"

#include <QPainter>
#include <QStyle>

namespace celforo::qt {

QString ProblemLine::shownText() const {
  return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

void ProblemLine::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  style()->drawItemText(&painter, contentsRect(),
                        QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                        isEnabled(), shownText(), foregroundRole());
}

}  // namespace celforo::qt
