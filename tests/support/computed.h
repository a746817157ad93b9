// What a calculation gives, compared and printed in tests: a Computed equals
// a value when it holds that value, and prints as its value or its failure.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "calc/numeric_text.h"
#include "calc/run_time_error.h"

namespace celforo {

template <typename T, typename U>
bool operator==(const Computed<T>& computed, const U& value) {
  return computed && *computed == value;
}

template <typename T>
void PrintTo(const Computed<T>& computed, std::ostream* out) {
  if (computed) {
    *out << ::testing::PrintToString(*computed);
  } else {
    *out << computed.error()->line();
  }
}

// How it failed, if it did.
template <typename T>
std::optional<RunTimeErrorKind> FailureOf(const Computed<T>& computed) {
  if (computed) return std::nullopt;
  return computed.error()->kind();
}

// A computed value as the window shows a result: its ResultText, or the
// failure that came before.
inline Computed<std::string> Shown(const Computed<double>& value) {
  if (!value) return *value.error();
  return ResultText(*value);
}

}  // namespace celforo
