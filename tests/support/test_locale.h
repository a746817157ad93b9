// Puts the whole test process under the regional settings named by the
// environment variable CELFORO_TEST_LOCALE (for example it_IT.UTF-8, or
// Italian_Italy.1252 on Windows), so a suite can show that no locale changes
// the program's texts.
#pragma once

namespace celforo::testing {

// Returns false, after saying why on stderr, when the named locale cannot be
// set; returns true when it was set or none was asked for.
bool ApplyTestLocale();

}  // namespace celforo::testing
