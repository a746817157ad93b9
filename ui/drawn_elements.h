// The two elements the program paints itself: the credit picture and the
// rectangle framing the results.
#pragma once

#include <QWidget>

namespace celforo {

// A 178 x 117 panel: a boxed monogram above five centred lines, grey on pale
// cyan. Painted at run time, so it stays sharp at any scale.
class CreditPicture : public QWidget {
  Q_OBJECT
public:
  static constexpr int kWidth = 178;
  static constexpr int kHeight = 117;

  explicit CreditPicture(QWidget* parent = nullptr);

  static QStringList lines();
  static QString monogram();
  // The rectangles the monogram and each line are drawn in.
  static QRect monogramBox();
  static QRect lineBox(int line);
  static QFont lineFont();

protected:
  void paintEvent(QPaintEvent* event) override;
};

// A rectangle outline, not filled, that lets every click through.
class RectangleShape : public QWidget {
  Q_OBJECT
public:
  RectangleShape(QColor colour, int lineWidth, QWidget* parent = nullptr);

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QColor colour_;
  int lineWidth_;
};

}  // namespace celforo
