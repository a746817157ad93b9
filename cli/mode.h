// What celforo-calc is asked to do: one set-up, a batch, a sweep, a solve, a
// set-up through the night or the moons' events, each a value that carries
// its own data.
#pragma once

#include <variant>

#include "calc/plan_columns.h"
#include "calc/projection.h"
#include "cli/sweep.h"

namespace celforo::cli {

// OBJECTIVE EYEPIECE EXTRACTION: one set-up.
struct Single {
  ProjectionInputs inputs;
};

// No operand: set-ups read from standard input, a line each.
struct Batch {};

// --extraction FROM:TO:STEP with OBJECTIVE EYEPIECE: a row per extraction.
struct Sweep {
  double objective = 0;
  double eyepiece = 0;
  ExtractionSteps extractions;
};

// The projection's own results a solve can aim at; the columns of the plan
// are calc's PlanAim.
enum class ProjectionAim { FocalLength, Magnification };
using SolveAim = std::variant<ProjectionAim, PlanAim>;

// --focal-length F, --sampling Q and the like with OBJECTIVE EYEPIECE: the
// extraction that gives `value` of `aim`.
struct Solve {
  SolveAim aim;
  double value = 0;
  double objective = 0;
  double eyepiece = 0;
};

// --night MINUTES with OBJECTIVE EYEPIECE EXTRACTION: that set-up at an
// instant every `minutes` through the night.
struct Night {
  ProjectionInputs inputs;
  int minutes = 0;
};

// --events: the phenomena of Jupiter's moons in the 24 hours from the instant.
struct Events {};

using Mode = std::variant<Single, Batch, Sweep, Solve, Night, Events>;

}  // namespace celforo::cli
