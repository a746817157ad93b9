// A text box whose caret can be drawn in a colour of the program's. The
// toolkit draws the caret by inverting what lies beneath it, which turns red
// on black into cyan and white: at night the box draws its own. A box can
// also be outlined, inside its frame, while what it holds cannot be used.
#pragma once

#include <QBasicTimer>
#include <QColor>
#include <QLineEdit>
#include <QProxyStyle>
#include <optional>

namespace celforo::qt {

class TextBox : public QLineEdit {
  Q_OBJECT
public:
  using QLineEdit::QLineEdit;

  // From now on the caret in `colour`, blinking as the platform's does; or,
  // with none, the toolkit's own caret again.
  void setCaretColour(std::optional<QColor> colour);

  // From now on a line two pixels wide in `colour` just inside the box's
  // edges; with none, no line.
  void setOutline(std::optional<QColor> colour);
  std::optional<QColor> outline() const { return outline_; }

protected:
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

private:
  // Lights the caret and starts its blinking afresh, as after each keystroke.
  void RestartBlinking();

  std::optional<QColor> caretColour_;
  std::optional<QColor> outline_;
  bool caretShown_ = true;
  QBasicTimer blink_;
};

}  // namespace celforo::qt
