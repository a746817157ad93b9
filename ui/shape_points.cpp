#include "ui/shape_points.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace celforo {
namespace {

// The chord of an arc of radius r and angle t departs from it by r * t^2 / 8
// at most: steps of sqrt(8 * kDeparture / r) keep that below kDeparture.
constexpr double kDeparture = 0.05;
constexpr int kFewestSteps = 24;  // a whole ellipse's, however small
constexpr int kMostSteps = 4096;  // however large
constexpr double kMostDashes = 10000;

int StepsFor(double radius, double angle) {
  const double step = std::sqrt(8 * kDeparture / std::max(radius, kDeparture));
  const double steps = std::ceil(angle / step);
  const int fewest = static_cast<int>(std::ceil(kFewestSteps * angle / (2 * std::numbers::pi)));
  if (!(steps < kMostSteps)) return kMostSteps;  // NaN included
  return std::max(fewest, static_cast<int>(steps));
}

// Adds `point` to the end of `run` unless it ends there already.
void Extend(std::vector<PicturePoint>& run, PicturePoint point) {
  if (run.empty() || run.back().x != point.x || run.back().y != point.y) run.push_back(point);
}

}  // namespace

std::vector<PicturePoint> EllipsePoints(const EllipseShape& ellipse) {
  // Angles counter-clockwise as seen, from the rx axis's positive end; y
  // grows downwards, so a point at angle a lies at (cos a, -sin a).
  const double turn = ellipse.rotation * std::numbers::pi / 180;
  const double cosTurn = std::cos(turn), sinTurn = std::sin(turn);
  double from = 0, sweep = 2 * std::numbers::pi;
  if (ellipse.part == EllipsePart::UpperHalf) sweep = std::numbers::pi;
  if (ellipse.part == EllipsePart::LowerHalf) from = std::numbers::pi, sweep = std::numbers::pi;
  const int steps = StepsFor(std::max(std::fabs(ellipse.rx), std::fabs(ellipse.ry)), sweep);
  std::vector<PicturePoint> points;
  points.reserve(static_cast<std::size_t>(steps) + 1);
  for (int i = 0; i <= steps; ++i) {
    const double a =
        i == steps && ellipse.part == EllipsePart::Whole ? 0 : from + sweep * i / steps;
    const double u = ellipse.rx * std::cos(a), v = ellipse.ry * std::sin(a);
    points.push_back(
        {ellipse.cx + u * cosTurn - v * sinTurn, ellipse.cy - (u * sinTurn + v * cosTurn)});
  }
  return points;
}

bool DrawnDashed(std::span<const PicturePoint> points, double dash) {
  double whole = 0;
  for (std::size_t i = 1; i < points.size(); ++i)
    whole += std::hypot(points[i].x - points[i - 1].x, points[i].y - points[i - 1].y);
  return dash >= 0.01 && whole / dash <= 2 * kMostDashes;
}

std::vector<std::vector<PicturePoint>> DashRuns(std::span<const PicturePoint> points, double dash) {
  std::vector<std::vector<PicturePoint>> runs;
  if (points.empty()) return runs;
  if (!DrawnDashed(points, dash)) {
    runs.emplace_back(points.begin(), points.end());
    return runs;
  }
  bool inked = true;   // whether the line is in a dash or a gap
  double left = dash;  // of the current dash or gap
  runs.push_back({points.front()});
  for (std::size_t i = 1; i < points.size(); ++i) {
    const PicturePoint a = points[i - 1], b = points[i];
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    double done = 0;  // along this segment
    while (length - done > left) {
      done += left;
      const PicturePoint at{a.x + (b.x - a.x) * done / length, a.y + (b.y - a.y) * done / length};
      if (inked) {
        Extend(runs.back(), at);
      } else {
        runs.push_back({at});
      }
      inked = !inked;
      left = dash;
    }
    left -= length - done;
    if (inked) Extend(runs.back(), b);
  }
  // A dash begun exactly at the last point has no length.
  if (runs.back().size() < 2) runs.pop_back();
  return runs;
}

}  // namespace celforo
