#!/usr/bin/env bash
# Installs CELFORO silently under Wine in a fresh prefix, checks what the
# installer left (files, Start-menu entry, installed-programs entry), runs the
# installed programs, uninstalls silently and checks that nothing is left.
#
# usage: test_installer.sh --installer SETUP.exe --wine-run tools/wine-run --prefix DIR
#                          --version 1.00 [--window celforo.exe --probe window_probe.exe]
# With --window the package holds the window program: it must have its
# Start-menu entry and, started from its installed place, show its window
# (found by the window_probe program) and end with status 0 when closed.
set -euo pipefail

window=""
probe=""
while [ $# -gt 0 ]; do
  case "$1" in
    --installer) installer=$2 ;;
    --wine-run) wine_run=$2 ;;
    --prefix) prefix=$2 ;;
    --version) version=$2 ;;
    --window) window=$2 ;;
    --probe) probe=$2 ;;
    *) echo "test_installer.sh: unknown argument $1" >&2; exit 2 ;;
  esac
  shift 2
done
if [ ! -f "$installer" ]; then
  echo "no installer at $installer (cpack makes it)" >&2
  exit 1
fi

# The installer is a 32-bit program. Where the machine runs no 32-bit code this
# test is skipped (status 77, which ctest reports as a skip); installer_payload
# still checks what the installer holds.
if ! machine=$("$(dirname "$wine_run")/can-run-32bit"); then
  echo "$machine: the installer cannot run here, skipped"
  exit 77
fi
if [ ! -x /usr/lib/wine/wine ]; then
  echo "$machine, but Wine's 32-bit part is missing (tools/install-deps windows installs it)" >&2
  exit 1
fi

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
pass() { echo "ok: $*"; }

# Each step is a Wine call with a time limit, and ends every process it left.
wine_step() { "$wine_run" --prefix "$prefix" --timeout 180 --stop "$@"; }
registry() {
  "$wine_run" --prefix "$prefix" --timeout 60 reg query "$@" 2>/dev/null | tr -d '\r'
}

folder_windows='C:\Program Files\CELFORO'
folder="$prefix/drive_c/Program Files/CELFORO"
shortcut="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/CELFORO.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\CELFORO'

"$wine_run" --prefix "$prefix" --fresh --prepare

# Install.
if wine_step "$installer" /S; then pass "the installer ended with status 0"; else
  fail "the installer ended with status $?"; fi

expected="LICENSE.txt README.txt THIRD-PARTY-NOTICES.txt Uninstall.exe celforo-calc.exe${window:+ $window}"
found=$(cd "$folder" 2>/dev/null && find . -type f | sed 's|^\./||' | sort | tr '\n' ' ' | sed 's/ $//')
expected=$(echo "$expected" | tr ' ' '\n' | sort | tr '\n' ' ' | sed 's/ $//')
if [ "$found" = "$expected" ]; then pass "installed files: $found"; else
  fail "installed files are '$found', not '$expected'"; fi

# The values of the installed-programs entry, one "NAME TYPE DATA" a line.
entry=$(registry "$key" /reg:64 | tr -s ' ' | sed 's/^ //' || true)
for value in "DisplayName REG_SZ CELFORO" "DisplayVersion REG_SZ $version" \
  "UninstallString REG_SZ \"$folder_windows\\Uninstall.exe\"" \
  "QuietUninstallString REG_SZ \"$folder_windows\\Uninstall.exe\" /S"; do
  if echo "$entry" | grep -Fxq "$value"; then pass "installed-programs entry: $value"; else
    fail "the installed-programs entry in the 64-bit registry lacks: $value"; fi
done

if [ -n "$window" ]; then
  if [ -f "$shortcut" ]; then pass "Start-menu entry"; else fail "no Start-menu entry at $shortcut"; fi
else
  if [ ! -e "$shortcut" ]; then pass "no Start-menu entry without a window"; else
    fail "a Start-menu entry without a window program"; fi
fi

# The installed programs run.
output=$(wine_step "$folder_windows\\celforo-calc.exe" --tsv 2500 5 3 || echo "status $?")
if [ "$output" = "$(printf '1.666667\t4166.666667\t13.333333')" ]; then
  pass "the installed celforo-calc computes"
else
  fail "the installed celforo-calc printed: $output"
fi

# --- the window program: it shows its window, and closing it ends it with 0.
if [ -n "$window" ]; then
  "$wine_run" --prefix "$prefix" --timeout 60 --display "$folder_windows\\$window" &
  started=$!
  title='             CELFORO'
  if "$wine_run" --prefix "$prefix" --timeout 60 --display "$probe" "$title" 30; then
    pass "the installed $window shows its window"
  else
    fail "the installed $window shows no window titled '$title'"
  fi
  status=0
  wait $started || status=$?
  if [ $status -eq 0 ]; then pass "$window ended with status 0 when closed"; else
    fail "$window ended with status $status when closed"; fi
  "$wine_run" --prefix "$prefix" --stop
fi

# Uninstall. The uninstaller runs a copy of itself from the temporary folder
# and returns at once: wait for every process of the prefix to end.
if "$wine_run" --prefix "$prefix" --timeout 180 "$folder_windows\\Uninstall.exe" /S; then
  pass "the uninstaller ended with status 0"
else
  fail "the uninstaller ended with status $?"
fi
timeout 180 env WINEPREFIX="$prefix" wineserver -w || fail "the uninstaller did not end"

if [ ! -e "$folder" ]; then pass "the program folder is gone"; else
  fail "left behind: $(cd "$folder" && find . | tr '\n' ' ')"; fi
if [ ! -e "$shortcut" ]; then pass "no Start-menu entry"; else fail "the Start-menu entry is left"; fi
for view in 64 32; do
  if registry "$key" /reg:$view >/dev/null; then
    fail "the installed-programs entry is left in the $view-bit registry"
  fi
done
if registry 'HKLM\Software\CELFORO developers' /reg:64 >/dev/null; then
  fail "a registry key of the publisher is left"
fi
"$wine_run" --prefix "$prefix" --stop

if [ $failures -eq 0 ]; then echo "installer: all checks passed"; fi
[ $failures -eq 0 ]
