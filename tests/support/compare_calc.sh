#!/usr/bin/env bash
# Another build's celforo-calc (celforo-calc.exe under Wine, celforo-calc.js
# under node) against the Linux build: standard output and error byte for
# byte, and the exit status, for 100,000 generated batch lines in each output
# form, and for one set-up, sweeps, solves and misuse, each also with the
# planning columns.
# Usage: compare_calc.sh LINUX_PROGRAM OTHER_PROGRAM WORK_DIR RUNNER...
# where RUNNER... is the command that runs the other program (tools/wine-run,
# node).
set -euo pipefail
linux=$1
other=$2
work=$3
shift 3
runner=("$@")
here=$(dirname "${BASH_SOURCE[0]}")

if [ ! -x "$linux" ]; then
  echo "no Linux celforo-calc at $linux:" \
    "cmake --preset linux-calc && cmake --build --preset linux-calc" >&2
  exit 77
fi
rm -rf "$work"
mkdir -p "$work"
awk -v lines=100000 -f "$here/calc_batch.awk" >"$work/batch.txt"
: >"$work/empty.txt"

cases=0
failures=0
# check NAME INPUT ARGUMENT...
check() {
  local name=$1 input=$2
  shift 2
  local linux_status=0 other_status=0
  "$linux" "$@" <"$input" >"$work/$name.linux.out" 2>"$work/$name.linux.err" || linux_status=$?
  "${runner[@]}" "$other" "$@" <"$input" >"$work/$name.other.out" \
    2>"$work/$name.other.err" || other_status=$?
  cases=$((cases + 1))
  local same=1
  for stream in out err; do
    if ! cmp -s "$work/$name.linux.$stream" "$work/$name.other.$stream"; then
      echo "$name: standard $stream differs ($*):" >&2
      cmp "$work/$name.linux.$stream" "$work/$name.other.$stream" >&2 || true
      diff "$work/$name.linux.$stream" "$work/$name.other.$stream" | head -6 >&2 || true
      same=0
    fi
  done
  if [ $linux_status -ne $other_status ]; then
    echo "$name: exit status $linux_status on Linux, $other_status in $other ($*)" >&2
    same=0
  fi
  if [ $same -eq 1 ]; then
    echo "same: $name ($(wc -c <"$work/$name.linux.out") + $(wc -c <"$work/$name.linux.err")" \
      "bytes, status $linux_status)"
  else
    failures=$((failures + 1))
  fi
}

check batch-tsv "$work/batch.txt" --tsv
check batch-tsv-header "$work/batch.txt" --tsv --header
check batch-columns "$work/batch.txt"
check set-up "$work/empty.txt" 2500 5 3
check set-up-failing "$work/empty.txt" 0 5 3
check set-up-read-as-the-window "$work/empty.txt" --tsv " 2500" 5mm 3,7
check sweep "$work/empty.txt" --extraction .1:12:.1 2500 5
check sweep-through-zero "$work/empty.txt" --tsv --header --extraction=-2:2:.25 1000 10
check solve-focal-length "$work/empty.txt" --focal-length 4166.666667 2500 5
check solve-magnification "$work/empty.txt" --tsv --magnification 1.666667 2500 5
check misuse "$work/empty.txt" --extraction 1:3:0 2500 5
check version "$work/empty.txt" --version
check planning-set-up "$work/empty.txt" --aperture 250 --pixel-size 3.75 --pixels 1280x960 \
  2500 5 2.5
check planning-batch "$work/batch.txt" --tsv --header --aperture 250 --pixel-size 3.75 \
  --pixels 1920x1080
check planning-sweep "$work/empty.txt" --aperture 200 --pixel-size 2.9 --pixels 1920x1080 \
  --extraction=-2:12:.25 1000 10
check solve-focal-ratio "$work/empty.txt" --aperture 250 --pixel-size 3.75 --pixels 1280x960 \
  --focal-ratio 20 2500 5
check solve-image-scale "$work/empty.txt" --tsv --pixel-size 3.75 --image-scale .15 2500 5
check planning-misuse "$work/empty.txt" --pixels 640x480 2500 5 3

echo "$((cases - failures)) passed, $failures failed"
[ $failures -eq 0 ]
