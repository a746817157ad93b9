#!/bin/sh
# Peak memory of celforo-calc on inputs that once made it grow without bound,
# as /usr/bin/time measures it: under 16 MiB every time.
# Usage: check_calc_memory.sh CELFORO_CALC
set -eu
calc=$1
limit_kib=16384
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0

# check WHAT ROWS FEED ARGUMENTS...: `sh -c FEED | celforo-calc ARGUMENTS`
# must write ROWS lines and peak under the limit.
check() {
  what=$1 rows=$2 feed=$3
  shift 3
  sh -c "$feed" | /usr/bin/time -v -o "$scratch/time" "$calc" "$@" >"$scratch/out" 2>"$scratch/err" ||
    true
  peak=$(sed -n 's/.*Maximum resident set size (kbytes): *//p' "$scratch/time")
  written=$(wc -l <"$scratch/out")
  echo "$what: $peak KiB at peak, $written rows"
  if [ -z "$peak" ] || [ "$peak" -ge "$limit_kib" ]; then
    echo "  FAILED: peak memory not under $limit_kib KiB" >&2
    failed=1
  fi
  if [ "$written" -ne "$rows" ]; then
    echo "  FAILED: $rows rows expected; error output:" >&2
    head -n 3 "$scratch/err" >&2
    failed=1
  fi
}

check "a 200 MB line" 1 "head -c 200000000 /dev/zero | tr '\\0' 1" --tsv
check "256 MiB of /dev/zero" 1 "head -c 268435456 /dev/zero" --tsv
check "twenty lines of 1 MiB each" 20 \
  "for i in \$(seq 20); do printf '2500 5 3'; head -c 1048568 /dev/zero | tr '\\0' ' '; echo; done" \
  --tsv
check "a million lines" 1000000 "yes '2500 5 3' | head -n 1000000" --tsv
check "a sweep of a million rows" 1000000 "true" --tsv --extraction 1:1000000:1 2500 5

[ "$failed" -eq 0 ] && echo "5 passed, 0 failed"
exit "$failed"
