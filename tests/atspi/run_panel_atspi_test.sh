#!/bin/sh
# Runs panel_atspi_test.py on a private X display (Xvfb) in a D-Bus session of
# its own, where it starts the accessibility bus. Exits with 77 (skipped),
# saying why, where any of those cannot be had.
# Usage: run_panel_atspi_test.sh CELFORO CELFORO_CALC
set -eu
here=$(dirname "$0")
for tool in xvfb-run dbus-run-session; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: no $tool (tools/install-deps test installs it)"
    exit 77
  fi
done
exec xvfb-run -a -s "-screen 0 1280x1024x24" \
  dbus-run-session -- /usr/bin/python3 "$here/panel_atspi_test.py" "$@"
