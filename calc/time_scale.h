// Instants on the two time scales the astronomy needs, as distinct types:
// Universal Time, which follows the Earth's rotation (sidereal time, and the
// civil time the user types: UTC stands for UT1, within a second), and
// Terrestrial Time, the uniform time of the ephemerides (the planets'
// elements and the lunar series). TT = UT + delta T.
#pragma once

#include <chrono>
#include <compare>

namespace celforo {

// A span of time in days, fractional: std::chrono::hours(6) converts to 0.25.
using Days = std::chrono::duration<double, std::ratio<86400>>;

enum class TimeScale { Universal, Terrestrial };

// An instant as a Julian day on one time scale. Instants of different scales
// do not mix: ToTerrestrial and ToUniversal convert between them.
// UniversalTime(2451545.0) + std::chrono::hours(12) is JD 2451545.5 UT.
template <TimeScale scale>
class Instant {
public:
  constexpr Instant() = default;
  constexpr explicit Instant(double julianDay) : julianDay_(julianDay) {}

  constexpr double julianDay() const { return julianDay_; }

  friend constexpr Instant operator+(Instant t, Days span) {
    return Instant(t.julianDay_ + span.count());
  }
  friend constexpr Instant operator-(Instant t, Days span) {
    return Instant(t.julianDay_ - span.count());
  }
  friend constexpr Days operator-(Instant later, Instant earlier) {
    return Days(later.julianDay_ - earlier.julianDay_);
  }
  friend constexpr auto operator<=>(Instant, Instant) = default;

private:
  double julianDay_ = 0;
};

using UniversalTime = Instant<TimeScale::Universal>;
using TerrestrialTime = Instant<TimeScale::Terrestrial>;

// A stretch of Universal Time from `start` up to `end`.
struct TimeSpan {
  UniversalTime start;
  UniversalTime end;
};

// Delta T = TT - UT in seconds at a UT instant, from F. Espenak and J.
// Meeus's polynomials for 1800 to 2050 ("Five Millennium Canon of Solar
// Eclipses", NASA/TP-2006-214141, and eclipse.gsfc.nasa.gov "Polynomial
// Expressions for Delta T"), the year taken continuously; before 1800 and
// after 2050 the first and last polynomials go on. 2000-01-01 gives 63.86;
// the published 63.8 for that date is observed.
double DeltaT(UniversalTime instant);

// TT = UT + delta T: 2000-01-01 12:00 UT is JD 2451545.000739 TT.
TerrestrialTime ToTerrestrial(UniversalTime instant);

// UT = TT - delta T, the inverse of ToTerrestrial to well under a millisecond.
UniversalTime ToUniversal(TerrestrialTime instant);

// Julian centuries of TT from J2000.0, the T of Meeus's series:
// JD 2448724.5 TT (1992-04-12 00:00) is -0.077221081451.
double JulianCenturies(TerrestrialTime instant);

}  // namespace celforo
