#!/usr/bin/env bash
# Another build's celforo-calc (celforo-calc.exe under Wine, celforo-calc.js
# under node) against the Linux build: standard output and error byte for
# byte, and the exit status, for 100,000 generated batch lines in each output
# form, and for one set-up, sweeps, solves and misuse, each also with the
# planning columns and a target: every target on dates across the
# ephemerides' range, dates in UTC, with offsets and, with TZ set for both
# sides, in local time; and the sky from sites, nights, the moons' events
# and JSON.
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
  check_in_zone "" "$@"
}

# check_in_zone TZ NAME INPUT ARGUMENT...: both sides in time zone TZ (empty:
# as they are).
check_in_zone() {
  local zone=$1 name=$2 input=$3
  shift 3
  local linux_status=0 other_status=0
  local environment=(env)
  if [ -n "$zone" ]; then environment=(env "TZ=$zone"); fi
  "${environment[@]}" "$linux" "$@" <"$input" >"$work/$name.linux.out" \
    2>"$work/$name.linux.err" || linux_status=$?
  "${environment[@]}" "${runner[@]}" "$other" "$@" <"$input" >"$work/$name.other.out" \
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
# Beyond ASCII on the command line: the sensor written with "×", and a
# misuse that echoes what it was given.
check planning-times-sign "$work/empty.txt" --pixel-size 3.75 --pixels 640×480 2500 5 3
check misuse-echoed "$work/empty.txt" --pixels 640×48ü 2500 5 3

# Every target at instants across the range of the ephemerides, every column.
for target in sun moon mercury venus mars jupiter saturn uranus neptune; do
  for date in 1800-01-01 1850-06-30T06:45Z 1969-07-20T20:17:40Z 2026-12-07T21:30+01:00 \
    2050-12-31T23:59:59Z; do
    check "target-$target-$date" "$work/empty.txt" --tsv --target "$target" --date "$date" \
      --aperture 250 --pixel-size 3.75 --pixels 1280x960 2500 5 2.5
  done
done
check target-set-up "$work/empty.txt" --target giove --date 2026-12-07T21:30+01:00 \
  --aperture 250 --pixel-size 3.75 --pixels 1280x960 2500 5 2.5
check target-batch "$work/batch.txt" --tsv --header --target SATURN --date 2026-12-07T20:30Z \
  --aperture 250 --pixel-size 3.75 --pixels 1920x1080 --wavelength 656
check target-batch-columns "$work/batch.txt" --target marte --date 2026-12-07T15:00-05:30 \
  --pixel-size 2.9
check target-sweep "$work/empty.txt" --tsv --header --target luna --date 2030-06-01 \
  --aperture 200 --pixel-size 2.9 --extraction=-2:12:.25 1000 10
check solve-sampling "$work/empty.txt" --aperture 250 --pixel-size 3.75 --wavelength 656 \
  --sampling 2 2500 5
check solve-target-pixels "$work/empty.txt" --target jupiter --date 2026-12-07 --pixel-size 3.75 \
  --target-pixels 300 2500 5
check solve-target-pixels-tsv "$work/empty.txt" --tsv --header --target saturno \
  --date 1850-03-01T12:00:30Z --aperture 250 --pixel-size 3.75 --target-pixels 400 2500 5
check_in_zone Europe/Rome local-winter "$work/empty.txt" --tsv --target jupiter \
  --date 2026-12-07T21:30 --pixel-size 3.75 2500 5 2.5
check_in_zone Europe/Rome local-summer "$work/empty.txt" --tsv --target moon \
  --date "2026-07-15 22:00:30" --pixel-size 3.75 2500 5 2.5
check_in_zone America/New_York local-west "$work/empty.txt" --tsv --target venus \
  --date 2026-03-01T05:00 --pixel-size 3.75 2500 5 2.5
check_in_zone UTC local-utc "$work/empty.txt" --tsv --target mars --date 2026-12-07T21:30 \
  --pixel-size 3.75 2500 5 2.5
# Windows applies today's rules of a zone to every year; the C library and
# JavaScript's Date know its history (local mean time before 1893 in Rome).
if [ "$(basename "${runner[0]}")" = node ]; then
  check_in_zone Europe/Rome local-history "$work/empty.txt" --tsv --target saturn \
    --date 1850-06-30T12:00 --pixel-size 3.75 2500 5 2.5
  check_in_zone America/New_York local-after-2038 "$work/empty.txt" --tsv --target moon \
    --date 2045-06-01T22:00 --pixel-size 3.75 2500 5 2.5
  check_in_zone Europe/Rome sky-history "$work/empty.txt" --tsv --site 45.07,7.69,240 \
    --target saturn --date 1850-06-30T12:00 --pixel-size 3.75 2500 5 2.5
  check_in_zone Europe/Rome night-history "$work/empty.txt" --tsv --night 60 --site 41.9,12.5 \
    --target moon --date 1850-06-30 2500 5 3
fi
# The sky from a site, the disc, the night's rows, the moons' events and
# JSON, in zones set for both sides: north and south, summer time, the
# polar day. The times are local: in UTC where Windows' zone would not know
# the year's rules (see the history below), in Rome's otherwise.
for target in sun moon mercury venus mars jupiter saturn uranus neptune; do
  for date in 1850-06-30T06:45Z 1969-07-20T20:17:40Z 2026-12-07T21:30 2050-12-30T12:00Z; do
    zone=UTC
    case $date in 2026-*) zone=Europe/Rome ;; esac
    check_in_zone "$zone" "sky-$target-$date" "$work/empty.txt" --tsv --site 45.07,7.69,240 \
      --target "$target" --date "$date" --aperture 250 --pixel-size 3.75 --field-stop 5.5 \
      2500 5 2.5
  done
done
check_in_zone Europe/Rome sky-set-up "$work/empty.txt" --site 45.07,7.69,240 --target giove \
  --date 2026-12-07T21:30 --aperture 250 --pixel-size 3.75 --pixels 1280x960 --field-stop 5.5 \
  --grs 40 2500 5 2.5
check_in_zone Europe/Rome sky-batch "$work/batch.txt" --tsv --header --site 45.07,7.69,240 \
  --target saturn --date 2026-12-07T21:30 --pixel-size 3.75 --band 450-650 --min-altitude 20
check_in_zone America/New_York sky-sweep-summer-time "$work/empty.txt" --tsv --site 40.7,-74 \
  --target moon --date 2026-03-08T12:00 --pixel-size 2.9 --extraction=-2:12:.25 1000 10
check_in_zone Australia/Sydney sky-south "$work/empty.txt" --site -33.87,151.21,50 \
  --target venus --date 2026-12-07T21:30 --pixel-size 3.75 --band 300-1100 2500 5 2.5
check_in_zone UTC sky-polar-day "$work/empty.txt" --tsv --site 78.2,15.6 --target sun \
  --date 2026-06-21 --pixel-size 3.75 2500 5 2.5
check_in_zone Europe/Rome night "$work/empty.txt" --tsv --header --night 15 \
  --site 45.07,7.69,240 --target saturn --date 2026-12-07 --pixel-size 3.75 2500 5 2.5
check_in_zone Europe/Rome night-json "$work/empty.txt" --json --night 30 --site 45.07,7.69 \
  --target jupiter --grs 40 --date 2026-12-07 --aperture 250 --pixel-size 3.75 2500 5 2.5
check_in_zone Europe/Rome night-summer-time-ends "$work/empty.txt" --night 10 \
  --site 45.07,7.69 --target moon --date 2026-10-24 2500 5 3
check_in_zone UTC night-polar "$work/empty.txt" --tsv --night 60 --site 78.2,15.6 \
  --target luna --date 2026-12-07 2500 5 3
check_in_zone UTC events "$work/empty.txt" --events --target jupiter --date 2019-01-02
check_in_zone Europe/Rome events-site-json "$work/empty.txt" --events --json --target jupiter \
  --site 45.07,7.69 --date 2026-12-07T21:30 2500 5 3
check_in_zone Europe/Rome json-batch "$work/batch.txt" --json --aperture 250 --pixel-size 3.75 \
  --target mars --site 45.07,7.69 --date 2027-02-19
check json-solve "$work/empty.txt" --json --aperture 250 --pixel-size 3.75 --sampling 2 2500 5
check misuse-site "$work/empty.txt" --site 45,07,7,69 2500 5 3
check misuse-band "$work/empty.txt" --band 700-400 2500 5 3
check misuse-night "$work/empty.txt" --night 15 --target moon --site 45,7 --focal-length 5000 \
  2500 5
check misuse-events "$work/empty.txt" --events --target saturn
check misuse-target "$work/empty.txt" --target pluto 2500 5 3
check misuse-date "$work/empty.txt" --target moon --date 2026-02-29 2500 5 3
check misuse-date-range "$work/empty.txt" --target moon --date 2050-12-31T23:30-01:00 2500 5 3
check misuse-wavelength "$work/empty.txt" --aperture 1 --pixel-size 1 --wavelength 0 2500 5 3
check misuse-solve-needs "$work/empty.txt" --target jupiter --target-pixels 300 2500 5
check misuse-two-solves "$work/empty.txt" --target-pixels 300 --sampling 2 2500 5

echo "$((cases - failures)) passed, $failures failed"
[ $failures -eq 0 ]
