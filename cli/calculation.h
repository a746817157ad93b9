// Set-ups computed into their outcomes with the run's camera and target: the
// three results first, so that a failure is the window's, then the columns
// of the plan, each field written as the run's layout writes it (text or
// JSON). Nothing here writes to a stream.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <tuple>

#include "calc/plan_columns.h"
#include "calc/projection.h"
#include "calc/run_time_error.h"
#include "cli/columns.h"
#include "cli/mode.h"
#include "cli/row.h"

namespace celforo::cli {

class Calculator {
public:
  // `cameraAndTarget` with its target already computed: every row of the run
  // is computed from the same one, and the columns that do not depend on the
  // set-up are written once, here. With Lead::Time the row starts with the
  // target's instant.
  Calculator(const CameraAndTarget& cameraAndTarget, Lead lead, bool json);

  const Columns& columns() const { return columns_; }

  // One set-up. The extraction, when shown, is an input, written as the
  // window writes a value into a box.
  Outcome Calculate(const ProjectionInputs& inputs) const;
  // The same into `outcome`, reusing the row it may hold.
  void Calculate(const ProjectionInputs& inputs, Outcome& outcome) const;

  // The extraction a solve aims at, and its set-up.
  Outcome Calculate(const Solve& solve) const;
  // The set-up a solve finds, or why it finds none.
  Computed<ProjectionInputs> SetUpOf(const Solve& solve) const;

private:
  // The texts of a set-up's fields into an empty `row`; the run-time error
  // that stopped it, if one did.
  std::optional<RunTimeErrorKind> Fill(const ProjectionInputs& inputs, Row& row) const;

  // A column's text computed once, or how computing it failed.
  struct Constant {
    std::string text;
    std::optional<RunTimeErrorKind> failure;
  };

  CameraAndTarget cameraAndTarget_;
  Columns columns_;
  bool json_;
  std::array<Constant, std::tuple_size_v<decltype(kPlanColumns)>> constants_;  // by plan column
};

}  // namespace celforo::cli
