#include "ui/form1.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <limits>

#include "calc/numeric_text.h"
#include "calc/projection.h"
#include "calc/run_time_error.h"
#include "ui/drawn_elements.h"
#include "ui/form1_layout.h"
#include "ui/qt_text.h"

namespace celforo {
namespace {

QColor ToQColor(Rgb rgb) {
  return {rgb.red, rgb.green, rgb.blue};
}

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
      box->setMaxLength(std::numeric_limits<int>::max());
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
    case ElementKind::PictureBox: return new CreditPicture(parent);
    case ElementKind::Rectangle:
      return new RectangleShape(ToQColor(kFrameColour), kFrameWidth, parent);
  }
  return nullptr;
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent, Qt::Window) {
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
  for (const ElementRecord& record : kForm1Elements) {
    QWidget* widget = MakeElement(record, this);
    widget->setObjectName(ToQString(record.name));
    widget->setGeometry(Geometry(record));
    if (record.fontSize > 0) widget->setFont(ElementFont(record.fontSize));
    if (record.kind == ElementKind::Rectangle) widget->lower();  // beneath what it frames
    if (widget->focusPolicy() & Qt::TabFocus) {
      if (previousInTabOrder) setTabOrder(previousInTabOrder, widget);
      previousInTabOrder = widget;
    }
  }
  text1_ = findChild<QLineEdit*>(QStringLiteral("Text1"));
  text2_ = findChild<QLineEdit*>(QStringLiteral("Text2"));
  text3_ = findChild<QLineEdit*>(QStringLiteral("Text3"));
  label1_ = findChild<QLabel*>(QStringLiteral("Label1"));
  label2_ = findChild<QLabel*>(QStringLiteral("Label2"));
  label8_ = findChild<QLabel*>(QStringLiteral("Label8"));
  command1_ = findChild<QPushButton*>(QStringLiteral("Command1"));
  command2_ = findChild<QPushButton*>(QStringLiteral("Command2"));

  connect(text1_, &QLineEdit::textChanged, this, &Form1::onText1Changed);
  connect(text2_, &QLineEdit::textChanged, this, &Form1::onText2Changed);
  connect(text3_, &QLineEdit::textChanged, this, &Form1::onText3Changed);
  connect(command1_, &QPushButton::clicked, this, &Form1::onCommand1Clicked);
  connect(command2_, &QPushButton::clicked, this, &Form1::onCommand2Clicked);

  onForm1Load();
  CentreOnScreen();
  text1_->setFocus(Qt::OtherFocusReason);
}

QWidget* Form1::element(QStringView name) const {
  return findChild<QWidget*>(name.toString(), Qt::FindDirectChildrenOnly);
}

void Form1::onForm1Load() {
  text1_->setText(ToQString(SignedNumberText(2500)));
  text2_->setText(ToQString(SignedNumberText(5)));
  text3_->setText(ToQString(SignedNumberText(3)));
  CalculateAndShowOrReport();
}

void Form1::onText1Changed() {
  ClearResults();
}
void Form1::onText2Changed() {
  ClearResults();
}
void Form1::onText3Changed() {
  ClearResults();
}

void Form1::onCommand1Clicked() {
  CalculateAndShowOrReport();
}

void Form1::onCommand2Clicked() {
  close();
  QCoreApplication::quit();
}

void Form1::CalculateAndShow() {
  const ProjectionInputs inputs{ReadNumber(text1_->text().toStdString()),
                                ReadNumber(text2_->text().toStdString()),
                                ReadNumber(text3_->text().toStdString())};
  const ProjectionResults results = ComputeProjection(inputs);
  label1_->setText(ToQString(ResultText(results.magnification)));
  label2_->setText(ToQString(ResultText(results.equivalentFocalLength)));
  label8_->setText(ToQString(ResultText(results.focalPlaneDistance)));
}

void Form1::ClearResults() {
  label1_->clear();
  label2_->clear();
  label8_->clear();
}

void Form1::CalculateAndShowOrReport() {
  try {
    CalculateAndShow();
  } catch (const RunTimeError& error) {
    ReportRunTimeError(error);
  }
}

void Form1::ReportRunTimeError(const RunTimeError& error) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("CELFORO"), ToQString(error.report()),
                  QMessageBox::Ok, this);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

void Form1::CentreOnScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  // Frame sizes are known only once the window system has shown the window,
  // so it is the client area that is centred.
  QRect client(QPoint(), size());
  client.moveCenter(screen->availableGeometry().center());
  setGeometry(client);
}

}  // namespace celforo
