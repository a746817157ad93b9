// The elements the program paints itself: pictures, from their display
// lists, and the rectangle framing the results.
#pragma once

#include <QWidget>

#include "ui/display_list.h"
#include "ui/palette.h"

namespace celforo::qt {

// A picture box showing a display list, painted at run time so that it stays
// sharp at any scale; a screen reader reads the list's name and description.
class PictureView : public QWidget {
  Q_OBJECT
public:
  explicit PictureView(QWidget* parent = nullptr);

  const DisplayList& list() const { return list_; }
  void SetList(DisplayList list);
  void SetTheme(Theme theme);

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  DisplayList list_;
  Theme theme_ = Theme::Day;
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
