// The program's one window.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace celforo {

class RunTimeError;

class Form1 : public QWidget {
  Q_OBJECT
public:
  explicit Form1(QWidget* parent = nullptr);

  // An element by its name ("Text1", "Label8", ...), or null.
  QWidget* element(QStringView name) const;

private:
  void onForm1Load();
  void onText1Changed();
  void onText2Changed();
  void onText3Changed();
  void onCommand1Clicked();
  void onCommand2Clicked();

  // Reads the three boxes, computes, and sets the three results in order;
  // a RunTimeError leaves the results set before it in place.
  void CalculateAndShow();
  void ClearResults();

  // CalculateAndShow for the handlers: a RunTimeError is reported in a
  // message box, after which the window goes on with the user's texts.
  void CalculateAndShowOrReport();
  void ReportRunTimeError(const RunTimeError& error);
  void CentreOnScreen();

  QLineEdit* text1_ = nullptr;
  QLineEdit* text2_ = nullptr;
  QLineEdit* text3_ = nullptr;
  QLabel* label1_ = nullptr;
  QLabel* label2_ = nullptr;
  QLabel* label8_ = nullptr;
  QPushButton* command1_ = nullptr;
  QPushButton* command2_ = nullptr;
};

}  // namespace celforo
