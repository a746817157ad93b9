// How long the window takes to answer: a keystroke in a box, clearing of the
// results included; and the worst a box can hold, a full box of random
// Unicode, then a keystroke, CALCOLA and the repaint.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
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

  void keystrokeAndCalcola_data() {
    QTest::addColumn<bool>("full");
    QTest::newRow("ordinary box") << false;
    QTest::newRow("full box of random Unicode") << true;
  }
  void keystrokeAndCalcola() {
    QFETCH(bool, full);
    celforo::qt::Form1Window form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* box = qobject_cast<QLineEdit*>(form.element(u"Text1"));
    auto* calcola = qobject_cast<QPushButton*>(form.element(u"Command1"));
    auto* result = qobject_cast<QLabel*>(form.element(u"Label2"));
    if (full) {
      // "2500", then any characters of the Basic Multilingual Plane but the
      // surrogates, to the box's limit less the one keystroke.
      QString text = QStringLiteral("2500");
      QRandomGenerator random(20261207);
      while (text.size() < box->maxLength() - 1) {
        const auto unit = static_cast<char16_t>(random.bounded(0x20, 0xD800));
        text.append(QChar(unit));
      }
      box->setText(text);
    }
    box->setFocus();
    box->end(false);
    QBENCHMARK {
      QTest::keyClick(box, Qt::Key_Backspace);
      QTest::keyClick(box, Qt::Key_7);
      QTest::mouseClick(calcola, Qt::LeftButton);
      form.repaint();
    }
    QVERIFY(!result->text().isEmpty());
  }
};

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  Form1Bench bench;
  return QTest::qExec(&bench, argc, argv);
}

#include "form1_bench.moc"
