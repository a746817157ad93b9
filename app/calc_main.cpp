// celforo-calc: the command-line companion of the window.
#include <cstdio>
#include <string_view>
#include <vector>

#include "cli/celforo_calc.h"

int main(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  return celforo::cli::RunCelforoCalc(arguments, stdin, stdout, stderr);
}
