#include "qt/form_elements.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "qt/choice_box.h"
#include "qt/drawn_elements.h"
#include "qt/element_fonts.h"
#include "qt/labels.h"
#include "qt/qt_colour.h"
#include "qt/qt_text.h"
#include "qt/text_box.h"

namespace celforo::qt {
namespace {

// What the date-time field shows while it is empty: year, month, day, hour
// and minute, in the order it is read.
constexpr std::string_view kDateTimePattern = "AAAA-MM-GG HH:MM";

QRect Geometry(const ElementRecord& record) {
  return {TwipsToPixels(record.left), TwipsToPixels(record.top), TwipsToPixels(record.width),
          TwipsToPixels(record.height)};
}

// Boxes and results show numbers, and their font is the one that shapes only
// what needs it (see BoxFont); captions, buttons and choices are shaped as ever.
QFont FontOf(const ElementRecord& record) {
  const bool showsValues = record.kind == ElementKind::TextBox ||
                           record.kind == ElementKind::ResultLabel ||
                           record.kind == ElementKind::DateTimeField;
  return showsValues ? BoxFont(record.fontSize) : ElementFont(record.fontSize);
}

Qt::Alignment Across(const ElementRecord& record) {
  return record.align == TextAlign::Left ? Qt::AlignLeft : Qt::AlignHCenter;
}

QLabel* MakeLabel(const FormRecord& form, const ElementRecord& record, QWidget* parent) {
  QLabel* label = nullptr;
  switch (record.kind) {
    case ElementKind::ResultLabel: label = new ResultLabel(parent); break;
    case ElementKind::ProblemLabel: label = new ProblemLine(parent); break;
    default: label = new CaptionLabel(parent); break;
  }
  label->setText(ToQString(record.caption));
  label->setAlignment(Across(record) | Qt::AlignTop);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(false);
  if (record.kind == ElementKind::ResultLabel) {
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    SetBackground(label, kResultBackground);
    // Selectable and copyable with the mouse, but never in the Tab chain.
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  } else {
    // The window's colour, shown through rather than painted, so that a label
    // reaching the frame's edge does not cut the frame.
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, ToQColor(form.background));
    label->setPalette(palette);
    label->setAutoFillBackground(false);
  }
  label->setFocusPolicy(Qt::NoFocus);
  return label;
}

TextBox* MakeBox(const ElementRecord& record, QWidget* parent) {
  auto* box = new TextBox(ToQString(record.caption), parent);
  box->setAlignment(Qt::AlignCenter);
  box->setMaxLength(kBoxCharacters);
  box->setAccessibleName(ToQString(record.meaning));
  return box;
}

QComboBox* MakeChoice(const ElementRecord& record, QWidget* parent) {
  auto* choice = new ChoiceBox(parent);
  choice->addItems(ToQString(record.caption).split(QLatin1Char('\n')));
  choice->setAccessibleName(ToQString(record.meaning));
  return choice;
}

QWidget* MakeWidget(const FormRecord& form, const ElementRecord& record, QWidget* parent) {
  switch (record.kind) {
    case ElementKind::TextBox: return MakeBox(record, parent);
    case ElementKind::DateTimeField: {
      TextBox* box = MakeBox(record, parent);
      box->setPlaceholderText(ToQString(kDateTimePattern));
      return box;
    }
    case ElementKind::PushButton: {
      auto* button = new QPushButton(ToQString(record.caption), parent);
      button->setAutoDefault(false);
      button->setDefault(false);
      return button;
    }
    case ElementKind::CaptionLabel:
    case ElementKind::ResultLabel:
    case ElementKind::ProblemLabel: return MakeLabel(form, record, parent);
    case ElementKind::Choice: return MakeChoice(record, parent);
    case ElementKind::PictureBox: return new PictureView(parent);
    case ElementKind::Rectangle:
      return new RectangleShape(ToQColor(kFrameColour), kFrameWidth, parent);
  }
  return nullptr;
}

}  // namespace

void SetBackground(QWidget* widget, Rgb colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, ToQColor(colour));
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

QWidget* MakeElement(const FormRecord& form, const ElementRecord& record, QWidget* client,
                     QWidget*& previousInTabOrder) {
  QWidget* widget = MakeWidget(form, record, client);
  widget->setObjectName(ToQString(record.name));
  widget->setGeometry(Geometry(record));
  if (record.fontSize > 0) widget->setFont(FontOf(record));
  if (record.kind == ElementKind::Rectangle) widget->lower();  // beneath what it frames
  if (widget->focusPolicy() & Qt::TabFocus) {
    if (previousInTabOrder) QWidget::setTabOrder(previousInTabOrder, widget);
    previousInTabOrder = widget;
  }
  return widget;
}

}  // namespace celforo::qt
