// The two elements the program paints itself: the credit picture and the
// rectangle framing the results.
#pragma once

#include <QWidget>

#include "ui/palette.h"

namespace celforo::qt {

// The credit panel of kCreditPicture, painted at run time so that it stays
// sharp at any scale.
class CreditPicture : public QWidget {
  Q_OBJECT
public:
  explicit CreditPicture(QWidget* parent = nullptr);

  static QStringList lines();
  static QFont lineFont();

  // Paints from now on in `palette`'s picture colours.
  void setColours(const Palette& palette);

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  const Palette* palette_ = &kDayPalette;
};

// A rectangle outline, not filled, that lets every click through.
class RectangleShape : public QWidget {
  Q_OBJECT
public:
  RectangleShape(QColor colour, int lineWidth, QWidget* parent = nullptr);

  void setColour(QColor colour);

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QColor colour_;
  int lineWidth_;
};

}  // namespace celforo::qt
