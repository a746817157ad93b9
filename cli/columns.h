// The columns of a run's rows, in their order, each with its caption and its
// JSON key: for set-ups, what leads the row (the extraction of a sweep or a
// solve, the instant of a night's row), the three results, then the columns
// of the plan (calc's kPlanColumns) that apply to the run's camera and
// target; for the moons' events, the instant, the moon, the event and
// Jupiter's altitude.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <tuple>

#include "calc/plan_columns.h"

namespace celforo::cli {

struct Heading {
  std::string_view caption;
  std::string_view key;
};

inline constexpr Heading kExtractionHeading{"EXTR. OCULARE", "extraction"};
inline constexpr Heading kTimeHeading{"ORA", "time"};
inline constexpr std::array<Heading, 3> kResultHeadings{{
    {"INGRANDIMENTI", "magnification"},
    {"FOC. EQUIVALENTE", "equivalent_focal_length"},
    {"DIST. PIANO FOCALE - OCUL.ARE", "focal_plane_distance"},
}};
inline constexpr std::array<Heading, 4> kEventHeadings{{
    kTimeHeading,
    {"SATELLITE", "moon"},
    {"FENOMENO", "event"},
    {kAltitudeCaption, "altitude"},
}};

// What leads a set-up's row.
enum class Lead { None, Extraction, Time };

// The most fields a row can have: the extraction or the time, three results
// and every column of the plan.
inline constexpr std::size_t kMostFields =
    1 + kResultHeadings.size() + std::tuple_size_v<decltype(kPlanColumns)>;
static_assert(kEventHeadings.size() <= kMostFields);

class Columns {
public:
  // A set-up's; which plan columns apply is decided here, once for the run.
  Columns(Lead lead, const CameraAndTarget& cameraAndTarget);
  // The moons' events', with Jupiter's altitude or without.
  static Columns ForEvents(bool withAltitude);

  Lead lead() const { return lead_; }
  std::span<const PlanColumn* const> plan() const { return {plan_.data(), planCount_}; }
  std::size_t size() const { return count_; }
  const Heading& operator[](std::size_t field) const { return headings_[field]; }

private:
  Columns() = default;
  void Add(const Heading& heading) { headings_[count_++] = heading; }

  Lead lead_ = Lead::None;
  std::array<Heading, kMostFields> headings_{};
  std::size_t count_ = 0;
  std::array<const PlanColumn*, std::tuple_size_v<decltype(kPlanColumns)>> plan_{};
  std::size_t planCount_ = 0;
};

}  // namespace celforo::cli
