// How a value is written in a row's field: as celforo-calc's columns show
// it, or as a JSON value. Texts keep a sign column where a number has one
// (" 1.5", "-1.5"); the printer takes it off.
#pragma once

#include <string>
#include <string_view>

#include "calc/plan_columns.h"
#include "calc/time_scale.h"

namespace celforo::cli {

// A number a result or a column shows, in its form: " 1.666667", or in JSON
// the shortest text of that shown value, "1.666667", ".5" as "0.5". Fails
// where the form does (a result that rounds to zero, anything not finite),
// in JSON as in text, so that a set-up fails alike in both.
Computed<std::string> NumberField(double value, NumberForm form, bool json);

// An input written back, the extraction of a sweep or a solve: as the
// window writes a box, " 2.99999999976", or in JSON "2.99999999976"
// ("5E-08" as "5e-08"); null in JSON for a value not finite.
std::string InputField(double value, bool json);

// An instant in local time to the minute, " 2026-12-07T16:44+01:00" after
// the sign column, in JSON as a string.
std::string InstantField(UniversalTime instant, bool json);

// A word, " non sorge" after the sign column, in JSON as a string.
std::string WordField(std::string_view word, bool json);

// A column's value: its number, instant or word; a NoValue is its word, in
// JSON null. Fails as NumberField does.
Computed<std::string> ValueField(const PlanValue& value, NumberForm form, bool json);

// What JSON writes for a value that is absent.
inline constexpr std::string_view kJsonNull = "null";

// `text` as a JSON string, quoted, with '"', '\' and control characters
// escaped: say "hi" is "\"say \\\"hi\\\"\"".
std::string JsonString(std::string_view text);

}  // namespace celforo::cli
