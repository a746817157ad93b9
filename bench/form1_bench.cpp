// How long a keystroke in a box takes, clearing of the results included.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "qt/form1_window.h"

class Form1Bench : public QObject {
  Q_OBJECT

private slots:
  void keystrokeClearsResults() {
    celforo::qt::Form1Window form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* box = qobject_cast<QLineEdit*>(form.element(u"Text3"));
    auto* result = qobject_cast<QLabel*>(form.element(u"Label1"));
    box->setFocus();
    box->end(false);
    // Two keystrokes a round: a digit typed and taken back, each one an edit.
    QBENCHMARK {
      QTest::keyClick(box, Qt::Key_7);
      QTest::keyClick(box, Qt::Key_Backspace);
    }
    QVERIFY(result->text().isEmpty());
  }
};

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  Form1Bench bench;
  return QTest::qExec(&bench, argc, argv);
}

#include "form1_bench.moc"
