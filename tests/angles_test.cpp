#include "calc/angles.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <numbers>
#include <random>

namespace celforo {
namespace {

// Remainder must be the C library's std::remainder bit for bit: the
// astronomy's angles go through it on every platform.
TEST(Remainder, IsTheExactRemainderOfTheCLibrary) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  constexpr double kTiny = std::numeric_limits<double>::denorm_min();
  constexpr double kPi = std::numbers::pi;
  struct Case {
    double x, y;
  };
  // Past half a turn and at it (ties go to the even multiple), a signed zero,
  // the tiniest and a huge angle, a negative turn, radians, small whole
  // numbers where every case is a tie, then the cases with no number.
  const std::array<Case, 19> cases{{
      {190, 360},   {-190, 360}, {180, 360},          {-180, 360},
      {540, 360},   {-540, 360}, {-0.0, 360},         {kTiny, 360},
      {1e300, 360}, {190, -360}, {kPi, 2 * kPi},      {3 * kPi, 2 * kPi},
      {5, 2},       {7, 2},      {1e308, 1e-308},     {kInf, 360},
      {360, 0},     {360, kInf}, {std::nan(""), 360},
  }};
  for (const Case& c : cases) {
    const double expected = std::remainder(c.x, c.y);
    const double got = Remainder(c.x, c.y);
    if (std::isnan(expected)) {
      EXPECT_TRUE(std::isnan(got)) << c.x << " " << c.y;
    } else {
      EXPECT_EQ(got, expected) << c.x << " " << c.y;
      EXPECT_EQ(std::signbit(got), std::signbit(expected)) << c.x << " " << c.y;
    }
  }
}

// Any pair of finite doubles, and the multiples and half multiples of a
// turn where rounding to the even whole number decides.
TEST(Remainder, AgreesWithTheCLibraryOnRandomDoubles) {
  std::mt19937_64 random(20261209);
  const auto anyDouble = [&] {
    double value = std::nan("");
    while (!std::isfinite(value)) {
      const std::uint64_t bits = random();
      std::memcpy(&value, &bits, sizeof value);
    }
    return value;
  };
  for (int i = 0; i < 200000; ++i) {
    const double y = i % 4 == 0 ? 360.0 : i % 4 == 1 ? 2 * std::numbers::pi : anyDouble();
    const double x =
        i % 8 == 7 ? y * 0.5 * static_cast<double>(random() % 2001) - y * 500.0 : anyDouble();
    const double expected = std::remainder(x, y);
    const double got = Remainder(x, y);
    if (std::isnan(expected)) {
      ASSERT_TRUE(std::isnan(got)) << x << " " << y;
      continue;
    }
    ASSERT_EQ(got, expected) << x << " " << y;
    ASSERT_EQ(std::signbit(got), std::signbit(expected)) << x << " " << y;
  }
}

TEST(Remainder, TakesAnglesToWithinHalfATurnAsDocumented) {
  EXPECT_EQ(Remainder(190, 360), -170);
  EXPECT_EQ(Remainder(180, 360), 180);
  EXPECT_EQ(Remainder(540, 360), -180);
  EXPECT_EQ(WithinOneTurn(-90), 270);
  EXPECT_EQ(WithinOneTurn(725), 5);
  EXPECT_EQ(WithinOneTurn(360), 0);
  EXPECT_EQ(WithinOneTurn(-720), 0);
  EXPECT_DOUBLE_EQ(SinDegrees(390), 0.5);
  EXPECT_DOUBLE_EQ(CosDegrees(-300), 0.5);
}

}  // namespace
}  // namespace celforo
