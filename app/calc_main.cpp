// celforo-calc: the command-line companion of the window.
#include <cstdio>
#include <string_view>
#include <vector>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#endif

#include "cli/byte_stream.h"
#include "cli/celforo_calc.h"

int main(int argc, char** argv) {
#if defined(_WIN32)
  // Bytes in and out as they are, so lines end in LF as on every other system.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  celforo::cli::FdInput in(0);
  celforo::cli::FdOutput out(1);
  celforo::cli::FdOutput err(2);
  return celforo::cli::RunCelforoCalc(arguments, in, out, err);
}
