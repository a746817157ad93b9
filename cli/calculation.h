// Set-ups computed into their outcomes with the run's camera and target: the
// three results first, so that a failure is the window's, then the columns of
// the plan. Nothing here writes.
#pragma once

#include "calc/plan_columns.h"
#include "calc/projection.h"
#include "cli/columns.h"
#include "cli/mode.h"
#include "cli/row.h"

namespace celforo::cli {

class Calculator {
public:
  // `cameraAndTarget` with its target's size already known: every row of the
  // run is computed from the same one.
  Calculator(const CameraAndTarget& cameraAndTarget, bool withExtraction)
      : cameraAndTarget_(cameraAndTarget), columns_(withExtraction, cameraAndTarget) {}

  const Columns& columns() const { return columns_; }

  // One set-up. The extraction, when shown, is an input, written as the
  // window writes a value into a box.
  Outcome Calculate(const ProjectionInputs& inputs) const;

  // The extraction a solve aims at, and its set-up.
  Outcome Calculate(const Solve& solve) const;

private:
  // The texts of a set-up's fields into an empty `row`. Throws RunTimeError.
  void Fill(const ProjectionInputs& inputs, Row& row) const;

  CameraAndTarget cameraAndTarget_;
  Columns columns_;
};

}  // namespace celforo::cli
