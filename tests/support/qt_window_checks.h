// What the Qt window tests check of what a window draws: pixels that night
// mode never draws, red ones, and texts too wide or tall for their element.
#pragma once

#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

namespace celforo::testing {

// Pixels with any green or blue: what night mode never draws.
inline int NotNightPixels(const QImage& picture) {
  const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      count += qAlpha(pixel) > 0 && (qGreen(pixel) > 0 || qBlue(pixel) > 0);
    }
  return count;
}

inline int RedPixels(const QImage& picture) {
  const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += qRed(image.pixel(x, y)) > 128;
  return count;
}

// Why `text` in `widget`'s font does not fit in `room`, or nothing where it does.
inline QString TextOverflow(const QWidget* widget, const QString& text, QRect room) {
  const QFontMetrics metrics(widget->font());
  if (metrics.horizontalAdvance(text) <= room.width() && metrics.height() <= room.height())
    return {};
  return QStringLiteral("%1 \"%2\": %3x%4 in %5x%6")
      .arg(widget->objectName(), text)
      .arg(metrics.horizontalAdvance(text))
      .arg(metrics.height())
      .arg(room.width())
      .arg(room.height());
}

// The room a box's style gives its text.
inline QRect TextRoom(const QLineEdit* box) {
  QStyleOptionFrame option;
  option.initFrom(box);
  option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
  return box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
}

// The room a button's style gives its caption.
inline QRect TextRoom(const QPushButton* button) {
  QStyleOptionButton option;
  option.initFrom(button);
  return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
}

}  // namespace celforo::testing
