#include "calc/strict_number.h"

#include <cmath>
#include <string>

#include "calc/numeric_text.h"

namespace celforo {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// The whole text, already trimmed, as a finite or infinite number, or nothing.
bool ScansWhole(std::string_view text, double& value) {
  if (text.empty() || IsBlank(text.front())) return false;
  const NumberScan scan = ScanNumber(text);
  if (scan.consumed == 0 || scan.consumed != text.size()) return false;
  value = scan.value;
  return true;
}

// "3,75" and "-0,5" would be numbers with a point for their one comma.
bool IsDecimalComma(std::string_view text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos || text.find(',', comma + 1) != std::string_view::npos)
    return false;
  std::string withPoint(text);
  withPoint[comma] = '.';
  double value = 0;
  return ScansWhole(withPoint, value);
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) noexcept {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

NumberReading ReadStrictNumber(std::string_view text, NumberRule rule) noexcept {
  const std::string_view number = TrimBlanks(text);
  NumberReading reading;
  if (number.empty()) {
    reading.fault = NumberFault::Empty;
  } else if (!ScansWhole(number, reading.value)) {
    reading.fault = IsDecimalComma(number) ? NumberFault::DecimalComma : NumberFault::Malformed;
  } else if (!std::isfinite(reading.value)) {
    reading.fault = NumberFault::NotFinite;
  } else if (rule.positive && !(reading.value > 0)) {
    reading.fault = NumberFault::NotPositive;
  } else if (reading.value < rule.least || reading.value > rule.most) {
    reading.fault = NumberFault::OutOfRange;
  }
  if (reading.fault != NumberFault::None) reading.value = 0;
  return reading;
}

}  // namespace celforo
