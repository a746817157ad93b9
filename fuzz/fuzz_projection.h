// One fuzz case: the bytes become the three box texts, which are read,
// computed and shown as the window would; the first is also read as a date,
// and every body sized at it. Aborts when an invariant breaks.
#pragma once

#include <cstddef>
#include <cstdint>

namespace celforo::fuzz {

void CheckProjection(const std::uint8_t* data, std::size_t size);

}  // namespace celforo::fuzz
