#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_projection.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  celforo::fuzz::CheckProjection(data, size);
  return 0;
}
