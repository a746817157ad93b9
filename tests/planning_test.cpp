// Planning a set-up from its equivalent focal length, through the texts
// celforo-calc shows, and the failures it shares with the window.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <optional>
#include <string>

#include "calc/numeric_text.h"
#include "calc/planning.h"
#include "calc/run_time_error.h"

namespace celforo {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(Planning, ValuesAndFailures) {
  using Kind = RunTimeErrorKind;
  struct Case {
    const char* what;
    std::function<double()> compute;
    std::string shown;                        // ResultText of the value, when it is shown
    std::optional<RunTimeErrorKind> failure;  // when computing or showing it fails
  };
  const Case cases[] = {
      {"focal ratio", [] { return FocalRatio(5000, 250); }, " 20", {}},
      {"image scale", [] { return ImageScale(5000, 3.75); }, " .154699", {}},
      // 2 atan(0.5) rad is 3187.806 arcminutes; the small angle would give 3437.747.
      {"field, exact angle", [] { return FieldOfView(100, 10, 10000); }, " 3187.806141", {}},
      {"field of a negative focal length",
       [] { return FieldOfView(-100, 10, 10000); },
       "-3187.806141",
       {}},
      {"extraction for f/20", [] { return ExtractionForFocalRatio(2500, 5, 250, 20); }, " 2.5", {}},
      {"extraction for 0.15 arcsec/pixel",
       [] { return ExtractionForImageScale(2500, 5, 3.75, 0.15); },
       " 2.424068",
       {}},
      {"zero aperture", [] { return FocalRatio(5000, 0); }, "", Kind::DivisionByZero},
      {"zero over zero", [] { return FocalRatio(0, 0); }, "", Kind::Overflow},
      {"zero focal length", [] { return ImageScale(0, 3.75); }, "", Kind::DivisionByZero},
      {"field at zero focal length", [] { return FieldOfView(0, 3.75, 640); }, "",
       Kind::DivisionByZero},
      {"scale out of range", [] { return ImageScale(1e-300, kMax); }, "", Kind::Overflow},
      {"infinite aperture", [] { return FocalRatio(5000, kInf); }, "", Kind::Overflow},
      {"scale below a millionth", [] { return ImageScale(1e12, 2.9); }, "", Kind::TypeMismatch},
      {"zero target focal ratio", [] { return ExtractionForFocalRatio(2500, 5, 250, 0); }, "",
       Kind::DivisionByZero},
      {"zero target image scale", [] { return ExtractionForImageScale(2500, 5, 3.75, 0); }, "",
       Kind::DivisionByZero},
      {"target focal ratio out of range", [] { return ExtractionForFocalRatio(2500, 5, kMax, 10); },
       "", Kind::Overflow},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    try {
      EXPECT_EQ(ResultText(c.compute()), c.shown);
      EXPECT_FALSE(c.failure);
    } catch (const RunTimeError& error) {
      ASSERT_TRUE(c.failure) << error.report();
      EXPECT_EQ(error.kind(), *c.failure);
    }
  }
}

}  // namespace
}  // namespace celforo
