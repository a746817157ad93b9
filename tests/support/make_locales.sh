#!/bin/sh
# Compiles the locales the suites run under into a private folder, so the test
# run needs neither root nor the system's generated locales. Fails when one
# cannot be made: a missing locale must fail the suite, not skip it.
set -eu
dir=$1
mkdir -p "$dir"
for name in it_IT de_DE; do
  if [ ! -f "$dir/$name.UTF-8/LC_NUMERIC" ]; then
    # localedef exits 1 for mere warnings; the check below decides.
    localedef -i "$name" -f UTF-8 "$dir/$name.UTF-8" >/dev/null 2>&1 || true
    if [ ! -f "$dir/$name.UTF-8/LC_NUMERIC" ]; then
      echo "cannot compile the locale $name.UTF-8 (is the 'locales' package installed?)" >&2
      exit 1
    fi
  fi
done
