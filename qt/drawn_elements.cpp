#include "qt/drawn_elements.h"

#include <QPainter>
#include <QPen>

#include "qt/element_fonts.h"
#include "qt/qt_colour.h"
#include "qt/qt_text.h"
#include "ui/credit_picture.h"

namespace celforo::qt {
namespace {

QRect ToQRect(PixelRect rect) {
  return {rect.left, rect.top, rect.width, rect.height};
}

}  // namespace

CreditPicture::CreditPicture(QWidget* parent) : QWidget(parent) {
  setFixedSize(kCreditPicture.width, kCreditPicture.height);
  setFocusPolicy(Qt::NoFocus);
  setAccessibleName(ToQString(kCreditPicture.name));
  setAccessibleDescription(lines().join(QLatin1Char('\n')));
}

QStringList CreditPicture::lines() {
  QStringList texts;
  for (const std::string_view line : kCreditPicture.lines) texts << ToQString(line);
  return texts;
}

QFont CreditPicture::lineFont() {
  QFont font(ElementFontFamily());  // kCreditPicture.fontFamily, or its substitute
  font.setPixelSize(kCreditPicture.lineFontPixels);
  return font;
}

void CreditPicture::setColours(const Palette& palette) {
  palette_ = &palette;
  update();
}

void CreditPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.fillRect(rect(), ToQColor(Colour(*palette_, Role::PictureGround)));

  const QRect box = ToQRect(kCreditPicture.monogramBox);
  const qreal inset = kCreditPicture.monogramPen / 2.0;
  painter.setPen(QPen(ToQColor(Colour(*palette_, Role::PictureInk)), kCreditPicture.monogramPen));
  painter.drawRect(QRectF(box).adjusted(inset, inset, -inset, -inset));
  QFont monogramFont = lineFont();
  monogramFont.setPixelSize(kCreditPicture.monogramFontPixels);
  monogramFont.setBold(true);
  painter.setFont(monogramFont);
  painter.drawText(box, Qt::AlignCenter, ToQString(kCreditPicture.monogram));

  painter.setFont(lineFont());
  for (int line = 0; line < static_cast<int>(kCreditPicture.lines.size()); ++line) {
    painter.drawText(ToQRect(kCreditPicture.LineBox(line)), Qt::AlignCenter,
                     ToQString(kCreditPicture.lines[static_cast<std::size_t>(line)]));
  }
}

RectangleShape::RectangleShape(QColor colour, int lineWidth, QWidget* parent)
    : QWidget(parent), colour_(colour), lineWidth_(lineWidth) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

void RectangleShape::setColour(QColor colour) {
  colour_ = colour;
  update();
}

void RectangleShape::paintEvent(QPaintEvent*) {
  // The whole width of the line lies inside the rectangle.
  QPainter painter(this);
  const qreal half = lineWidth_ / 2.0;
  painter.setPen(QPen(colour_, lineWidth_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
}

}  // namespace celforo::qt
