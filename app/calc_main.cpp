// celforo-calc: the command-line companion of the window.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <shellapi.h>
#endif

#include "cli/byte_stream.h"
#include "cli/celforo_calc.h"
#include "cli/files.h"

#ifdef _WIN32
namespace {

// The arguments as UTF-8, as Linux gives them. Windows hands main() its
// arguments in the ANSI code page, which has no "×" of its own in UTF-8
// (and no character beyond it at all); the command line itself is UTF-16.
std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  if (wide == nullptr || count != argc) {
    arguments.assign(argv, argv + argc);
  } else {
    for (int i = 0; i < count; ++i) {
      const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
      std::string argument(static_cast<std::size_t>(bytes > 0 ? bytes - 1 : 0), '\0');
      if (bytes > 1)
        WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, argument.data(), bytes, nullptr, nullptr);
      arguments.push_back(std::move(argument));
    }
  }
  if (wide != nullptr) LocalFree(wide);
  return arguments;
}

}  // namespace
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
  // The same bytes as on Linux: no CR added before LF, no Ctrl-Z ending the input.
  for (std::FILE* stream : {stdin, stdout, stderr}) _setmode(_fileno(stream), _O_BINARY);
  const std::vector<std::string> utf8 = Utf8Arguments(argc, argv);
  const std::vector<std::string_view> arguments(utf8.begin() + (utf8.empty() ? 0 : 1), utf8.end());
#else
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
#endif
  celforo::cli::FdInput in(0);
  celforo::cli::FdOutput out(1);
  celforo::cli::FdOutput err(2);
  celforo::cli::DiskFiles files;
  return celforo::cli::RunCelforoCalc(arguments, in, out, err, files);
}
