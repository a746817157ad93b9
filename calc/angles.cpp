#include "calc/angles.h"

#include <cmath>

#include "calc/astronomical_constants.h"

namespace celforo {

double Remainder(double x, double y) {
  const double turn = std::fabs(y);
  double rest = std::fmod(x, turn);  // exact, of x's sign, below a turn
  const double size = 2 * std::fabs(rest);
  // Past half a turn, the next whole n is nearer: rest less a turn, exact
  // as the two are within a factor of two. At half a turn, the even n: the
  // whole part of x / y is odd where x's remainder in two turns is a turn or more.
  if (size > turn || (size == turn && std::fabs(std::fmod(x, 2 * turn)) >= turn))
    rest -= std::copysign(turn, rest);
  return rest;
}

double WithinOneTurn(double degrees) {
  const double angle = std::fmod(degrees, 360.0);
  return angle < 0 ? angle + 360.0 : angle;
}

double SinDegrees(double degrees) {
  return std::sin(Remainder(degrees, 360.0) * kRadiansPerDegree);
}

double CosDegrees(double degrees) {
  return std::cos(Remainder(degrees, 360.0) * kRadiansPerDegree);
}

}  // namespace celforo
