#include "ui/drawn_elements.h"

#include <QPainter>
#include <QPen>

#include "calc/version.h"
#include "ui/qt_text.h"

namespace celforo {
namespace {

const QColor kInk(128, 128, 128);
const QColor kGround(187, 255, 255);
constexpr int kLineHeight = 15;
constexpr int kLinesTop = 40;

}  // namespace

CreditPicture::CreditPicture(QWidget* parent) : QWidget(parent) {
  setFixedSize(kWidth, kHeight);
  setFocusPolicy(Qt::NoFocus);
  setAccessibleName(QStringLiteral("CELFORO"));
  setAccessibleDescription(lines().join(QLatin1Char('\n')));
}

QStringList CreditPicture::lines() {
  return {QStringLiteral("CELFORO ") + ToQString(kVersion),
          QStringLiteral("fotografia al telescopio"), QStringLiteral("in proiezione d'oculare"),
          QStringLiteral("ingrandimento, focale"), QStringLiteral("e piano focale")};
}

QString CreditPicture::monogram() {
  return QStringLiteral("CF");
}

QRect CreditPicture::monogramBox() {
  return {kWidth / 2 - 22, 6, 44, 28};
}

QRect CreditPicture::lineBox(int line) {
  return {2, kLinesTop + line * kLineHeight, kWidth - 4, kLineHeight};
}

QFont CreditPicture::lineFont() {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(11);
  return font;
}

void CreditPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.fillRect(rect(), kGround);

  const QRect box = monogramBox();
  painter.setPen(QPen(kInk, 2));
  painter.drawRect(QRectF(box).adjusted(1, 1, -1, -1));
  QFont monogramFont = lineFont();
  monogramFont.setPixelSize(18);
  monogramFont.setBold(true);
  painter.setFont(monogramFont);
  painter.drawText(box, Qt::AlignCenter, monogram());

  painter.setFont(lineFont());
  const QStringList texts = lines();
  for (int line = 0; line < texts.size(); ++line) {
    painter.drawText(lineBox(line), Qt::AlignCenter, texts[line]);
  }
}

RectangleShape::RectangleShape(QColor colour, int lineWidth, QWidget* parent)
    : QWidget(parent), colour_(colour), lineWidth_(lineWidth) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

void RectangleShape::paintEvent(QPaintEvent*) {
  // The whole width of the line lies inside the rectangle.
  QPainter painter(this);
  const qreal half = lineWidth_ / 2.0;
  painter.setPen(QPen(colour_, lineWidth_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
}

}  // namespace celforo
