// The labels of the forms: a caption, which may label a field or a result
// (its buddy); a result, whose text assistive tools read as text; and a
// problem line, which says what is wrong with an input in the room it has.
// Each has its own class so that its accessible description, made when it is
// first asked for, can be the one of its kind (see accessibility.h).
#pragma once

#include <QLabel>

namespace celforo::qt {

// A caption: the text of a form, or the name of the field or result that is
// its buddy.
class CaptionLabel : public QLabel {
  Q_OBJECT
public:
  using QLabel::QLabel;
};

// A result of a calculation: framed, selectable with the mouse, never in the
// Tab chain.
class ResultLabel : public QLabel {
  Q_OBJECT
public:
  using QLabel::QLabel;
};

// One line of text cut short with "…" where it is wider than the line, so
// that nothing is drawn beyond it; text() and assistive tools keep it whole.
class ProblemLine : public QLabel {
  Q_OBJECT
public:
  using QLabel::QLabel;

  // The text as drawn.
  QString shownText() const;

protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace celforo::qt
