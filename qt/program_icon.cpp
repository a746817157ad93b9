#include "qt/program_icon.h"

#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <QWidget>
#include <memory>

#include "qt/first_paint.h"

namespace celforo::qt {
namespace {

// The images, read once, shared by the copies of the icon.
struct Images {
  bool offered = false;  // to the window's frame
  QIcon loaded;

  const QIcon& icon() {
    if (loaded.isNull()) {
      loaded.addPixmap(QPixmap(QStringLiteral(":/celforo/icons/celforo-48.png"), "PNG"));
      loaded.addPixmap(QPixmap(QStringLiteral(":/celforo/icons/celforo-256.png"), "PNG"));
    }
    return loaded;
  }
};

// QIcon's own file icons read every image as it is added, to learn its
// size, after looking for plugins; this one reads them when first drawn.
class ResourceIconEngine : public QIconEngine {
public:
  explicit ResourceIconEngine(std::shared_ptr<Images> images) : images_(std::move(images)) {}

  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    if (!images_->offered) return {};
    return {QSize(48, 48), QSize(256, 256)};
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    if (!images_->offered) return {};
    return images_->icon().pixmap(size, mode, state);
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    if (images_->offered) images_->icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }

  QIconEngine* clone() const override { return new ResourceIconEngine(images_); }
  QString key() const override { return QStringLiteral("celforo"); }
  bool isNull() override { return false; }

private:
  std::shared_ptr<Images> images_;
};

}  // namespace

QIcon ProgramIcon() {
  auto images = std::make_shared<Images>();
  images->offered = true;
  return QIcon(new ResourceIconEngine(images));
}

void GiveProgramIcon(QWidget* window) {
  auto images = std::make_shared<Images>();
  window->setWindowIcon(QIcon(new ResourceIconEngine(images)));
  AfterFirstPaint(window, [window, images] {
    images->offered = true;
    window->setWindowIcon(window->windowIcon());  // the frame asks again
  });
}

}  // namespace celforo::qt
