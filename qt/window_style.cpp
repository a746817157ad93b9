#include "qt/window_style.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <optional>

namespace celforo::qt {
namespace {

// Asks the style for the icon the first time it is drawn.
class StyleIconEngine : public QIconEngine {
public:
  StyleIconEngine(const QStyle* style, QStyle::StandardPixmap which)
      : style_(const_cast<QStyle*>(style)), which_(which) {}

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().pixmap(size, mode, state);
  }
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return icon().availableSizes(mode, state);
  }
  QIconEngine* clone() const override { return new StyleIconEngine(style_, which_); }
  bool isNull() override { return false; }

private:
  const QIcon& icon() {
    if (!icon_) icon_ = style_ ? style_->standardIcon(which_) : QIcon();
    return *icon_;
  }

  QPointer<QStyle> style_;
  QStyle::StandardPixmap which_;
  std::optional<QIcon> icon_;
};

}  // namespace

QIcon WindowStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                const QWidget* widget) const {
  if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
    return QIcon(new StyleIconEngine(baseStyle(), icon));
  return QProxyStyle::standardIcon(icon, option, widget);
}

}  // namespace celforo::qt
