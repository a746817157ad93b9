// One fuzz case: the bytes read as a set-up file, as a link's fragment and
// as a stored kit entry of each kind. Whatever reads must write back to text
// that reads as the same; whatever is refused must say why. Aborts when an
// invariant breaks.
#pragma once

#include <cstddef>
#include <cstdint>

namespace celforo::fuzz {

void CheckSetup(const std::uint8_t* data, std::size_t size);

}  // namespace celforo::fuzz
