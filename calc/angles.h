// Angles brought into one turn, and the sine and cosine of angles in degrees.
#pragma once

namespace celforo {

// x - n y for the whole n nearest x / y, the even one where two are as near:
// IEEE 754's remainder, exact, as std::remainder gives it (Remainder(190, 360)
// is -170, Remainder(180, 360) is 180, Remainder(540, 360) is -180). Taken
// from std::fmod, also exact, which the program uses anyway.
double Remainder(double x, double y);

// An angle in degrees taken into the turn from 0 to 360, as longitudes,
// right ascensions and sidereal times are given: WithinOneTurn(-90) is 270,
// WithinOneTurn(725) is 5. (The tiniest negative angles give 360 itself.)
double WithinOneTurn(double degrees);

// Of an angle of any size in degrees, first brought within half a turn.
double SinDegrees(double degrees);
double CosDegrees(double degrees);

}  // namespace celforo
