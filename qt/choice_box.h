// A choice from a list whose chosen item is always shown whole: an item
// wider than the room beside the arrow is drawn narrowed to fit, never cut.
// The items of the planning panel's choices are the results' captions, and a
// few are wider than their choice in some fonts.
#pragma once

#include <QComboBox>

namespace celforo::qt {

class ChoiceBox : public QComboBox {
  Q_OBJECT
public:
  using QComboBox::QComboBox;

  // How much the chosen item is narrowed: 1 where it fits.
  qreal squeeze() const;

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  // The room the style gives the chosen item's text.
  QRect textRoom(const QStyleOptionComboBox& option) const;
};

}  // namespace celforo::qt
