// The optics, through the texts the window shows.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <utility>

#include "calc/checked_arithmetic.h"
#include "calc/numeric_text.h"
#include "calc/projection.h"
#include "calc/run_time_error.h"
#include "tests/support/computed.h"

namespace celforo {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(ComputeProjection, WorkedExamplesFromTheBoxTexts) {
  struct Row {
    const char* objective;
    const char* eyepiece;
    const char* extraction;
    const char* label1;
    const char* label2;
    const char* label8;
  };
  const Row rows[] = {
      {" 2500", " 5", " 3", " 1.666667", " 4166.666667", " 13.333333"},
      {"2000", "10", "5", " 2", " 4000", " 30"},
      {"2500", "2", "4", " .5", " 1250", " 3"},
      {"2500", "5", "-3", "-1.666667", "-4166.666667", "-3.333333"},
      {"1e300", "1e6", "1e6", " 1", " 1E+300", " 2000000"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label1);
    const ProjectionResults results = *ComputeProjection(
        {ReadNumber(row.objective), ReadNumber(row.eyepiece), ReadNumber(row.extraction)});
    EXPECT_EQ(ResultText(results.magnification), row.label1);
    EXPECT_EQ(ResultText(results.equivalentFocalLength), row.label2);
    EXPECT_EQ(ResultText(results.focalPlaneDistance), row.label8);
  }
}

TEST(ComputeProjection, FormsOnePlusMagnificationBeforeTheProduct) {
  const ProjectionResults results = *ComputeProjection({2500, 5, 3});
  EXPECT_EQ(results.magnification, 5.0 / 3.0);
  EXPECT_EQ(results.equivalentFocalLength, 4166.666666666667);
  EXPECT_EQ(results.focalPlaneDistance, 13.333333333333336);
}

TEST(ComputeProjection, ZeroResultsAreComputedNotRefused) {
  struct Row {
    ProjectionInputs inputs;
    ProjectionResults results;
  };
  const Row rows[] = {
      {{2500, 0, 3}, {0, 0, 0}},
      {{0, 5, 5}, {1, 0, 10}},
      {{2500, 3, -3}, {-1, -2500, 0}},
  };
  for (const Row& row : rows) {
    const Computed<ProjectionResults> computed = ComputeProjection(row.inputs);
    ASSERT_TRUE(computed);
    const ProjectionResults& results = *computed;
    EXPECT_EQ(results.magnification, row.results.magnification);
    EXPECT_EQ(results.equivalentFocalLength, row.results.equivalentFocalLength);
    EXPECT_EQ(results.focalPlaneDistance, row.results.focalPlaneDistance);
  }
}

// The steps after a failing one still run, on whatever it gave, and none of
// them changes the failure; a calculation within another fails it alike.
TEST(CheckedArithmetic, TheFirstFailingStepIsTheFailure) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    const char* what;
    std::function<double(CheckedArithmetic&)> steps;
    std::optional<RunTimeErrorKind> failure;
  } rows[] = {
      {"no failure", [](CheckedArithmetic& a) { return a.Quotient(a.Checked(5), 2); }, {}},
      {"5 / 0, then infinity",
       [&](CheckedArithmetic& a) { return a.Checked(a.Quotient(5, 0) + inf); },
       RunTimeErrorKind::DivisionByZero},
      {"infinity, then 5 / 0",
       [&](CheckedArithmetic& a) { return a.Checked(inf) + a.Quotient(5, 0); },
       RunTimeErrorKind::Overflow},
      {"0 / 0", [](CheckedArithmetic& a) { return a.Quotient(0, 0); }, RunTimeErrorKind::Overflow},
      {"a quotient beyond the range",
       [](CheckedArithmetic& a) { return a.Quotient(1e308, 1e-308); }, RunTimeErrorKind::Overflow},
      {"a failed calculation taken, then 0 / 0",
       [](CheckedArithmetic& a) {
         return a.Take(ExtractionForMagnification(5, 0)) + a.Quotient(0, 0);
       },
       RunTimeErrorKind::DivisionByZero},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    CheckedArithmetic a;
    const Computed<double> result = a.Result(row.steps(a));
    EXPECT_EQ(FailureOf(result), row.failure);
    EXPECT_EQ(a.failed(), row.failure.has_value());
    if (result) {
      EXPECT_EQ(*result, 2.5);
    }
  }
}

TEST(ComputeProjection, FailsWithTheKindOfTheFirstBadStep) {
  struct Row {
    ProjectionInputs inputs;
    RunTimeErrorKind kind;
  };
  const Row rows[] = {
      {{2500, 5, 0}, RunTimeErrorKind::DivisionByZero},
      {{2500, 5, -0.0}, RunTimeErrorKind::DivisionByZero},
      {{0, -5, 0}, RunTimeErrorKind::DivisionByZero},
      {{2500, 0, 0}, RunTimeErrorKind::Overflow},
      {{2500, -0.0, 0}, RunTimeErrorKind::Overflow},
      {{kInf, 5, 3}, RunTimeErrorKind::Overflow},
      {{2500, -kInf, 3}, RunTimeErrorKind::Overflow},
      {{2500, 5, kInf}, RunTimeErrorKind::Overflow},
      {{kNaN, 5, 3}, RunTimeErrorKind::Overflow},
      {{2500, 5, kNaN}, RunTimeErrorKind::Overflow},
      {{kInf, 5, 0}, RunTimeErrorKind::Overflow},        // inputs are checked first
      {{1, 1e308, 1e-308}, RunTimeErrorKind::Overflow},  // the quotient
      {{1e308, 10, 1}, RunTimeErrorKind::Overflow},      // the product
      {{1, kMax, 1}, RunTimeErrorKind::Overflow},        // the distance
      {{1, -kMax, -1}, RunTimeErrorKind::Overflow},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(SignedNumberText(row.inputs.objectiveFocalLength) +
                 SignedNumberText(row.inputs.eyepieceFocalLength) +
                 SignedNumberText(row.inputs.eyepieceExtraction));
    EXPECT_EQ(FailureOf(ComputeProjection(row.inputs)), row.kind);
  }
}

}  // namespace
}  // namespace celforo

namespace celforo {
namespace {

TEST(Solve, ExtractionsForAFocalLengthOrAMagnification) {
  struct Row {
    const char* what;
    double extraction;  // NaN: fails
    RunTimeErrorKind failure;
  };
  const double kFails = std::numeric_limits<double>::quiet_NaN();
  auto focal = [](double o, double e, double f) {
    return [=] { return ExtractionForFocalLength(o, e, f); };
  };
  auto power = [](double e, double m) { return [=] { return ExtractionForMagnification(e, m); }; };
  const std::pair<std::function<Computed<double>()>, Row> rows[] = {
      {focal(2500, 5, 4166.666667), {"defaults' shown focal length", 12500 / 4166.666667, {}}},
      {focal(2500, 5, 5000), {"5000 mm", 2.5, {}}},
      {focal(2500, 5, -5000), {"negative", -2.5, {}}},
      {focal(2500, 5, 0), {"zero focal length", kFails, RunTimeErrorKind::DivisionByZero}},
      {focal(0, 5, 0), {"0 / 0", kFails, RunTimeErrorKind::Overflow}},
      {focal(1e200, 1e200, 1), {"product too large", kFails, RunTimeErrorKind::Overflow}},
      {focal(2500, 5, 1e-320), {"quotient too large", kFails, RunTimeErrorKind::Overflow}},
      {power(5, 2), {"magnification 2", 2.5, {}}},
      {power(5, 0), {"magnification 0", kFails, RunTimeErrorKind::DivisionByZero}},
      {power(0, 0), {"0 / 0 again", kFails, RunTimeErrorKind::Overflow}},
      {power(kInf, 2), {"infinite eyepiece", kFails, RunTimeErrorKind::Overflow}},
  };
  for (const auto& [solve, row] : rows) {
    SCOPED_TRACE(row.what);
    if (!std::isnan(row.extraction)) {
      EXPECT_EQ(solve(), row.extraction);
      continue;
    }
    EXPECT_EQ(FailureOf(solve()), row.failure);
  }
  // Solving for what the window shows for the defaults gives back their extraction.
  EXPECT_EQ(Shown(ExtractionForFocalLength(2500, 5, ReadNumber(" 4166.666667"))), " 3");
}

}  // namespace
}  // namespace celforo
