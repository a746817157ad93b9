#include "tests/support/test_locale.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <locale>

namespace celforo::testing {

bool ApplyTestLocale() {
  const char* name = std::getenv("CELFORO_TEST_LOCALE");
  if (name == nullptr || *name == '\0') return true;
    // The environment too, so that a toolkit reading it sees the same settings.
#ifdef _WIN32
  _putenv_s("LC_ALL", name);
#else
  setenv("LC_ALL", name, 1);
#endif
  if (std::setlocale(LC_ALL, name) == nullptr) {
    std::fprintf(stderr, "cannot set the locale %s (LOCPATH=%s)\n", name,
                 std::getenv("LOCPATH") ? std::getenv("LOCPATH") : "");
    return false;
  }
#ifndef _WIN32
  // The C++ library of the Windows tool chain knows only the "C" locale; there
  // the C run-time's setting above is the one a comma could leak from.
  try {
    std::locale::global(std::locale(name));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "cannot make %s the global locale: %s\n", name, error.what());
    return false;
  }
#endif
  // Both locales the suites run under write a comma; a point here would mean
  // the locale did not really take effect.
  if (std::strcmp(std::localeconv()->decimal_point, ",") != 0) {
    std::fprintf(stderr, "locale %s is set but its decimal point is not a comma\n", name);
    return false;
  }
  return true;
}

}  // namespace celforo::testing
