#!/bin/sh
# Whether a text a package carries is its source's, byte for byte but for the
# changes asked: --crlf, every line ending in CR LF (the Windows packages);
# --bom, UTF-8's byte order mark in front.
# Usage: same_text.sh [--crlf] [--bom] SOURCE FILE
set -eu
crlf=0 bom=0
while :; do
  case "$1" in
    --crlf) crlf=1 ;;
    --bom) bom=1 ;;
    *) break ;;
  esac
  shift
done
source=$1 file=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
changes=""
{
  if [ "$bom" = 1 ]; then printf '\357\273\277'; changes="$changes, a byte order mark"; fi
  if [ "$crlf" = 1 ]; then sed 's/$/\r/' "$source"; changes="$changes, CR LF line ends"
  else cat "$source"; fi
} >"$work/expected"
if ! cmp "$work/expected" "$file"; then
  echo "FAIL: $file is not $source$changes" >&2
  exit 1
fi
echo "$file: $source byte for byte$changes"
