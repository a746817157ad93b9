// The Qt window on the offscreen platform: its layout, look, keyboard and
// mouse, the wiring of its events, and its message box.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "qt/display_list_painter.h"
#include "qt/drawn_elements.h"
#include "qt/form1_window.h"
#include "qt/qt_text.h"
#include "tests/support/qt_window_checks.h"
#include "tests/support/test_locale.h"
#include "ui/credit_picture_content.h"

namespace celforo::qt {
namespace {

using testing::NotNightPixels;
using testing::RedPixels;
using testing::TextOverflow;
using testing::TextRoom;

const QStringList kBoxes{"Text1", "Text2", "Text3"};
const QStringList kResults{"Label1", "Label2", "Label8"};
const QStringList kDefaults{" 2500", " 5", " 3"};
const QStringList kDefaultResults{" 1.666667", " 4166.666667", " 13.333333"};

struct MessageSeen {
  bool shown = false;
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  QImage iconImage;  // the icon as shown
  QImage picture;    // the whole box
};

// Runs `action`, waits for the modal message box it opens, notes what it
// says (and saves a picture of it to `grabTo`, if given) and dismisses it with OK.
MessageSeen DismissMessageOf(const std::function<void()>& action, const QString& grabTo = {}) {
  MessageSeen seen;
  QTimer poll;
  int polls = 0;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      seen = {true,
              box->windowTitle(),
              box->text(),
              box->icon(),
              box->standardButtons(),
              box->iconPixmap().toImage(),
              box->grab().toImage()};
      poll.stop();
      if (!grabTo.isEmpty()) seen.picture.save(grabTo);
      box->button(QMessageBox::Ok)->click();
    } else if (++polls > 500) {
      poll.stop();  // no box came: the action returned long ago
    }
  });
  poll.start(5);
  action();
  poll.stop();
  return seen;
}

}  // namespace

class QtWindowTest : public QObject {
  Q_OBJECT

private:
  template <typename T>
  static T* Find(const Form1Window& form, const QString& name) {
    auto* widget = qobject_cast<T*>(form.element(name));
    if (widget == nullptr) qFatal("no element %s", qPrintable(name));
    return widget;
  }
  static QStringList ResultTexts(const Form1Window& form) {
    QStringList texts;
    for (const QString& name : kResults) texts << Find<QLabel>(form, name)->text();
    return texts;
  }
  static QStringList BoxTexts(const Form1Window& form) {
    QStringList texts;
    for (const QString& name : kBoxes) texts << Find<QLineEdit>(form, name)->text();
    return texts;
  }
  static void Show(Form1Window& form) {
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
  }

private slots:
  void startsWithTheDefaultsCalculated() {
    Form1Window form;
    QCOMPARE(BoxTexts(form), kDefaults);
    QCOMPARE(ResultTexts(form), kDefaultResults);
    QCOMPARE(form.windowTitle(), QStringLiteral("             CELFORO"));
    // The client area is the table's; the menu bar comes above it.
    QCOMPARE(form.clientArea()->size(), QSize(337, 375));
    QCOMPARE(form.clientArea()->pos(), QPoint(0, form.menuBar()->height()));
    QCOMPARE(form.size(), QSize(337, 375 + form.menuBar()->height()));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!form.windowIcon().isNull());
    Show(form);
    QCOMPARE(QApplication::focusWidget(), form.element(u"Text1"));
    const QPoint screenCentre = form.screen()->availableGeometry().center();
    QVERIFY2((form.geometry().center() - screenCentre).manhattanLength() <= 1, "not centred");
  }

  void elementsLieWhereTheTableSays_data() {
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<qreal>("points");
    // Left, top, width and height in twips divided by 15.
    QTest::newRow("Text1") << QRect(32, 32, 113, 25) << 12.0;
    QTest::newRow("Text2") << QRect(192, 32, 113, 25) << 12.0;
    QTest::newRow("Text3") << QRect(112, 80, 113, 25) << 12.0;
    QTest::newRow("Command1") << QRect(24, 272, 121, 33) << 13.5;
    QTest::newRow("Label3") << QRect(24, 16, 129, 17) << 9.75;
    QTest::newRow("Label4") << QRect(192, 16, 113, 17) << 9.75;
    QTest::newRow("Label5") << QRect(104, 64, 129, 17) << 9.75;
    QTest::newRow("Label6") << QRect(24, 128, 137, 17) << 9.75;
    QTest::newRow("Label7") << QRect(168, 128, 153, 17) << 9.75;
    QTest::newRow("Label1") << QRect(24, 152, 137, 25) << 12.0;
    QTest::newRow("Label2") << QRect(176, 152, 137, 25) << 12.0;
    QTest::newRow("Picture1") << QRect(152, 256, 178, 117) << 0.0;
    QTest::newRow("Label8") << QRect(96, 208, 137, 25) << 12.0;
    QTest::newRow("Label9") << QRect(24, 184, 289, 25) << 9.75;
    QTest::newRow("Command2") << QRect(48, 320, 73, 33) << 13.5;
    QTest::newRow("Shape1") << QRect(16, 120, 305, 121) << 0.0;
  }
  void elementsLieWhereTheTableSays() {
    QFETCH(QRect, pixels);
    QFETCH(qreal, points);
    Form1Window form;
    const QWidget* widget = form.element(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->geometry(), pixels);
    if (points > 0) {
      QCOMPARE(widget->font().pointSizeF(), points);
      QCOMPARE(widget->font().weight(), QFont::Bold);
      QVERIFY(!widget->font().italic() && !widget->font().underline());
      // Whichever family stands in, it is one of the chosen ones.
      const QStringList families{"MS Sans Serif", "Microsoft Sans Serif",
                                 "Tahoma",        "Liberation Sans",
                                 "Arial",         "DejaVu Sans"};
      QVERIFY2(families.contains(QFontInfo(widget->font()).family()),
               qPrintable(QFontInfo(widget->font()).family()));
    }
  }

  void labelsAndBoxesLookAsDescribed() {
    Form1Window form;
    const QColor window(192, 255, 255);
    QCOMPARE(form.palette().color(QPalette::Window), window);
    for (const char* name : {"Label3", "Label4", "Label5", "Label6", "Label7", "Label9"}) {
      const auto* label = Find<QLabel>(form, name);
      QCOMPARE(label->frameShape(), QFrame::NoFrame);
      QCOMPARE(label->palette().color(QPalette::Window), window);
      QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    }
    for (const QString& name : kResults) {
      const auto* label = Find<QLabel>(form, name);
      QCOMPARE(label->frameShape(), QFrame::Box);
      QCOMPARE(label->lineWidth(), 1);
      QVERIFY(label->autoFillBackground());
      QCOMPARE(label->palette().color(QPalette::Window), QColor(Qt::white));
      QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
      QVERIFY(label->textInteractionFlags() & Qt::TextSelectableByMouse);
      QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    }
    for (const QString& name : kBoxes) {
      const auto* box = Find<QLineEdit>(form, name);
      QCOMPARE(box->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
      QVERIFY(box->hasFrame());
      QCOMPARE(box->maxLength(), 65535);
    }
    for (const char* name : {"Command1", "Command2"}) {
      const auto* button = Find<QPushButton>(form, name);
      QVERIFY(!button->isDefault() && !button->autoDefault());
    }
    QCOMPARE(form.element(u"Picture1")->focusPolicy(), Qt::NoFocus);
  }

  // Pixels of the grabbed window: the ground, the frame, the picture.
  void paintsTheRightColours() {
    Form1Window form;
    Show(form);
    const QImage image = form.grab().toImage();
    const qreal scale = image.devicePixelRatio();
    const int top = form.clientArea()->y();  // under the menu bar
    auto at = [&](int x, int y) {
      return image.pixelColor(qRound(x * scale + scale / 2), qRound((y + top) * scale + scale / 2));
    };
    QCOMPARE(at(4, 4), QColor(192, 255, 255));
    QCOMPARE(at(17, 180), QColor(192, 192, 192));   // the frame's left side
    QCOMPARE(at(319, 137), QColor(192, 192, 192));  // its right side, beside Label7
    QCOMPARE(at(153, 257), QColor(187, 255, 255));  // the picture's ground
    QCOMPARE(at(25, 153), QColor(Qt::white));       // inside Label1's border
  }

  void everyTextFitsItsElement() {
    Form1Window form;
    Show(form);
    QStringList failures;
    auto check = [&](const QWidget* widget, const QString& text, QRect room) {
      if (const QString overflow = TextOverflow(widget, text, room); !overflow.isEmpty())
        failures << overflow;
    };
    for (const QLabel* label : form.findChildren<QLabel*>())
      check(label, label->text(), label->contentsRect());
    for (const QLineEdit* box : form.findChildren<QLineEdit*>())
      check(box, box->text() + QStringLiteral("8888"), TextRoom(box));
    for (const QPushButton* button : form.findChildren<QPushButton*>())
      check(button, button->text(), TextRoom(button));
    for (const Shape& shape : CreditPictureDisplayList().shapes) {
      const auto* line = std::get_if<TextShape>(&shape.figure);
      if (line == nullptr) continue;
      const QFontMetrics metrics(FontOf(*line));
      const QString text = ToQString(line->text);
      if (metrics.horizontalAdvance(text) > line->box.width ||
          metrics.height() > line->box.height + 2)
        failures << QStringLiteral("picture line \"%1\"").arg(text);
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QStringLiteral("; "))));
  }

  void tabVisitsTheBoxesThenTheButtons() {
    Form1Window form;
    Show(form);
    QStringList visited;
    for (int press = 0; press < 6; ++press) {
      visited << QApplication::focusWidget()->objectName();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, QStringList({"Text1", "Text2", "Text3", "Command1", "Command2", "Text1"}));
  }

  void accessibleNamesTellWhatEachValueIs() {
    Form1Window form;
    const QStringList captions{"FOC. OBBIETTIVO", "FOC. OCULARE", "EXTR. OCULARE"};
    for (int i = 0; i < 3; ++i)
      QCOMPARE(
          QAccessible::queryAccessibleInterface(form.element(kBoxes[i]))->text(QAccessible::Name),
          captions[i]);
    const QStringList meanings{"INGRANDIMENTI", "FOC. EQUIVALENTE",
                               "DIST. PIANO FOCALE - OCUL.ARE"};
    for (int i = 0; i < 3; ++i) {
      QAccessibleInterface* label =
          QAccessible::queryAccessibleInterface(form.element(kResults[i]));
      QCOMPARE(label->text(QAccessible::Name), kDefaultResults[i]);
      QCOMPARE(label->text(QAccessible::Description), meanings[i]);
    }
    QAccessibleInterface* picture =
        QAccessible::queryAccessibleInterface(form.element(u"Picture1"));
    QCOMPARE(picture->text(QAccessible::Name), QStringLiteral("CELFORO"));
    QCOMPARE(picture->text(QAccessible::Description), ToQString(CreditPictureDescription()));
  }

  void resultsCanBeSelectedWithTheMouse() {
    Form1Window form;
    Show(form);
    for (const QString& name : kResults) {
      auto* label = Find<QLabel>(form, name);
      const QRect text = label->contentsRect();
      QTest::mousePress(label, Qt::LeftButton, {}, QPoint(text.left() + 1, text.center().y()));
      QTest::mouseMove(label, QPoint(text.right() - 1, text.center().y()));
      QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(text.right() - 1, text.center().y()));
      QCOMPARE(label->selectedText(), label->text());
      QVERIFY(QApplication::focusWidget() != label);
    }
  }

  void editingClearsAndCalcolaRefills_data() {
    QTest::addColumn<QString>("box");
    for (const QString& box : kBoxes) QTest::newRow(qPrintable(box)) << box;
  }
  void editingClearsAndCalcolaRefills() {
    QFETCH(QString, box);
    Form1Window form;
    Show(form);
    auto* edit = Find<QLineEdit>(form, box);
    edit->setFocus();
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_7);
    QCOMPARE(ResultTexts(form), QStringList({"", "", ""}));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(BoxTexts(form), kDefaults);
    QCOMPARE(ResultTexts(form), QStringList({"", "", ""}));
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Enter);
    QTest::keyClick(edit, Qt::Key_Escape);
    QCOMPARE(ResultTexts(form), QStringList({"", "", ""}));
    QVERIFY(form.isVisible());
    QTest::mouseClick(Find<QPushButton>(form, "Command1"), Qt::LeftButton);
    QCOMPARE(ResultTexts(form), kDefaultResults);
    QTest::mouseClick(Find<QPushButton>(form, "Command1"), Qt::LeftButton);
    QCOMPARE(ResultTexts(form), kDefaultResults);
  }

  // Which failures happen where is Form1's; the box that tells them is the window's.
  void failuresAreReportedAndTheWindowGoesOn_data() {
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("results");
    QTest::newRow("extraction 0") << QStringList{"2500", "5", "0"}
                                  << QStringLiteral(
                                         "Errore di run-time '11':\n\nDivisione per zero")
                                  << QStringList{"", "", ""};
    QTest::newRow("objective 0") << QStringList{"0", "5", "3"}
                                 << QStringLiteral(
                                        "Errore di run-time '13':\n\nTipo non corrispondente")
                                 << QStringList{" 1.666667", "", ""};
  }
  void failuresAreReportedAndTheWindowGoesOn() {
    QFETCH(QStringList, boxes);
    QFETCH(QString, message);
    QFETCH(QStringList, results);
    Form1Window form;
    Show(form);
    for (int i = 0; i < 3; ++i) Find<QLineEdit>(form, kBoxes[i])->setText(boxes[i]);
    const MessageSeen seen = DismissMessageOf(
        [&] { QTest::mouseClick(Find<QPushButton>(form, "Command1"), Qt::LeftButton); });
    QVERIFY(seen.shown);
    QCOMPARE(seen.title, QStringLiteral("CELFORO"));
    QCOMPARE(seen.text, message);
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(form.isVisible());
    QCOMPARE(BoxTexts(form), boxes);
    QCOMPARE(ResultTexts(form), results);
  }

  // A paste longer than a box holds is cut at 65,535 characters.
  void aLongPasteIsCutAtTheLimit() {
    Form1Window form;
    Show(form);
    auto* box = Find<QLineEdit>(form, "Text1");
    QString paste = QStringLiteral("2500") + QString(70000, QChar(0x263C));
    QGuiApplication::clipboard()->setText(paste);
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box->text().size(), 65535);
    QVERIFY(box->text().startsWith(QStringLiteral("2500")));
    QCOMPARE(ResultTexts(form), QStringList({"", "", ""}));
    QTest::mouseClick(Find<QPushButton>(form, "Command1"), Qt::LeftButton);
    QCOMPARE(ResultTexts(form), kDefaultResults);
  }

  void esciAndClosingEndTheEventLoop_data() {
    QTest::addColumn<bool>("byButton");
    QTest::newRow("ESCI") << true;
    QTest::newRow("close box") << false;
  }
  void esciAndClosingEndTheEventLoop() {
    QFETCH(bool, byButton);
    Form1Window form;
    Show(form);
    Find<QLineEdit>(form, "Text3")->setText(QStringLiteral("9"));  // ends even with results empty
    QTimer::singleShot(0, &form, [&] {
      if (byButton) {
        QTest::mouseClick(Find<QPushButton>(form, "Command2"), Qt::LeftButton);
      } else {
        form.close();
      }
    });
    // The watchdog dies with the form: left running, it would end whatever
    // event loop a later test runs ten seconds on, a file dialog's say.
    QTimer::singleShot(10000, &form, [] { QCoreApplication::exit(99); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!form.isVisible());
  }

  // The menu bar: its menus, NOTTE checkable on F3, and the about box.
  void menuBarCarriesTheCommands() {
    Form1Window form;
    QStringList menus;
    for (const QAction* menu : form.menuBar()->actions()) menus << menu->text();
    QCOMPARE(menus, QStringList({"&FILE", "&VISUALIZZA", "&?"}));
    QAction* notte = form.menuAction(MenuCommand::NightMode);
    QCOMPARE(notte->text(), QStringLiteral("&NOTTE"));
    QVERIFY(notte->isCheckable() && !notte->isChecked());
    QCOMPARE(notte->shortcut(), QKeySequence(Qt::Key_F3));
    QVERIFY(form.menuBar()->actions()[1]->menu()->actions().contains(notte));
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(form.menuBar());
    QCOMPARE(bar->child(0)->text(QAccessible::Name), QStringLiteral("FILE"));
    QCOMPARE(bar->child(1)->text(QAccessible::Name), QStringLiteral("VISUALIZZA"));
    QCOMPARE(form.menuBar()->focusPolicy(), Qt::NoFocus);  // never in the Tab chain

    Show(form);
    const MessageSeen about =
        DismissMessageOf([&] { form.menuAction(MenuCommand::About)->trigger(); });
    QVERIFY(about.shown);
    QCOMPARE(about.title, QStringLiteral("INFORMAZIONI SU CELFORO"));
    for (const char* part : {"CELFORO 1.00", "MIT", "The CELFORO developers"})
      QVERIFY2(about.text.contains(QLatin1String(part)), part);
    QCOMPARE(about.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(!about.iconImage.isNull());  // the program's icon
    QVERIFY(!form.windowIcon().pixmap(48).isNull());
  }

  // By day the message carries the platform's error icon, drawn.
  void theMessageCarriesTheErrorIcon() {
    Form1Window form;
    Show(form);
    Find<QLineEdit>(form, "Text3")->setText(QStringLiteral("0"));
    const MessageSeen seen = DismissMessageOf(
        [&] { QTest::mouseClick(Find<QPushButton>(form, "Command1"), Qt::LeftButton); });
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QVERIFY(!seen.iconImage.isNull());
    QVERIFY(NotNightPixels(seen.iconImage) > 0);
  }

  // F3 turns everything the window draws red on black, green and blue 0: the
  // form with the focus and a selection in a box, the menu open, the message
  // with its icon, the about box; F3 again brings the day back as it was.
  void nightModeDrawsRedOnBlackOnly() {
    Form1Window form;
    Show(form);
    const QImage day = form.grab().toImage();
    QVERIFY(NotNightPixels(day) > 1000);
    QTest::keyClick(form.windowHandle(), Qt::Key_F3);
    QCOMPARE(form.theme(), Theme::Night);
    QVERIFY(form.menuAction(MenuCommand::NightMode)->isChecked());

    auto* box = Find<QLineEdit>(form, "Text2");
    box->setFocus();
    box->selectAll();
    const QImage night = form.grab().toImage();
    QCOMPARE(NotNightPixels(night), 0);
    QVERIFY(RedPixels(night) > 2000);
    QCOMPARE(NotNightPixels(form.element(u"Picture1")->grab().toImage()), 0);

    QMenu* menu = form.menuBar()->actions()[0]->menu();
    menu->popup(form.mapToGlobal(QPoint(0, form.menuBar()->height())));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    menu->setActiveAction(menu->actions()[0]);
    const QImage open = menu->grab().toImage();
    QCOMPARE(NotNightPixels(open), 0);
    QVERIFY(RedPixels(open) > 100);
    menu->close();

    box->deselect();
    box->setText(QStringLiteral("0"));
    const MessageSeen message = DismissMessageOf(
        [&] { QTest::mouseClick(Find<QPushButton>(form, "Command1"), Qt::LeftButton); });
    QVERIFY(message.shown);
    QCOMPARE(NotNightPixels(message.picture), 0);
    QVERIFY(RedPixels(message.iconImage) > 100);  // the error icon, red
    const MessageSeen about =
        DismissMessageOf([&] { form.menuAction(MenuCommand::About)->trigger(); });
    QCOMPARE(NotNightPixels(about.picture), 0);
    QVERIFY(RedPixels(about.iconImage) > 100);

    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(form.windowHandle(), Qt::Key_F3);
    QCOMPARE(form.theme(), Theme::Day);
    box->setText(QStringLiteral(" 5"));
    QTest::mouseClick(Find<QPushButton>(form, "Command1"), Qt::LeftButton);
    form.element(u"Text1")->setFocus();
    Find<QLineEdit>(form, "Text1")->end(false);
    QCOMPARE(form.grab().toImage(), day);
  }

  // The choice is kept in the settings at once and the next window starts in
  // it; a stored value that is missing or not one the program writes, or a
  // file that cannot be read or written, starts the window by day.
  void nightModeIsRememberedAndAnyOtherValueIgnored_data() {
    QTest::addColumn<QByteArray>("stored");  // null: no file at all
    QTest::addColumn<bool>("night");
    QTest::newRow("no file") << QByteArray() << false;
    QTest::newRow("night") << QByteArray("[General]\nNight=1\n") << true;
    QTest::newRow("day") << QByteArray("[General]\nNight=0\n") << false;
    QTest::newRow("a word") << QByteArray("[General]\nNight=yes\n") << false;
    QTest::newRow("a list") << QByteArray("[General]\nNight=1, 1\n") << false;
    QTest::newRow("a variant") << QByteArray("[General]\nNight=@Variant(\\0\\0\\0\\x7f)\n")
                               << false;
    QTest::newRow("empty") << QByteArray("") << false;
    QTest::newRow("junk") << QByteArray("\xff\xfe[[\x01\x02=\nNight\n==\n", 14) << false;
    QTest::newRow("a folder in its place") << QByteArray("/") << false;
  }
  void nightModeIsRememberedAndAnyOtherValueIgnored() {
    QFETCH(QByteArray, stored);
    QFETCH(bool, night);
    const QString path = SettingsFile().fileName();
    QDir().mkpath(QFileInfo(path).path());
    QFile::remove(path);
    QDir(path).removeRecursively();
    if (stored == "/") {
      QVERIFY(QDir().mkpath(path));
    } else if (!stored.isNull()) {
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(stored);
    }
    {
      Form1Window form;
      QCOMPARE(form.theme(), night ? Theme::Night : Theme::Day);
      QCOMPARE(form.menuAction(MenuCommand::NightMode)->isChecked(), night);
      Show(form);
      QTest::keyClick(form.windowHandle(), Qt::Key_F3);
      QCOMPARE(form.theme(), night ? Theme::Day : Theme::Night);
    }
    if (stored == "/") {
      QVERIFY(QFileInfo(path).isDir());  // not written, and no harm done
      QDir(path).removeRecursively();
      return;
    }
    QCOMPARE(QSettings(path, QSettings::IniFormat).value("Night").toString(),
             QString(night ? "0" : "1"));
    Form1Window next;
    QCOMPARE(next.theme(), night ? Theme::Day : Theme::Night);
    QFile::remove(path);
  }

  // Writes what the window looks like, by day and by night, its message and
  // its menu, for people to look at.
  void screenshot() {
    Form1Window form;
    Show(form);
    const QString folder = QStringLiteral(CELFORO_SCREENSHOT_DIR);
    QDir().mkpath(folder);
    const QString scale = QString::number(form.devicePixelRatioF());
    const auto path = [&](const char* what) {
      return QStringLiteral("%1/%2-scale%3.png").arg(folder, QLatin1String(what), scale);
    };
    const auto message = [&](const char* what) {
      Find<QLineEdit>(form, "Text3")->setText(QStringLiteral("0"));
      const MessageSeen seen = DismissMessageOf(
          [&] { QTest::mouseClick(Find<QPushButton>(form, "Command1"), Qt::LeftButton); },
          path(what));
      QVERIFY(seen.shown);
      QVERIFY(QFile::exists(path(what)));
      Find<QLineEdit>(form, "Text3")->setText(QStringLiteral(" 3"));
      QTest::mouseClick(Find<QPushButton>(form, "Command1"), Qt::LeftButton);
      form.element(u"Text1")->setFocus();
    };
    QVERIFY(form.grab().save(path("form1")));
    message("message");

    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(form.windowHandle(), Qt::Key_F3);
    QVERIFY(form.grab().save(path("form1-night")));
    message("message-night");
    // The window with its menu open, as one picture.
    QMenu* menu = form.menuBar()->actions()[0]->menu();
    menu->popup(form.mapToGlobal(QPoint(0, form.menuBar()->height())));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    menu->setActiveAction(menu->actions()[0]);
    QImage withMenu = form.grab().toImage();
    QPainter painter(&withMenu);
    painter.drawImage(QPoint(0, form.menuBar()->height()), menu->grab().toImage());
    painter.end();
    QVERIFY(withMenu.save(path("menu-night")));
    menu->close();
  }
};

}  // namespace celforo::qt

int main(int argc, char** argv) {
  if (!celforo::testing::ApplyTestLocale()) return 1;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The settings the window keeps go to a folder of this run's own, never the
  // user's nor another run's.
  QTemporaryDir settings;
  if (!settings.isValid()) return 1;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
  QApplication application(argc, argv);
  QApplication::setCursorFlashTime(0);  // a caret that never blinks: pictures compare
  celforo::qt::QtWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "qt_window_test.moc"
