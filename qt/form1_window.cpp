#include "qt/form1_window.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include "qt/drawn_elements.h"
#include "qt/qt_colour.h"
#include "qt/qt_text.h"
#include "ui/credit_picture_content.h"
#include "ui/form1_layout.h"

namespace celforo::qt {
namespace {

QRect Geometry(const ElementRecord& record) {
  return {TwipsToPixels(record.left), TwipsToPixels(record.top), TwipsToPixels(record.width),
          TwipsToPixels(record.height)};
}

QFont ElementFont(double pointSize) {
  static const bool substituted = [] {
    QStringList substitutes;
    for (const std::string_view family : kFontSubstitutes) substitutes << ToQString(family);
    QFont::insertSubstitutions(ToQString(kFontFamily), substitutes);
    return true;
  }();
  static_cast<void>(substituted);
  QFont font(ToQString(kFontFamily));
  font.setPointSizeF(pointSize);
  font.setWeight(QFont::Bold);
  return font;
}

void SetBackground(QWidget* widget, Rgb colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, ToQColor(colour));
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

QLabel* MakeLabel(const ElementRecord& record, QWidget* parent) {
  auto* label = new QLabel(ToQString(record.caption), parent);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(false);
  if (record.kind == ElementKind::ResultLabel) {
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    SetBackground(label, kResultBackground);
    // Selectable and copyable with the mouse, but never in the Tab chain.
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setAccessibleDescription(ToQString(record.meaning));
  } else {
    // The window's colour, shown through rather than painted, so that a label
    // reaching the frame's edge does not cut the frame.
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, ToQColor(kForm1.background));
    label->setPalette(palette);
    label->setAutoFillBackground(false);
  }
  label->setFocusPolicy(Qt::NoFocus);
  return label;
}

QWidget* MakeElement(const ElementRecord& record, QWidget* parent) {
  switch (record.kind) {
    case ElementKind::TextBox: {
      auto* box = new QLineEdit(ToQString(record.caption), parent);
      box->setAlignment(Qt::AlignCenter);
      box->setMaxLength(kBoxCharacters);
      box->setAccessibleName(ToQString(record.meaning));
      return box;
    }
    case ElementKind::PushButton: {
      auto* button = new QPushButton(ToQString(record.caption), parent);
      button->setAutoDefault(false);
      button->setDefault(false);
      return button;
    }
    case ElementKind::CaptionLabel:
    case ElementKind::ResultLabel: return MakeLabel(record, parent);
    case ElementKind::PictureBox: {
      auto* picture = new PictureView(parent);
      picture->SetList(CreditPictureDisplayList());
      return picture;
    }
    case ElementKind::Rectangle:
      return new RectangleShape(ToQColor(kFrameColour), kFrameWidth, parent);
    case ElementKind::Choice:
    case ElementKind::DateTimeField:
    case ElementKind::ProblemLabel: break;  // only in the planning panel
  }
  return nullptr;
}

}  // namespace

Form1Window::Form1Window(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(ToQString(kForm1.name));
  setWindowTitle(ToQString(kForm1.title));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setFixedSize(TwipsToPixels(kForm1.clientWidth), TwipsToPixels(kForm1.clientHeight));
  SetBackground(this, kForm1.background);
  QIcon icon(QStringLiteral(":/celforo/icons/celforo-48.png"));
  icon.addFile(QStringLiteral(":/celforo/icons/celforo-256.png"));
  setWindowIcon(icon);

  QWidget* previousInTabOrder = nullptr;
  for (ElementId id = 0; id < kForm1Elements.size(); ++id) {
    const ElementRecord& record = kForm1Elements[id];
    QWidget* widget = MakeElement(record, this);
    widget->setObjectName(ToQString(record.name));
    widget->setGeometry(Geometry(record));
    if (record.fontSize > 0) widget->setFont(ElementFont(record.fontSize));
    if (record.kind == ElementKind::Rectangle) widget->lower();  // beneath what it frames
    if (widget->focusPolicy() & Qt::TabFocus) {
      if (previousInTabOrder) setTabOrder(previousInTabOrder, widget);
      previousInTabOrder = widget;
    }
    elements_[id] = widget;
  }
  DeliverEvents();

  form1_.onForm1Load();
  CentreOnScreen();
  elements_[kText1]->setFocus(Qt::OtherFocusReason);
}

QWidget* Form1Window::element(QStringView name) const {
  return findChild<QWidget*>(name.toString(), Qt::FindDirectChildrenOnly);
}

void Form1Window::DeliverEvents() {
  for (const Form1Handler& handler : kForm1Handlers) {
    const auto handle = [this, handle = handler.handle] { (form1_.*handle)(); };
    QWidget* widget = elements_[handler.element];
    switch (handler.event) {
      case Form1Event::Change:
        connect(static_cast<QLineEdit*>(widget), &QLineEdit::textChanged, this, handle);
        break;
      case Form1Event::Click:
        connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this, handle);
        break;
    }
  }
}

std::string Form1Window::Text(ElementId box) const {
  return static_cast<const QLineEdit*>(elements_[box])->text().toStdString();
}

void Form1Window::SetText(ElementId box, std::string_view text) {
  static_cast<QLineEdit*>(elements_[box])->setText(ToQString(text));
}

void Form1Window::SetCaption(ElementId label, std::string_view caption) {
  static_cast<QLabel*>(elements_[label])->setText(ToQString(caption));
}

void Form1Window::ShowErrorMessage(std::string_view title, std::string_view text) {
  QMessageBox box(QMessageBox::Critical, ToQString(title), ToQString(text), QMessageBox::Ok, this);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

void Form1Window::EndProgram() {
  close();
  QCoreApplication::quit();
}

void Form1Window::CentreOnScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  // Frame sizes are known only once the window system has shown the window,
  // so it is the client area that is centred.
  QRect client(QPoint(), size());
  client.moveCenter(screen->availableGeometry().center());
  setGeometry(client);
}

}  // namespace celforo::qt
