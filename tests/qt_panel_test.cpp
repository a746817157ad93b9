// The planning panel in the Qt window, on the offscreen platform, driven by
// accessible names as assistive tools drive it (QAccessible, which AT-SPI
// carries to other processes): its results held to celforo-calc's, ADATTA,
// bad input named beside its field, its inputs kept between runs, its window
// opened beside Form1 only when asked for, its Tab order, night mode's
// pixels, STRUMENTI kept between runs, the set-up's files and the exported
// picture through the file dialogs; and the pictures the README shows.
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>

#include "qt/choice_box.h"
#include "qt/display_list_painter.h"
#include "qt/drawn_elements.h"
#include "qt/form1_window.h"
#include "qt/form2_window.h"
#include "qt/labels.h"
#include "qt/panel_files.h"
#include "qt/qt_text.h"
#include "qt/settings_store.h"
#include "qt/text_box.h"
#include "tests/support/qt_window_checks.h"
#include "tests/support/test_locale.h"
#include "ui/form2_layout.h"
#include "ui/form2_reading.h"
#include "ui/panel_placement.h"
#include "ui/svg_writer.h"

namespace celforo::qt {
namespace {

using testing::NotNightPixels;
using testing::RedPixels;
using testing::TextOverflow;
using testing::TextRoom;

// The results, the set-up's and the target's, then the sky's from the site.
const QStringList kResultNames{"RAPPORTO FOCALE",
                               "SCALA (ARCSEC/PIXEL)",
                               "CAMPO ORIZZ. (ARCMIN)",
                               "CAMPO VERT. (ARCMIN)",
                               "DIAMETRO (ARCSEC)",
                               "DIAMETRO (PIXEL)",
                               "ANELLI (ARCSEC)",
                               "CAMPIONAMENTO (Q)",
                               "RIPRESA MAX (S)",
                               "ALTEZZA (GRADI)",
                               "AZIMUT (GRADI)",
                               "MASSA D'ARIA",
                               "DISPERSIONE (PIXEL)",
                               "SORGE",
                               "TRANSITA",
                               "TRAMONTA",
                               "MIGLIORE ORA"};

// A column of celforo-calc as the panel shows it: an instant,
// "2026-12-07T21:22+01:00", as its local time alone; a column not printed
// as an empty result.
QString AsShown(const std::map<QString, QString>& columns, const QString& name) {
  const auto found = columns.find(name);
  if (found == columns.end()) return {};
  const QString& column = found->second;
  static const QRegularExpression instant(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT(\\d\\d:\\d\\d)"));
  const QRegularExpressionMatch match = instant.match(column);
  return match.hasMatch() ? match.captured(1) : column;
}

// Every element of `root`'s tree, in reading order.
void Walk(QAccessibleInterface* root, QList<QAccessibleInterface*>& into) {
  into << root;
  for (int i = 0; i < root->childCount(); ++i)
    if (QAccessibleInterface* child = root->child(i)) Walk(child, into);
}

// The one element under `window` of this accessible name and role.
QAccessibleInterface* Named(QWidget* window, const QString& name,
                            QAccessible::Role role = QAccessible::NoRole) {
  QList<QAccessibleInterface*> all;
  Walk(QAccessible::queryAccessibleInterface(window), all);
  QList<QAccessibleInterface*> found;
  for (QAccessibleInterface* node : all)
    if (node->text(QAccessible::Name) == name &&
        (role == QAccessible::NoRole || node->role() == role))
      found << node;
  if (found.size() != 1)
    qFatal("%d elements named %s", static_cast<int>(found.size()), qPrintable(name));
  return found[0];
}

QString TextOf(QAccessibleInterface* node) {
  QAccessibleTextInterface* text = node->textInterface();
  if (text == nullptr) qFatal("%s has no text", qPrintable(node->text(QAccessible::Name)));
  return text->text(0, text->characterCount());
}

// Types into a field, or chooses in a choice by the item's action.
void SetField(QWidget* panel, const QString& name, const QString& value,
              const QString& action = QAccessibleActionInterface::toggleAction()) {
  QAccessibleInterface* field = Named(panel, name);
  if (field->role() == QAccessible::ComboBox) {
    QAccessibleInterface* list = field->child(0);
    for (int i = 0; i < list->childCount(); ++i)
      if (list->child(i)->text(QAccessible::Name) == value)
        list->child(i)->actionInterface()->doAction(action);
  } else {
    QAccessibleTextInterface* text = field->textInterface();
    field->editableTextInterface()->replaceText(0, text->characterCount(), value);
  }
  if (TextOf(field) != value) qFatal("%s reads %s", qPrintable(name), qPrintable(TextOf(field)));
}

void Press(QWidget* window, const QString& name) {
  Named(window, name, QAccessible::Button)
      ->actionInterface()
      ->doAction(QAccessibleActionInterface::pressAction());
}

std::map<QString, QString> Results(QWidget* panel) {
  std::map<QString, QString> results;
  for (const QString& name : kResultNames)
    results[name] = TextOf(Named(panel, name, QAccessible::StaticText));
  return results;
}

// What celforo-calc prints for a set-up, by its columns' captions.
std::map<QString, QString> CalcColumns(const QStringList& arguments) {
  QProcess calc;
  calc.start(QStringLiteral(CELFORO_CALC), QStringList{"--tsv", "--header"} + arguments);
  if (!calc.waitForFinished(20000) || calc.exitCode() != 0)
    qFatal("celforo-calc %s failed", qPrintable(arguments.join(' ')));
  const QStringList lines = QString::fromUtf8(calc.readAllStandardOutput()).split('\n');
  const QStringList captions = lines.value(0).split('\t'), values = lines.value(1).split('\t');
  std::map<QString, QString> columns;
  for (qsizetype i = 0; i < captions.size(); ++i) columns[captions[i]] = values.value(i);
  return columns;
}

void Show(QWidget& window) {
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
}

// Opens the panel from the menu and waits for it.
Form2Window* OpenPanel(Form1Window& form) {
  form.menuAction(MenuCommand::Panel)->trigger();
  Form2Window* panel = form.panel();
  if (panel == nullptr || !QTest::qWaitForWindowExposed(panel)) qFatal("no panel");
  return panel;
}

// Form1's boxes set and computed.
void Calcola(Form1Window& form, const QStringList& boxes) {
  for (int i = 0; i < 3; ++i)
    static_cast<QLineEdit*>(form.element(QStringLiteral("Text%1").arg(i + 1)))->setText(boxes[i]);
  static_cast<QPushButton*>(form.element(u"Command1"))->click();
}

// The settings file a window uses, emptied.
QString FreshSettings() {
  const QString path = SettingsFile().fileName();
  QDir().mkpath(QFileInfo(path).path());
  QFile::remove(path);
  return path;
}

// Answers the next modal window of type Modal (a file dialog, a message)
// once it shows, and again until it has closed: a file dialog still reading
// its folder may not take the first answer.
template <typename Modal>
void WhenShows(std::function<void(Modal*)> answer) {
  auto* poll = new QTimer;
  poll->setInterval(50);
  QObject::connect(poll, &QTimer::timeout, [poll, answer] {
    auto* modal = qobject_cast<Modal*>(QApplication::activeModalWidget());
    if (modal == nullptr || !modal->isVisible()) return;
    answer(modal);
    if (modal->isVisible()) return;
    poll->stop();
    poll->deleteLater();
  });
  poll->start();
}

// Chooses `path` in the next file dialog, under the filter `filter` (the
// first when empty), and keeps the filters it offered in `offered` and how
// it looked in `seen`.
void ChooseInNextFileDialog(const QString& path, QStringList* offered = nullptr,
                            const QString& filter = {}, QImage* seen = nullptr) {
  WhenShows<QFileDialog>([=](QFileDialog* dialog) {
    if (offered != nullptr) *offered = dialog->nameFilters();
    if (seen != nullptr) {
      // Its name box's caret aside, which Qt draws by inverting what lies
      // under it: the box is looked at without its caret's column.
      const QLineEdit* box = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      *seen = dialog->grab().toImage();
      const QRect caret = box->inputMethodQuery(Qt::ImCursorRectangle).toRect();
      QPainter cover(seen);
      cover.fillRect(QRect(box->mapTo(dialog, caret.topLeft()), caret.size()).adjusted(-2, 0, 2, 0),
                     Qt::black);
    }
    if (!filter.isEmpty()) {
      // As the user's choice in the dialog's list of types tells it.
      dialog->selectNameFilter(filter);
      emit dialog->filterSelected(filter);
    }
    // The folder first (the dialog opens where it was last), then the name
    // typed in its box.
    dialog->setDirectory(QFileInfo(path).path());
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (name == nullptr) qFatal("a file dialog without its name box");
    name->setText(QFileInfo(path).fileName());
    static_cast<QDialog*>(dialog)->accept();  // QFileDialog's own, by its base
  });
}

// What the next message says, its title first, once it is answered with OK.
void ReadNextMessage(QStringList& said) {
  WhenShows<QMessageBox>([&said](QMessageBox* box) {
    said = {box->windowTitle(), box->text()};
    box->button(QMessageBox::Ok)->click();
  });
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(path));
  return file.readAll();
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
    qFatal("cannot write %s", qPrintable(path));
}

// The texts of a choice's items.
QStringList Items(QWidget* panel, const QString& name) {
  auto* choice = static_cast<QComboBox*>(Named(panel, name)->object());
  QStringList items;
  for (int i = 0; i < choice->count(); ++i) items << choice->itemText(i);
  return items;
}

}  // namespace

class QtPanelTest : public QObject {
  Q_OBJECT

private slots:
  void init() { FreshSettings(); }

  // Nothing of the panel exists until it is first opened; then it opens as
  // its own window of the table's size, beside Form1 on the screen, and F2
  // hides and shows it from either window; closing it hides it.
  void opensBesideForm1OnlyWhenAsked() {
    Form1Window form;
    Show(form);
    QVERIFY(form.panel() == nullptr);
    QVERIFY(form.findChildren<Form2Window*>().isEmpty());
    QVERIFY(form.findChildren<QComboBox*>().isEmpty());
    QAction* item = form.menuAction(MenuCommand::Panel);
    QCOMPARE(item->text(), QStringLiteral("&PIANIFICAZIONE"));
    QCOMPARE(item->shortcut(), QKeySequence(Qt::Key_F2));
    QCOMPARE(form.menuBar()->actions()[1]->menu()->actions().indexOf(item), 0);

    QTest::keyClick(form.windowHandle(), Qt::Key_F2);
    Form2Window* panel = form.panel();
    QVERIFY(panel != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(panel));
    QVERIFY(panel->isWindow());
    QCOMPARE(panel->windowTitle(), QStringLiteral("PIANIFICAZIONE"));
    QCOMPARE(panel->size(), QSize(674, 698));
    QCOMPARE(panel->minimumSize(), panel->maximumSize());
    QCOMPARE(QApplication::focusWidget(), panel->element(u"Text4"));
    const QRect screen = form.screen()->availableGeometry();
    const QRect main = form.frameGeometry();
    const ScreenPoint place =
        PanelPlace({screen.x(), screen.y(), screen.width(), screen.height()},
                   {main.x(), main.y(), main.width(), main.height()},
                   panel->frameGeometry().width(), panel->frameGeometry().height());
    QCOMPARE(panel->frameGeometry().topLeft(), QPoint(place.x, place.y));
    // On the screen as far as it fits (the offscreen screen at twice the
    // scale is 400 pixels wide).
    QVERIFY(screen.contains(
        QRect(panel->frameGeometry().topLeft(), QSize(std::min(674, screen.width()), 1))));

    // Hidden, by F2 or by its close box, it gives the keyboard back to Form1.
    QTest::keyClick(panel->windowHandle(), Qt::Key_F2);
    QVERIFY(!panel->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), &form);
    QTest::keyClick(form.windowHandle(), Qt::Key_F2);
    QVERIFY(panel->isVisible());
    QCOMPARE(form.panel(), panel);  // built once
    QTRY_COMPARE(QApplication::activeWindow(), panel);
    QVERIFY(panel->close());
    QVERIFY(!panel->isVisible() && form.panel() == panel);
    QTRY_COMPARE(QApplication::activeWindow(), &form);
    QTest::keyClick(form.windowHandle(), Qt::Key_F2);
    QVERIFY(panel->isVisible());
  }

  // Closing Form1, or ESCI, ends the program with the panel open.
  void form1EndsTheProgramWithThePanelOpen() {
    Form1Window form;
    Show(form);
    OpenPanel(form);
    QTimer::singleShot(0, &form, [&] { form.close(); });
    // The watchdog dies with the form: left running, it would end whatever
    // event loop a later test runs ten seconds on, a file dialog's say.
    QTimer::singleShot(10000, &form, [] { QCoreApplication::exit(99); });
    QCOMPARE(QApplication::exec(), 0);
  }

  void elementsLieWhereTheTableSays() {
    Form1Window form;
    Show(form);
    Form2Window* panel = OpenPanel(form);
    for (const ElementRecord& record : kForm2Elements) {
      const QWidget* widget = panel->element(ToQString(record.name));
      QVERIFY2(widget != nullptr, record.name.data());
      QCOMPARE(widget->geometry(),
               QRect(record.left / 15, record.top / 15, record.width / 15, record.height / 15));
      if (record.fontSize > 0) {
        QCOMPARE(widget->font().pointSizeF(), record.fontSize);
        QCOMPARE(widget->font().weight(), QFont::Bold);
      }
    }
    QCOMPARE(panel->palette().color(QPalette::Window), QColor(192, 255, 255));
  }

  // Every caption, item, button and result text is whole in its element.
  void everyTextFitsItsElement() {
    Form1Window form;
    Show(form);
    Form2Window* panel = OpenPanel(form);
    SetField(panel, "OGGETTO", "Saturno");
    // From Turin, Saturn below the horizon: the longest words the sky gives.
    SetField(panel, "DATA E ORA", "2026-12-08 03:00");
    SetField(panel, "LATITUDINE", "45.07");
    SetField(panel, "LONGITUDINE", "7.69");
    QCOMPARE(TextOf(Named(panel, "MASSA D'ARIA", QAccessible::StaticText)),
             QStringLiteral("sotto l'orizzonte"));
    QStringList failures;
    auto check = [&](const QWidget* widget, const QString& text, QRect room) {
      if (const QString overflow = TextOverflow(widget, text, room); !overflow.isEmpty())
        failures << overflow;
    };
    for (const QLabel* label : panel->findChildren<QLabel*>()) {
      if (qobject_cast<const ProblemLine*>(label) == nullptr)
        check(label, label->text(), label->contentsRect());
    }
    // Every item of every list is whole in its room, at its full width.
    for (ChoiceBox* choice : panel->findChildren<ChoiceBox*>()) {
      const int chosen = choice->currentIndex();
      for (int i = 0; i < choice->count(); ++i) {
        choice->setCurrentIndex(i);
        if (choice->squeeze() < 1)
          failures << QStringLiteral("%1 \"%2\" narrowed to %3")
                          .arg(choice->objectName(), choice->itemText(i))
                          .arg(choice->squeeze());
      }
      choice->setCurrentIndex(chosen);
    }
    for (const QPushButton* button : panel->findChildren<QPushButton*>())
      check(button, button->text(), TextRoom(button));
    // The date as the field shows it, at its widest.
    const auto* date = static_cast<QLineEdit*>(panel->element(u"DTPicker1"));
    check(date, QStringLiteral("2028-08-28 08:08"), TextRoom(date));
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QStringLiteral("; "))));
  }

  // Found by their accessible names alone, the fields and results of a
  // table of set-ups give celforo-calc's columns for the same inputs.
  void resultsAreCelforoCalcs_data() {
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("camera");  // aperture, pixel, sensor, wavelength
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("calcTarget");
    QTest::addColumn<QString>("when");      // local time
    QTest::addColumn<QStringList>("site");  // latitude, longitude, height
    QTest::newRow("Jupiter") << QStringList{"2500", "5", "3"}
                             << QStringList{"250", "3.75", "1280x960", "550"} << "Giove"
                             << "jupiter"
                             << "2026-12-07 22:00" << QStringList{"45.07", "7.69", "240"};
    QTest::newRow("Saturn") << QStringList{"2000", "10", "4"}
                            << QStringList{"200", "2.9", "1936x1096", "656"} << "Saturno"
                            << "saturn"
                            << "2030-06-01 03:30" << QStringList{"-33.87", "151.21", "58"};
    QTest::newRow("the Moon") << QStringList{"1000", "25", "5"}
                              << QStringList{"100", "5.86", "1920x1200", "550"} << "Luna"
                              << "moon"
                              << "1969-07-20 20:17" << QStringList{"69.65", "18.96", "0"};
    QTest::newRow("the Sun") << QStringList{"800", "20", "10"}
                             << QStringList{"80", "4.8", "4144x2822", "540"} << "Sole"
                             << "sun"
                             << "1800-01-01 12:00" << QStringList{"-0.18", "-78.47", "2850"};
    QTest::newRow("Mars") << QStringList{"2350", "6", "2"}
                          << QStringList{"235", "2.4", "3840x2160", "450"} << "Marte"
                          << "mars"
                          << "2050-12-31 23:59" << QStringList{"45.07", "7.69", "240"};
    QTest::newRow("Uranus, a negative set-up")
        << QStringList{"2500", "5", "-3"} << QStringList{"250", "3.75", "1280x960", "550"}
        << "Urano"
        << "uranus"
        << "2026-12-07 22:00" << QStringList{"60", "-150", "9000"};
    QTest::newRow("no target, the sensor with ×")
        << QStringList{"2500", "5", "3"}
        << QStringList{"250", "3.75", QStringLiteral("640\u00D7480"), "550"} << "nessuno"
        << ""
        << "2026-12-07 22:00" << QStringList{"45.07", "7.69", "0"};
  }
  void resultsAreCelforoCalcs() {
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, camera);
    QFETCH(QString, target);
    QFETCH(QString, calcTarget);
    QFETCH(QString, when);
    QFETCH(QStringList, site);
    Form1Window form;
    Show(form);
    Form2Window* panel = OpenPanel(form);
    Calcola(form, boxes);
    const QStringList fields{"DIAMETRO OBIETTIVO", "PIXEL", "SENSORE", "LUNGHEZZA D'ONDA"};
    for (int i = 0; i < 4; ++i) SetField(panel, fields[i], camera[i]);
    SetField(panel, "DATA E ORA", when);
    const QStringList place{"LATITUDINE", "LONGITUDINE", "QUOTA"};
    for (int i = 0; i < 3; ++i) SetField(panel, place[i], site[i]);
    SetField(panel, "OGGETTO", target, QAccessibleActionInterface::pressAction());
    QStringList arguments{
        "--aperture", camera[0],      "--pixel-size", camera[1], "--pixels",
        camera[2],    "--wavelength", camera[3],      "--date",  QString(when).replace(' ', 'T'),
        "--site",     site.join(',')};
    if (!calcTarget.isEmpty()) arguments << "--target" << calcTarget;
    const std::map<QString, QString> expected = CalcColumns(arguments + boxes);
    const std::map<QString, QString> shown = Results(panel);
    for (const QString& name : kResultNames) {
      QCOMPARE(shown.at(name), AsShown(expected, name));
    }
  }

  // ADATTA puts the extraction into Form1, which computes; the panel follows.
  void adattaPutsTheExtractionIntoForm1() {
    Form1Window form;
    Show(form);
    Form2Window* panel = OpenPanel(form);
    SetField(panel, "RAGGIUNGI", "RAPPORTO FOCALE");
    SetField(panel, "VALORE", "20");
    Press(panel, "ADATTA");
    QTRY_COMPARE(static_cast<QLineEdit*>(form.element(u"Text3"))->text(), QStringLiteral(" 2.5"));
    QCOMPARE(static_cast<QLabel*>(form.element(u"Label2"))->text(), QStringLiteral(" 5000"));
    QCOMPARE(Results(panel)["RAPPORTO FOCALE"], QStringLiteral("20"));

    // Without a target there is no disc to size: said beside VALORE, and
    // Form1 keeps what it had.
    SetField(panel, "RAGGIUNGI", "DIAMETRO (PIXEL)");
    Press(panel, "ADATTA");
    QTRY_VERIFY(Named(panel, "VALORE")->text(QAccessible::Description).contains("OGGETTO"));
    QCOMPARE(static_cast<QLineEdit*>(form.element(u"Text3"))->text(), QStringLiteral(" 2.5"));

    // Form1 edited: the panel's results go until CALCOLA.
    static_cast<QLineEdit*>(form.element(u"Text2"))->setText(QStringLiteral("6"));
    QCOMPARE(Results(panel)["RAPPORTO FOCALE"], QString());
    QVERIFY(static_cast<QLabel*>(panel->element(u"Label41"))->text().contains("CALCOLA"));
    static_cast<QPushButton*>(form.element(u"Command1"))->click();
    QCOMPARE(Results(panel)["RAPPORTO FOCALE"], QStringLiteral("24"));
  }

  // A number the panel refuses is one celforo-calc refuses, and the panel
  // says why in the strict reader's words.
  void numbersAreReadAsCelforoCalcReadsThem() {
    Form1Window form;
    Show(form);
    Form2Window* panel = OpenPanel(form);
    const auto* problem = static_cast<ProblemLine*>(panel->element(u"Label14"));
    for (const char* typed :
         {" 3.75 ", "2.5e0", "3,75", "25x0", "2o", "abc", "inf", "nan", "1e999", "", "0", "-1"}) {
      SetField(panel, "PIXEL", QString::fromUtf8(typed));
      QCOMPARE(problem->text(),
               ToQString(NumberProblemText(ReadStrictNumber(typed, kPositiveNumber).fault)));
      QProcess calc;
      calc.start(QStringLiteral(CELFORO_CALC),
                 {"--pixel-size", QString::fromUtf8(typed), "2500", "5", "3"});
      QVERIFY(calc.waitForFinished(20000));
      QVERIFY2((calc.exitCode() == 2) == !problem->text().isEmpty(), typed);
    }
  }

  // Bad input is named in the line under its field, and in the field's
  // accessible description; the field is outlined and keeps what was typed;
  // the results go until it is mended.
  void badInputIsNamedBesideItsField_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("said");
    QTest::newRow("not a number") << "PIXEL"
                                  << "Label14"
                                  << "abc"
                                  << "numero";
    QTest::newRow("a comma") << "PIXEL"
                             << "Label14"
                             << "3,75"
                             << "punto";
    QTest::newRow("not a sensor") << "SENSORE"
                                  << "Label16"
                                  << "1280"
                                  << "1280x960";
    QTest::newRow("empty") << "DIAMETRO OBIETTIVO"
                           << "Label11"
                           << ""
                           << "Manca";
    QTest::newRow("zero") << "LUNGHEZZA D'ONDA"
                          << "Label19"
                          << "0"
                          << "maggiore";
    QTest::newRow("before 1800") << "DATA E ORA"
                                 << "Label22"
                                 << "1799-12-31 12:00"
                                 << "1800";
    QTest::newRow("not a date") << "DATA E ORA"
                                << "Label22"
                                << "2026-02-30 10:00"
                                << "valid";
  }
  void badInputIsNamedBesideItsField() {
    QFETCH(QString, field);
    QFETCH(QString, line);
    QFETCH(QString, typed);
    QFETCH(QString, said);
    Form1Window form;
    Show(form);
    Form2Window* panel = OpenPanel(form);
    QAccessibleInterface* node = Named(panel, field);
    const QString good = TextOf(node);
    auto* box = static_cast<TextBox*>(node->object());
    SetField(panel, field, typed);
    const auto* problem = static_cast<ProblemLine*>(panel->element(line));
    QVERIFY2(problem->text().contains(said), qPrintable(problem->text()));
    QVERIFY(node->text(QAccessible::Description).contains(problem->text()));
    QVERIFY(box->outline().has_value());
    QCOMPARE(box->text(), typed);
    for (const auto& [name, result] : Results(panel)) QVERIFY2(result.isEmpty(), qPrintable(name));
    // The line draws what its room holds, cut with "…" where it must be.
    QVERIFY(problem->fontMetrics().horizontalAdvance(problem->shownText()) <=
            problem->contentsRect().width());
    SetField(panel, field, good);
    QCOMPARE(problem->text(), QString());
    QVERIFY(!box->outline().has_value());
    QVERIFY(!node->text(QAccessible::Description).contains(said));
    QVERIFY(!Results(panel)["RAPPORTO FOCALE"].isEmpty());
  }

  // Tab goes through the panel's fields and buttons in reading order.
  void tabFollowsTheReadingOrder() {
    Form1Window form;
    Show(form);
    Form2Window* panel = OpenPanel(form);
    QVERIFY(QTest::qWaitForWindowActive(panel));
    QStringList visited;
    for (int press = 0; press < 25; ++press) {
      visited << QApplication::focusWidget()->objectName();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // From the first input, through the rest of the first column (POSIZIONE
    // is the page's alone), round to STRUMENTI at its top.
    QCOMPARE(visited, QStringList({"Text4",    "Text5",     "Text6",     "Text7",    "Text10",
                                   "Combo1",   "DTPicker1", "Command3",  "Text11",   "Text12",
                                   "Text13",   "Combo2",    "Text8",     "Command4", "Text9",
                                   "Command5", "Command6",  "Combo3",    "Command7", "Command8",
                                   "Combo4",   "Command9",  "Command10", "Combo5",   "Text4"}));
  }

  // The inputs but the date are kept under "panel/" as they change, and the
  // next panel starts from them; a kept value that cannot be used is passed
  // over for the field's first text.
  void inputsAreKeptAndWhatCannotBeUsedIgnored() {
    const QString path = FreshSettings();
    {
      QSettings settings(path, QSettings::IniFormat);
      settings.setValue("panel/Text4", "300");
      settings.setValue("panel/Text5", "x9");
      settings.setValue("panel/Text6", QStringList{"1280", "960"});
      settings.setValue("panel/Combo1", "Saturno");
      settings.setValue("panel/Combo2", "Plutone");
      settings.setValue("panel/DTPicker1", "1900-01-01 00:00");
    }
    {
      Form1Window form;
      Show(form);
      Form2Window* panel = OpenPanel(form);
      QCOMPARE(TextOf(Named(panel, "DIAMETRO OBIETTIVO")), QStringLiteral("300"));
      QCOMPARE(TextOf(Named(panel, "PIXEL")), QStringLiteral("3.75"));
      QCOMPARE(TextOf(Named(panel, "SENSORE")), QStringLiteral("1280x960"));
      QCOMPARE(TextOf(Named(panel, "OGGETTO")), QStringLiteral("Saturno"));
      QCOMPARE(TextOf(Named(panel, "RAGGIUNGI")), QStringLiteral("RAPPORTO FOCALE"));
      QVERIFY(!TextOf(Named(panel, "DATA E ORA")).startsWith("1900"));
      SetField(panel, "PIXEL", "2.9");
      SetField(panel, "RAGGIUNGI", "CAMPIONAMENTO (Q)");
      SetField(panel, "DATA E ORA", "2030-01-01 00:00");
    }
    QSettings settings(path, QSettings::IniFormat);
    QCOMPARE(settings.value("panel/Text5").toString(), QStringLiteral("2.9"));
    QCOMPARE(settings.value("panel/Combo2").toString(), QStringLiteral("CAMPIONAMENTO (Q)"));
    Form1Window next;
    Show(next);
    Form2Window* panel = OpenPanel(next);
    QCOMPARE(TextOf(Named(panel, "PIXEL")), QStringLiteral("2.9"));
    QCOMPARE(TextOf(Named(panel, "RAGGIUNGI")), QStringLiteral("CAMPIONAMENTO (Q)"));
    QVERIFY(!TextOf(Named(panel, "DATA E ORA")).startsWith("2030"));
  }

  // The picture says what it shows; by night F3 turns everything the panel
  // draws red on black, the picture, a selection, an invalid box and the
  // open list included, whichever window F3 is pressed in; F3 again brings
  // the day back as it was.
  void nightModeCoversThePanel() {
    Form1Window form;
    Show(form);
    Form2Window* panel = OpenPanel(form);
    SetField(panel, "OGGETTO", "Saturno");
    SetField(panel, "DATA E ORA", "2026-12-07 22:00");
    QAccessibleInterface* picture = Named(panel, "CAMPO DEL SENSORE");
    QVERIFY(picture->text(QAccessible::Description).contains("Saturno"));
    QVERIFY(QTest::qWaitForWindowActive(panel));
    const QImage day = panel->grab().toImage();
    QVERIFY(NotNightPixels(day) > 1000);

    QTest::keyClick(panel->windowHandle(), Qt::Key_F3);
    QCOMPARE(form.theme(), Theme::Night);
    SetField(panel, "SENSORE", "1280");  // a box outlined, its problem shown
    auto* box = static_cast<QLineEdit*>(panel->element(u"Text5"));
    box->setFocus();
    box->selectAll();
    const QImage night = panel->grab().toImage();
    QCOMPARE(NotNightPixels(night), 0);
    QVERIFY(RedPixels(night) > 5000);
    QCOMPARE(NotNightPixels(panel->element(u"Picture2")->grab().toImage()), 0);

    // OGGETTO's list, and CAMERA's with the sensor list's rows.
    for (const char16_t* name : {u"Combo1", u"Combo5"}) {
      auto* choice = static_cast<QComboBox*>(panel->element(name));
      choice->showPopup();
      QWidget* list = choice->view()->window();
      QVERIFY(QTest::qWaitForWindowExposed(list));
      const QImage open = list->grab().toImage();
      QCOMPARE(NotNightPixels(open), 0);
      QVERIFY(RedPixels(open) > 200);
      choice->hidePopup();
    }

    SetField(panel, "SENSORE", "1280x960");
    box->deselect();
    form.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &form);
    QTest::keyClick(form.windowHandle(), Qt::Key_F3);
    QCOMPARE(form.theme(), Theme::Day);
    panel->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), panel);
    panel->element(u"Text4")->setFocus();
    static_cast<QLineEdit*>(panel->element(u"Text4"))->end(false);
    QCOMPARE(panel->grab().toImage(), day);
  }

  // Opened at night, the panel is built in the night's colours.
  void openedAtNightTheNightCoversIt() {
    Form1Window form;
    Show(form);
    QTest::keyClick(form.windowHandle(), Qt::Key_F3);
    Form2Window* panel = OpenPanel(form);
    QCOMPARE(NotNightPixels(panel->grab().toImage()), 0);
  }

  // STRUMENTI: a telescope, an eyepiece and a camera saved from what the
  // form and the panel hold are there after a restart; choosing them fills
  // the fields and Form1 computes; ELIMINA removes one, from the store too;
  // a stored entry that does not read back is skipped and named, and takes
  // no other with it.
  void kitIsKeptBetweenRuns() {
    const QString path = FreshSettings();
    {
      QSettings settings(path, QSettings::IniFormat);
      settings.setValue("kit/Telescope1", R"({"name":"Mak","focal_length":1300,"aperture":)");
      settings.setValue("kit/Eyepiece1", R"({"name":"Ortho 6","focal_length":6})");
    }
    {
      Form1Window form;
      Show(form);
      Form2Window* panel = OpenPanel(form);
      QCOMPARE(static_cast<QLabel*>(panel->element(u"Label51"))->text(),
               QStringLiteral("Voci illeggibili saltate: kit/Telescope1."));
      QCOMPARE(Items(panel, "OCULARE"), QStringList({"—", "Ortho 6"}));
      Calcola(form, {"2032", "10", "3"});
      const struct {
        const char* name;
        std::vector<std::pair<const char*, const char*>> fields;
        const char* list;
      } saved[] = {{"C8", {{"DIAMETRO OBIETTIVO", "203"}}, "TELESCOPIO"},
                   {"Plössl 10", {{"DIAFRAMMA OCULARE", "9.2"}}, "OCULARE"},
                   {"ASI462", {{"PIXEL", "2.9"}, {"SENSORE", "1936x1096"}}, "CAMERA"}};
      for (const auto& entry : saved) {
        for (const auto& [field, value] : entry.fields) SetField(panel, field, value);
        SetField(panel, "NOME", QString::fromUtf8(entry.name));
        Press(panel, QStringLiteral("SALVA %1").arg(entry.list));
        // Saved, it is chosen in its list.
        QTRY_COMPARE(TextOf(Named(panel, entry.list)), QString::fromUtf8(entry.name));
      }
      // NOME refused is said beside it, and nothing is kept.
      SetField(panel, "NOME", "");
      Press(panel, "SALVA TELESCOPIO");
      QTRY_COMPARE(static_cast<QLabel*>(panel->element(u"Label47"))->text(),
                   QStringLiteral("Scrivi prima un NOME."));
    }
    Form1Window form;
    Show(form);
    Form2Window* panel = OpenPanel(form);
    QCOMPARE(Items(panel, "TELESCOPIO"), QStringList({"—", "C8"}));
    QCOMPARE(Items(panel, "OCULARE"), QStringList({"—", "Ortho 6", "Plössl 10"}));
    QCOMPARE(Items(panel, "CAMERA").mid(0, 2), QStringList({"—", "ASI462"}));
    QCOMPARE(static_cast<QLabel*>(panel->element(u"Label51"))->text(),
             QStringLiteral("Voci illeggibili saltate: kit/Telescope1."));
    Calcola(form, {"1000", "25", "5"});
    SetField(panel, "DIAMETRO OBIETTIVO", "100");
    SetField(panel, "PIXEL", "5.86");
    const auto box = [&](const char* name) {
      return static_cast<QLineEdit*>(form.element(QString::fromLatin1(name)))->text();
    };
    SetField(panel, "TELESCOPIO", "C8");
    QCOMPARE(box("Text1"), QStringLiteral(" 2032"));
    QCOMPARE(TextOf(Named(panel, "DIAMETRO OBIETTIVO")), QStringLiteral("203"));
    SetField(panel, "OCULARE", "Plössl 10");
    QCOMPARE(box("Text2"), QStringLiteral(" 10"));
    QCOMPARE(TextOf(Named(panel, "DIAFRAMMA OCULARE")), QStringLiteral("9.2"));
    SetField(panel, "CAMERA", "ASI462");
    QCOMPARE(TextOf(Named(panel, "PIXEL")), QStringLiteral("2.9"));
    QCOMPARE(TextOf(Named(panel, "SENSORE")), QStringLiteral("1936x1096"));
    // Form1 computed with C8 and the Plössl as if typed, and the panel followed.
    const std::map<QString, QString> expected =
        CalcColumns({"--aperture", "203", "--pixel-size", "2.9", "--pixels", "1936x1096",
                     "--wavelength", "550", "2032", "10", "5"});
    QCOMPARE(static_cast<QLabel*>(form.element(u"Label2"))->text().trimmed(),
             expected.at("FOC. EQUIVALENTE"));
    QCOMPARE(Results(panel)["SCALA (ARCSEC/PIXEL)"], expected.at("SCALA (ARCSEC/PIXEL)"));

    Press(panel, "ELIMINA OCULARE");
    QTRY_COMPARE(Items(panel, "OCULARE"), QStringList({"—", "Ortho 6"}));
    // A row of the sensor list stays.
    const QString sensor = Items(panel, "CAMERA").value(2);
    SetField(panel, "CAMERA", sensor);
    Press(panel, "ELIMINA CAMERA");
    QTRY_VERIFY(!static_cast<QLabel*>(panel->element(u"Label47"))->text().isEmpty());
    QVERIFY(Items(panel, "CAMERA").contains(sensor));
    QSettings settings(path, QSettings::IniFormat);
    QStringList kept;
    for (const QString& key : settings.allKeys())
      if (key.startsWith("kit/")) kept << settings.value(key).toString().section(',', 0, 0);
    kept.sort();
    QCOMPARE(kept, QStringList({R"({"name":"ASI462")", R"({"name":"C8")", R"({"name":"Mak")",
                                R"({"name":"Ortho 6")"}));
  }

  // SALVA IMPOSTAZIONE… and APRI IMPOSTAZIONE… in the FILE menu, by the file
  // dialogs: a set-up saved (its extension given where none was typed),
  // then opened over other inputs, brings back the form's lengths, the
  // panel's inputs and their results, and saved again gives the same bytes.
  // A file refused by the set-up's reader is told, and changes nothing.
  void setUpSavedAndOpenedThroughTheMenu() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    Form1Window form;
    Show(form);
    Form2Window* panel = OpenPanel(form);
    Calcola(form, {"2500", "5", "2.5"});
    const std::pair<const char*, const char*> inputs[] = {
        {"OGGETTO", "Giove"}, {"LATITUDINE", "45.07"},           {"LONGITUDINE", "7.69"},
        {"QUOTA", "240"},     {"DIAFRAMMA OCULARE", "5.5"},      {"RAGGIUNGI", "CAMPIONAMENTO (Q)"},
        {"VALORE", "2"},      {"DATA E ORA", "2026-12-08 21:00"}};
    for (const auto& [field, value] : inputs) SetField(panel, field, value);
    const std::map<QString, QString> results = Results(panel);

    QStringList offered;
    ChooseInNextFileDialog(folder.filePath("trip"), &offered);
    form.menuAction(MenuCommand::SaveSetup)->trigger();
    QCOMPARE(offered, QStringList({"Impostazione CELFORO (*.json)"}));
    const QByteArray saved = Contents(folder.filePath("trip.json"));
    QVERIFY(saved.contains(R"("target": "jupiter")"));
    QVERIFY(!saved.contains("2026"));  // the date is no part of a set-up

    Calcola(form, {"1000", "20", "4"});
    for (const auto& [field, value] :
         {std::pair{"OGGETTO", "Saturno"}, {"LATITUDINE", "-30"}, {"DIAFRAMMA OCULARE", ""}})
      SetField(panel, field, value);
    ChooseInNextFileDialog(folder.filePath("trip.json"));
    form.menuAction(MenuCommand::OpenSetup)->trigger();
    QCOMPARE(static_cast<QLineEdit*>(form.element(u"Text1"))->text().trimmed(),
             QStringLiteral("2500"));
    for (const auto& [field, value] : inputs)
      if (QString::fromUtf8(field) != "DATA E ORA")
        QCOMPARE(TextOf(Named(panel, field)), QString::fromUtf8(value));
    QCOMPARE(Results(panel), results);
    ChooseInNextFileDialog(folder.filePath("again.json"));
    form.menuAction(MenuCommand::SaveSetup)->trigger();
    QCOMPARE(Contents(folder.filePath("again.json")), saved);

    // Refused files: told with the reader's reason, nothing changed.
    const struct {
      QByteArray bytes;
      const char* said;
    } refused[] = {{"{\"version\": 1,}", "line 1"},
                   {"{\"version\": 2}", "version"},
                   {"{\"version\": 1, \"aperture\": 0}", "aperture"},
                   {"{\"version\": 1, \"zoom\": 2}", "zoom"},
                   {QByteArray(70000, ' ') + "{\"version\": 1}", "65536"}};
    for (const auto& file : refused) {
      Write(folder.filePath("bad.json"), file.bytes);
      ChooseInNextFileDialog(folder.filePath("bad.json"));
      QStringList said;
      ReadNextMessage(said);
      form.menuAction(MenuCommand::OpenSetup)->trigger();
      QTRY_VERIFY(!said.isEmpty());
      QCOMPARE(said.value(0), QStringLiteral("CELFORO"));
      QVERIFY2(said.value(1).startsWith("Impossibile aprire l'impostazione.") &&
                   said.value(1).contains(file.said),
               qPrintable(said.value(1)));
      QCOMPARE(Results(panel), results);
      QCOMPARE(TextOf(Named(panel, "OGGETTO")), QStringLiteral("Giove"));
    }
    // Cancelled, nothing happens.
    WhenShows<QFileDialog>([](QFileDialog* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    form.menuAction(MenuCommand::OpenSetup)->trigger();
    QCOMPARE(Results(panel), results);
  }

  // The set-up file every platform shares opens with the results
  // celforo-calc --setup gives for it (with --solve, once ADATTA is
  // pressed), exports the picture celforo-calc --picture draws for it, and
  // saved again is the same bytes.
  void sharedSetUpFileMovesThrough() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString trip = QStringLiteral(CELFORO_SETUP_TRIP);
    const QString when = QStringLiteral("2026-12-07 21:30");
    Form1Window form;
    Show(form);
    Form2Window* panel = OpenPanel(form);
    SetField(panel, "DATA E ORA", when);
    ChooseInNextFileDialog(trip);
    form.menuAction(MenuCommand::OpenSetup)->trigger();
    const QStringList run{"--setup", trip, "--date", QString(when).replace(' ', 'T')};
    for (const bool solved : {false, true}) {
      if (solved) {
        Press(panel, "ADATTA");
        QTRY_VERIFY(static_cast<QLineEdit*>(form.element(u"Text3"))->text().trimmed() != "2.5");
      }
      const std::map<QString, QString> expected =
          CalcColumns(run + (solved ? QStringList{"--solve"} : QStringList{}));
      const std::map<QString, QString> shown = Results(panel);
      for (const QString& name : kResultNames) QCOMPARE(shown.at(name), AsShown(expected, name));
      // The extraction solved for, where it is a column.
      const auto extraction = expected.find("EXTR. OCULARE");
      QCOMPARE(static_cast<QLineEdit*>(form.element(u"Text3"))->text().trimmed(),
               extraction == expected.end() ? QStringLiteral("2.5") : extraction->second);
      QCOMPARE(static_cast<QLabel*>(form.element(u"Label2"))->text().trimmed(),
               expected.at("FOC. EQUIVALENTE"));
      if (solved) break;
      ChooseInNextFileDialog(folder.filePath("again.json"));
      form.menuAction(MenuCommand::SaveSetup)->trigger();
      QCOMPARE(Contents(folder.filePath("again.json")), Contents(trip));
      ChooseInNextFileDialog(folder.filePath("trip.svg"));
      form.menuAction(MenuCommand::ExportPicture)->trigger();
      QProcess calc;
      calc.start(QStringLiteral(CELFORO_CALC),
                 run + QStringList{"--picture", folder.filePath("calc.svg")});
      QVERIFY(calc.waitForFinished(20000) && calc.exitCode() == 0);
      QCOMPARE(Contents(folder.filePath("trip.svg")), Contents(folder.filePath("calc.svg")));
    }
  }

  // ESPORTA IMMAGINE… writes the sensor's picture as the panel shows it:
  // SVG as the shared writer writes it, PNG of the picture's size whatever
  // the screen's scale, both in the day's colours by night too, when the
  // file dialog is in the night's; refused,
  // with a message, while the picture shows no set-up.
  void pictureExportedAsSvgAndPng() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    Form1Window form;
    Show(form);
    Form2Window* panel = OpenPanel(form);
    SetField(panel, "OGGETTO", "Giove");
    SetField(panel, "DATA E ORA", "2026-12-08 21:00");
    const DisplayList& list = static_cast<PictureView*>(panel->element(u"Picture2"))->list();
    QStringList offered;
    ChooseInNextFileDialog(folder.filePath("jupiter"), &offered);
    form.menuAction(MenuCommand::ExportPicture)->trigger();
    QCOMPARE(offered, QStringList({"Immagine SVG (*.svg)", "Immagine PNG (*.png)"}));
    QCOMPARE(Contents(folder.filePath("jupiter.svg")),
             QByteArray::fromStdString(SvgDocument(list)));

    QByteArray png[2];
    for (const bool night : {false, true}) {
      if (night) {
        form.menuAction(MenuCommand::NightMode)->trigger();
        QCOMPARE(form.theme(), Theme::Night);
      }
      const QString path = folder.filePath(night ? "night" : "day");
      QImage dialog;
      ChooseInNextFileDialog(path, nullptr, "Immagine PNG (*.png)", &dialog);
      form.menuAction(MenuCommand::ExportPicture)->trigger();
      // By night the dialog is red on black, its icons included.
      if (night) QCOMPARE(NotNightPixels(dialog), 0);
      if (night) QVERIFY(RedPixels(dialog) > 1000);
      png[night ? 1 : 0] = Contents(path + ".png");
    }
    QCOMPARE(png[1], png[0]);
    QImage image;
    QVERIFY(image.loadFromData(png[0], "PNG"));
    QCOMPARE(image.size(), QSize(int(list.width), int(list.height)));
    // Painted as the panel paints it by day at a scale of 1.
    QImage shown(image.size(), QImage::Format_ARGB32_Premultiplied);
    shown.fill(Qt::transparent);
    QPainter painter(&shown);
    PaintDisplayList(painter, list, PaletteOf(Theme::Day));
    painter.end();
    QCOMPARE(image.convertToFormat(shown.format()), shown);

    // An extension typed says the kind, whatever the filter.
    ChooseInNextFileDialog(folder.filePath("typed.png"));
    form.menuAction(MenuCommand::ExportPicture)->trigger();
    QCOMPARE(Contents(folder.filePath("typed.png")), png[0]);

    SetField(panel, "PIXEL", "abc");
    QStringList said;
    ReadNextMessage(said);
    form.menuAction(MenuCommand::ExportPicture)->trigger();
    QTRY_COMPARE(said, QStringList({"CELFORO",
                                    "Nessuna immagine da esportare: prima servono i "
                                    "risultati."}));
  }

  // Files written whole or not at all, and read no further than asked,
  // with what went wrong in words for the user.
  void filesAreWrittenWholeAndReadToTheirLimit() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString kept = folder.filePath("kept.json");
    Write(kept, "as it was");
    const struct {
      QString path;
      std::optional<std::string> why;
    } writes[] = {
        {kept, std::nullopt},
        {folder.filePath("missing/x.json"), "Impossibile creare il file in quella cartella."},
        {folder.path(), "Impossibile creare il file in quella cartella."}};
    for (const auto& write : writes) {
      QCOMPARE(WriteWholeFile(write.path, "{}\n"), write.why);
      QCOMPARE(Contents(kept), QByteArray("{}\n"));
    }
    QCOMPARE(std::get<std::string>(ReadFileStart(kept, 2)), std::string("{}"));
    QCOMPARE(std::get<std::string>(ReadFileStart(kept, 100)), std::string("{}\n"));
    for (const QString& path : {folder.filePath("none.json"), folder.path()})
      QCOMPARE(std::get<FileNotRead>(ReadFileStart(path, 100)).why,
               std::string("Impossibile aprire il file: non esiste o non è leggibile."));
  }

  // The README's pictures: the panel with Jupiter and with Saturn, by day
  // and by night, and the two windows side by side.
  void screenshot() {
    Form1Window form;
    Show(form);
    Form2Window* panel = OpenPanel(form);
    const QString folder = QStringLiteral(CELFORO_SCREENSHOT_DIR);
    QDir().mkpath(folder);
    const QString scale = QString::number(panel->devicePixelRatioF());
    const auto path = [&](const QString& what) {
      return QStringLiteral("%1/%2-scale%3.png").arg(folder, what, scale);
    };
    // From Turin, with a field stop whose circle cuts the sensor's corners:
    // Jupiter with Ganymede's shadow on its disc, Saturn in the evening,
    // Venus as a crescent before dawn.
    for (const auto& [field, value] : {std::pair{"LATITUDINE", "45.07"},
                                       {"LONGITUDINE", "7.69"},
                                       {"QUOTA", "240"},
                                       {"DIAFRAMMA OCULARE", "3.2"}})
      SetField(panel, field, value);
    const struct {
      const char* target;
      const char* name;
      const char* when;
    } shots[] = {{"Saturno", "saturn", "2026-12-17 19:00"},
                 {"Venere", "venus", "2026-12-17 07:00"},
                 {"Giove", "jupiter", "2026-12-17 04:00"}};
    for (const bool night : {false, true}) {
      if (night) QTest::keyClick(form.windowHandle(), Qt::Key_F3);
      for (const auto& shot : shots) {
        SetField(panel, "OGGETTO", shot.target);
        SetField(panel, "DATA E ORA", shot.when);
        panel->element(u"Text4")->setFocus();
        static_cast<QLineEdit*>(panel->element(u"Text4"))->end(false);
        const QString what = QStringLiteral("panel-%1%2").arg(shot.name, night ? "-night" : "");
        QVERIFY(panel->grab().save(path(what)));
      }
      // Both windows as they stand side by side, their tops level.
      const QImage left = form.grab().toImage(), right = panel->grab().toImage();
      const qreal ratio = left.devicePixelRatio();
      QImage both(QSize(left.width() + right.width() + int(kPanelGap * ratio),
                        std::max(left.height(), right.height())),
                  QImage::Format_RGB32);
      both.fill(QColor(night ? Qt::black : QColor(240, 240, 240)));
      QPainter painter(&both);
      painter.drawImage(QPoint(0, 0), left);
      painter.drawImage(QPoint(left.width() + int(kPanelGap * ratio), 0), right);
      painter.end();
      QVERIFY(both.save(path(night ? "windows-night" : "windows")));
    }
  }
};

}  // namespace celforo::qt

int main(int argc, char** argv) {
  if (!celforo::testing::ApplyTestLocale()) return 1;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The date-time field is in local time, as celforo-calc's --date: both in
  // the zone of Italy, with its summer time.
  qputenv("TZ", "Europe/Rome");
  QTemporaryDir settings;
  if (!settings.isValid()) return 1;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
  QApplication application(argc, argv);
  QApplication::setCursorFlashTime(0);  // a caret that never blinks: pictures compare
  celforo::qt::QtPanelTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "qt_panel_test.moc"
