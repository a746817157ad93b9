// The four text rules as they were before fast_float and {fmt}, for the
// conversion comparison only; same contracts as calc/numeric_text.h.
#pragma once

#include <string>
#include <string_view>

#include "calc/numeric_text.h"

namespace celforo::old {

NumberScan ScanNumber(std::string_view text) noexcept;
double ReadNumber(std::string_view text) noexcept;
std::string SignedNumberText(double value);
std::string SixDecimalText(double value, char decimalSeparator = '.');
std::string ResultText(double value);

}  // namespace celforo::old
