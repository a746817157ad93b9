// One fuzz case for celforo-calc, run in-process on memory streams: the bytes
// give its arguments, its input, the pieces the input comes in and how its
// streams fail. Aborts when an invariant breaks.
#pragma once

#include <cstddef>
#include <cstdint>

namespace celforo::fuzz {

void CheckCelforoCalc(const std::uint8_t* data, std::size_t size);

}  // namespace celforo::fuzz
