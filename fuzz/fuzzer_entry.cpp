// libFuzzer's entry to one target, chosen when compiled (CELFORO_FUZZ_TARGET).
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_celforo_calc.h"
#include "fuzz/fuzz_projection.h"
#include "fuzz/fuzz_setup.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  celforo::fuzz::CELFORO_FUZZ_TARGET(data, size);
  return 0;
}
