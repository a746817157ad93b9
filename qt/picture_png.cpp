#include "qt/picture_png.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <cmath>

#include "qt/display_list_painter.h"

namespace celforo::qt {
namespace {

// Larger pictures than any the program draws are refused, not painted.
constexpr double kMostSide = 10000;

}  // namespace

std::optional<std::string> PngOfDisplayList(const DisplayList& list, const Palette& palette) {
  if (!(list.width > 0 && list.height > 0 && list.width <= kMostSide && list.height <= kMostSide))
    return std::nullopt;
  QImage image(static_cast<int>(std::ceil(list.width)), static_cast<int>(std::ceil(list.height)),
               QImage::Format_ARGB32_Premultiplied);
  if (image.isNull()) return std::nullopt;
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    PaintDisplayList(painter, list, palette);
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return std::nullopt;
  return bytes.toStdString();
}

}  // namespace celforo::qt
