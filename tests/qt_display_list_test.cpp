// Display lists painted with QPainter, offscreen: every kind of shape where
// it belongs at several pixel ratios, by day and by night.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <cmath>

#include "qt/display_list_painter.h"
#include "qt/qt_colour.h"
#include "tests/support/qt_window_checks.h"
#include "tests/support/shape_sample.h"
#include "tests/support/test_locale.h"

namespace celforo::qt {
namespace {

using testing::kInkRegions;
using testing::kSampleHeight;
using testing::kSampleWidth;
using testing::kShapeProbes;
using testing::NotNightPixels;

QImage Painted(const DisplayList& list, const Palette& palette, double ratio) {
  QImage image(static_cast<int>(std::lround(list.width * ratio)),
               static_cast<int>(std::lround(list.height * ratio)), QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::magenta);  // what no shape paints
  QPainter painter(&image);
  PaintDisplayList(painter, list, palette);
  painter.end();
  return image;
}

}  // namespace

class QtDisplayListTest : public QObject {
  Q_OBJECT

private slots:
  void everyShapeWhereItBelongs_data() {
    QTest::addColumn<double>("ratio");
    QTest::addColumn<bool>("night");
    for (const double ratio : {1.0, 1.5, 2.0})
      for (const bool night : {false, true})
        QTest::addRow("%s at %g", night ? "night" : "day", ratio) << ratio << night;
  }

  // The probes' colours, text at its edge of its box and nowhere else, and
  // by night not a pixel with green or blue.
  void everyShapeWhereItBelongs() {
    QFETCH(double, ratio);
    QFETCH(bool, night);
    const Palette& palette = PaletteOf(night ? Theme::Night : Theme::Day);
    const QImage image = Painted(testing::ShapeSample(), palette, ratio);
    QStringList failures;
    for (const testing::ShapeProbe& probe : kShapeProbes) {
      const QColor seen =
          image.pixelColor(static_cast<int>(probe.x * ratio), static_cast<int>(probe.y * ratio));
      if (seen != ToQColor(Colour(palette, probe.role)))
        failures << QStringLiteral("%1 (%2, %3): %4")
                        .arg(QLatin1String(probe.what))
                        .arg(probe.x)
                        .arg(probe.y)
                        .arg(seen.name());
    }
    const QColor sky = ToQColor(Colour(palette, Role::SkyGround));
    for (const testing::InkRegion& region : kInkRegions) {
      int inked = 0;
      for (int y = static_cast<int>(region.box.top * ratio);
           y < static_cast<int>((region.box.top + region.box.height) * ratio); ++y)
        for (int x = static_cast<int>(region.box.left * ratio);
             x < static_cast<int>((region.box.left + region.box.width) * ratio); ++x)
          inked += image.pixelColor(x, y) != sky;
      if ((inked > 0) != region.inked)
        failures
            << QStringLiteral("%1: %2 pixels inked").arg(QLatin1String(region.what)).arg(inked);
    }
    if (night) QCOMPARE(NotNightPixels(image), 0);
    const QString folder = QStringLiteral(CELFORO_SCREENSHOT_DIR);
    QDir().mkpath(folder);
    image.save(QStringLiteral("%1/shapes-qt-%2-%3x.png")
                   .arg(folder, QLatin1String(night ? "night" : "day"))
                   .arg(ratio));
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QStringLiteral("; "))));
  }

  // Nothing is painted outside the picture's box.
  void cutAtThePicturesEdge() {
    DisplayList list = testing::ShapeSample();
    list.shapes.push_back({PolylineShape{{{-50, 90}, {400, 90}}, Role::AltitudeCurve, 6}, {}});
    list.shapes.push_back({EllipseShape{kSampleWidth, kSampleHeight, 40, 20, Role::RedSpot,
                                        std::nullopt, 0, EllipsePart::Whole, 20},
                           {}});
    list.width = kSampleWidth - 20;
    list.height = kSampleHeight - 20;
    QImage image(static_cast<int>(kSampleWidth), static_cast<int>(kSampleHeight),
                 QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    PaintDisplayList(painter, list, kDayPalette);
    painter.end();
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (x >= list.width || y >= list.height)
          QCOMPARE(image.pixelColor(x, y), QColor(Qt::magenta));
  }
};

}  // namespace celforo::qt

int main(int argc, char** argv) {
  if (!celforo::testing::ApplyTestLocale()) return 1;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  celforo::qt::QtDisplayListTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "qt_display_list_test.moc"
