// celforo-calc: the command-line companion of the window.
#include <cstdio>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "cli/byte_stream.h"
#include "cli/celforo_calc.h"

int main(int argc, char** argv) {
#ifdef _WIN32
  // The same bytes as on Linux: no CR added before LF, no Ctrl-Z ending the input.
  for (std::FILE* stream : {stdin, stdout, stderr}) _setmode(_fileno(stream), _O_BINARY);
#endif
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  celforo::cli::FdInput in(0);
  celforo::cli::FdOutput out(1);
  celforo::cli::FdOutput err(2);
  return celforo::cli::RunCelforoCalc(arguments, in, out, err);
}
