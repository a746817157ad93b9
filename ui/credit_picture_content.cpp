#include "ui/credit_picture_content.h"

namespace celforo {
namespace {

PictureBox ToPictureBox(PixelRect rect) {
  return {static_cast<double>(rect.left), static_cast<double>(rect.top),
          static_cast<double>(rect.width), static_cast<double>(rect.height)};
}

}  // namespace

std::string CreditPictureDescription() {
  std::string description;
  for (const std::string_view line : kCreditPicture.lines)
    description.append(description.empty() ? "" : ", ").append(line);
  return description;
}

DisplayList CreditPictureDisplayList() {
  const CreditPictureContent& picture = kCreditPicture;
  DisplayList list;
  list.width = picture.width;
  list.height = picture.height;
  list.name = picture.name;
  list.description = CreditPictureDescription();
  list.shapes.push_back(
      {RectShape{{0, 0, list.width, list.height}, picture.ground, std::nullopt, 0}, {}});

  // The pen lies wholly inside the monogram's box: its centre line is half a
  // pen inside the box's edges.
  const PictureBox box = ToPictureBox(picture.monogramBox);
  const double pen = picture.monogramPen;
  const PictureBox penCentre{box.left + pen / 2, box.top + pen / 2, box.width - pen,
                             box.height - pen};
  list.shapes.push_back({RectShape{penCentre, std::nullopt, picture.ink, pen}, {}});
  list.shapes.push_back(
      {TextShape{box, std::string(picture.monogram), picture.ink,
                 static_cast<double>(picture.monogramFontPixels), true, TextAlign::Centre},
       {}});
  for (std::size_t line = 0; line < picture.lines.size(); ++line) {
    list.shapes.push_back(
        {TextShape{ToPictureBox(picture.LineBox(static_cast<int>(line))),
                   std::string(picture.lines[line]), picture.ink,
                   static_cast<double>(picture.lineFontPixels), false, TextAlign::Centre},
         {}});
  }
  return list;
}

}  // namespace celforo
