#include "cli/sweep.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "calc/strict_number.h"

namespace celforo::cli {

std::optional<ExtractionSteps> ParseExtractionSteps(std::string_view text, std::string& problem) {
  const std::size_t first = text.find(':');
  const std::size_t second = first == std::string_view::npos ? first : text.find(':', first + 1);
  if (second == std::string_view::npos || text.find(':', second + 1) != std::string_view::npos) {
    problem = "expected FROM:TO:STEP, got " + std::string(text);
    return std::nullopt;
  }
  const std::array<NumberReading, 3> parts{
      ReadStrictNumber(text.substr(0, first)),
      ReadStrictNumber(text.substr(first + 1, second - first - 1)),
      ReadStrictNumber(text.substr(second + 1))};
  for (const NumberReading& part : parts) {
    if (part.fault == NumberFault::None || part.fault == NumberFault::NotFinite) continue;
    problem = "expected FROM:TO:STEP, numbers such as 2:4:0.5, got " + std::string(text);
    if (part.fault == NumberFault::DecimalComma) problem += " (the decimal mark is a point)";
    return std::nullopt;
  }
  ExtractionSteps sweep;
  sweep.from = parts[0].value;
  sweep.to = parts[1].value;
  sweep.step = parts[2].value;
  const double span = (sweep.to - sweep.from) / sweep.step;
  if (std::any_of(parts.begin(), parts.end(),
                  [](const NumberReading& part) { return part.fault != NumberFault::None; })) {
    problem = "FROM, TO and STEP must be finite";
  } else if (sweep.step == 0) {
    problem = "STEP is zero";
  } else if (span < 0) {
    problem = "STEP leads away from TO";
  } else if (!(span < static_cast<double>(kMaxSweepRows))) {
    problem = "more than 1,000,000 rows";
  }
  if (!problem.empty()) return std::nullopt;
  sweep.steps = static_cast<std::size_t>(std::floor(span + 1e-6));
  sweep.toApart = std::fabs(sweep.from + static_cast<double>(sweep.steps) * sweep.step - sweep.to) >
                  1e-6 * std::fabs(sweep.step);
  if (sweep.rows() > kMaxSweepRows) {
    problem = "more than 1,000,000 rows";
    return std::nullopt;
  }
  return sweep;
}

}  // namespace celforo::cli
