#include "ui/picture_labels.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "calc/json_text.h"

namespace celforo {

double TextWidthEstimate(std::string_view text, double fontPixels) {
  return 0.6 * fontPixels * static_cast<double>(Utf8Characters(text));
}

bool Inside(const PictureBox& box, PicturePoint point) {
  return point.x >= box.left && point.x <= box.left + box.width && point.y >= box.top &&
         point.y <= box.top + box.height;
}

double Overlap(const PictureBox& a, const PictureBox& b) {
  const double width = std::min(a.left + a.width, b.left + b.width) - std::max(a.left, b.left);
  const double height = std::min(a.top + a.height, b.top + b.height) - std::max(a.top, b.top);
  return width > 0 && height > 0 ? width * height : 0;
}

std::size_t PlaceLabel(std::span<const PictureBox> candidates, std::vector<PictureBox>& taken,
                       const PictureBox& within) {
  std::size_t best = 0;
  double least = std::numeric_limits<double>::infinity();
  for (std::size_t i = 0; i < candidates.size() && least > 0; ++i) {
    const PictureBox& box = candidates[i];
    double cost = box.width * box.height - Overlap(box, within);
    for (const PictureBox& other : taken) cost += Overlap(box, other);
    if (cost < least) least = cost, best = i;
  }
  taken.push_back(candidates[best]);
  return best;
}

PicturePoint EdgePoint(const PictureBox& box, PicturePoint from, PicturePoint towards) {
  const double dx = towards.x - from.x, dy = towards.y - from.y;
  // The least positive step along (dx, dy) that meets an edge.
  double step = std::numeric_limits<double>::infinity();
  if (dx > 0) step = std::min(step, (box.left + box.width - from.x) / dx);
  if (dx < 0) step = std::min(step, (box.left - from.x) / dx);
  if (dy > 0) step = std::min(step, (box.top + box.height - from.y) / dy);
  if (dy < 0) step = std::min(step, (box.top - from.y) / dy);
  if (!std::isfinite(step)) return from;
  return {from.x + step * dx, from.y + step * dy};
}

}  // namespace celforo
