#include "qt/text_box.h"

#include <QApplication>
#include <QPainter>
#include <QPen>
#include <QTimerEvent>

namespace celforo::qt {
namespace {

// The style the box takes while it draws its own caret: the application's,
// with a toolkit caret of no width.
class NoCaretStyle : public QProxyStyle {
public:
  NoCaretStyle() : QProxyStyle(QApplication::style()->name()) {}

  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    if (metric == PM_TextCursorWidth) return 0;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};

QStyle* NoCaret() {
  static QStyle* const style = [] {
    QStyle* created = new NoCaretStyle;
    created->setParent(qApp);  // goes with the application
    return created;
  }();
  return style;
}

}  // namespace

void TextBox::setCaretColour(std::optional<QColor> colour) {
  caretColour_ = colour;
  setStyle(colour ? NoCaret() : nullptr);
  RestartBlinking();
}

void TextBox::setOutline(std::optional<QColor> colour) {
  if (colour == outline_) return;
  outline_ = colour;
  update();
}

void TextBox::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  if (outline_) {
    QPainter painter(this);
    painter.setPen(QPen(*outline_, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  }
  if (!caretColour_ || !hasFocus() || !caretShown_ || isReadOnly()) return;
  QPainter painter(this);
  const QRect around = cursorRect();
  // The toolkit's caret: one pixel wide, in the middle of its rectangle.
  painter.fillRect(QRect(around.center().x(), around.top(), 1, around.height()), *caretColour_);
}

void TextBox::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  RestartBlinking();
}

void TextBox::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  blink_.stop();
}

void TextBox::keyPressEvent(QKeyEvent* event) {
  QLineEdit::keyPressEvent(event);
  RestartBlinking();
}

void TextBox::mousePressEvent(QMouseEvent* event) {
  QLineEdit::mousePressEvent(event);
  RestartBlinking();
}

void TextBox::timerEvent(QTimerEvent* event) {
  if (event->timerId() != blink_.timerId()) {
    QLineEdit::timerEvent(event);
    return;
  }
  caretShown_ = !caretShown_;
  update(cursorRect());
}

void TextBox::RestartBlinking() {
  caretShown_ = true;
  blink_.stop();
  const int flash = QApplication::cursorFlashTime();
  if (caretColour_ && hasFocus() && flash > 0) blink_.start(flash / 2, this);
  update();
}

}  // namespace celforo::qt
