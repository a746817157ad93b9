// How the elements of a form's table belong together, worked out once from
// the table for every window system: which elements are fields the user
// fills, which caption names a field or a result, which unit stands beside a
// field, and which line tells what is wrong with it. The table says it through
// the elements' meanings: a field or a result means the caption that names
// it; a unit and a problem line mean the caption of their field.
#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "ui/form_types.h"

namespace celforo {

// A box, a choice or a date-time field: an element the user fills.
constexpr bool IsField(ElementKind kind) {
  return kind == ElementKind::TextBox || kind == ElementKind::Choice ||
         kind == ElementKind::DateTimeField;
}

// A field or a result label: an element whose text is a value, named by a
// caption.
constexpr bool HoldsValue(ElementKind kind) {
  return IsField(kind) || kind == ElementKind::ResultLabel;
}

template <std::size_t N>
struct FormRelations {
  // The caption label that names a field or a result: "DIAMETRO OBIETTIVO"
  // over Text4.
  std::array<std::optional<ElementId>, N> caption{};
  // The caption label beside a field giving its unit: "µm" beside Text5.
  std::array<std::optional<ElementId>, N> unit{};
  // The line under a field that tells why its text cannot be used.
  std::array<std::optional<ElementId>, N> problem{};
  // Whether a caption label names a field or a result: a screen reader
  // reads it with what it names, not a second time on its own.
  std::array<bool, N> namesValue{};
};

template <std::size_t N>
consteval FormRelations<N> RelationsOf(const std::array<ElementRecord, N>& elements) {
  FormRelations<N> relations;
  for (ElementId id = 0; id < N; ++id) {
    const ElementRecord& holder = elements[id];
    if (!HoldsValue(holder.kind) || holder.meaning.empty()) continue;
    for (ElementId other = 0; other < N; ++other) {
      const ElementRecord& record = elements[other];
      const bool caption = record.kind == ElementKind::CaptionLabel;
      if (caption && record.meaning.empty() && record.caption == holder.meaning) {
        relations.caption[id] = other;
        relations.namesValue[other] = true;
      }
      if (!IsField(holder.kind) || record.meaning != holder.meaning) continue;
      if (caption) relations.unit[id] = other;
      if (record.kind == ElementKind::ProblemLabel) relations.problem[id] = other;
    }
  }
  return relations;
}

}  // namespace celforo
