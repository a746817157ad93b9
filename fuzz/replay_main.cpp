// Replays every file of a fuzz corpus folder through a fuzz target, so the
// saved inputs are checked by every build, with or without libFuzzer.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_celforo_calc.h"
#include "fuzz/fuzz_projection.h"
#include "fuzz/fuzz_setup.h"

int main(int argc, char** argv) {
  using Target = void (*)(const std::uint8_t*, std::size_t);
  const std::string_view name = argc == 3 ? argv[1] : "";
  const Target target = name == "projection"     ? celforo::fuzz::CheckProjection
                        : name == "celforo_calc" ? celforo::fuzz::CheckCelforoCalc
                        : name == "setup"        ? celforo::fuzz::CheckSetup
                                                 : nullptr;
  if (target == nullptr) {
    std::fprintf(stderr, "usage: %s projection|celforo_calc|setup CORPUS_FOLDER\n", argv[0]);
    return 2;
  }
  int replayed = 0;
  for (const auto& entry : std::filesystem::directory_iterator(argv[2])) {
    if (!entry.is_regular_file()) continue;
    std::ifstream file(entry.path(), std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
    target(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    ++replayed;
  }
  std::printf("%d passed, 0 failed\n", replayed);
  return replayed > 0 ? 0 : 1;
}
