#!/bin/sh
# The licence texts CELFORO ships, against their sources: the Debian copyright
# file COPYRIGHT says what LICENSE says (the copyright of "Files: *", and its
# Expat paragraph, which is LICENSE's text from the line after the copyright
# on), and for each library compiled in, the copyright and licences that its
# own Debian package states (DOC/PACKAGE/copyright), as does the third-party
# notice NOTICES that the Windows packages and the web site carry.
# Usage: check_copyright.sh LICENSE NOTICES COPYRIGHT [DOC]
# Exits 77 (a skip) when the libraries' Debian packages are not installed.
set -eu
licence=$1 notices=$2 copyright=$3 doc=${4:-/usr/share/doc}
dep5="awk -f $(dirname "$0")/support/dep5.awk"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# CELFORO's own licence.
holder=$(sed -n 's/^Copyright (c) //p' "$licence")
[ -n "$holder" ] || fail "$licence has no line 'Copyright (c) ...'"
[ "$($dep5 -v files='*' -v want=copyright "$copyright")" = "Copyright: $holder" ] ||
  fail "the copyright of 'Files: *' is not '$holder'"
[ "$($dep5 -v files='*' -v want=license "$copyright")" = Expat ] ||
  fail "'Files: *' is not under Expat"
sed '1,/^Copyright (c) /d' "$licence" | sed '1{/^$/d;}' >"$work/terms"
$dep5 -v license=Expat "$copyright" >"$work/expat"
cmp -s "$work/terms" "$work/expat" ||
  { fail "the Expat paragraph is not LICENSE's text:"; diff "$work/terms" "$work/expat" >&2 || true; }

# The words of a text, one a line: the same licence, wrapped otherwise.
words() { tr -s ' \n' '\n\n' | sed '/^$/d'; }
# Whether the text of file $2 occurs, lines whole and in order, in file $1.
holds() {
  awk 'NR == FNR { text = text $0 "\n"; next } { part = part $0 "\n" }
       END { exit index(text, part) ? 0 : 1 }' "$1" "$2"
}

checked=0
for library in fast_float:libfast-float-dev fmt:libfmt-dev; do
  name=${library%%:*} package=${library#*:}
  theirs=$doc/$package/copyright
  [ -f "$theirs" ] || continue
  checked=$((checked + 1))
  $dep5 -v files='*' -v want=copyright "$theirs" >"$work/their-copyright"
  $dep5 -v files="$name/*" -v want=copyright "$copyright" >"$work/our-copyright"
  cmp -s "$work/their-copyright" "$work/our-copyright" ||
    { fail "$name: its copyright is not as $theirs states it:"
      diff "$work/their-copyright" "$work/our-copyright" >&2 || true; }
  holds "$notices" "$work/their-copyright" ||
    fail "$name: $notices lacks its copyright as $theirs states it"
  licences=$($dep5 -v files='*' -v want=license "$theirs")
  [ "$($dep5 -v files="$name/*" -v want=license "$copyright")" = "$licences" ] ||
    fail "$name: its licence is not '$licences', as $theirs states it"
  grep -q "^License: *$licences\$" "$notices" || fail "$name: $notices does not name '$licences'"
  # Each licence to choose from, as they word it; the notice gives the one
  # CELFORO uses, whole.
  in_notice=0
  echo "$licences" | sed 's/ or /\n/g' >"$work/choices"
  while read -r one; do
    $dep5 -v license="$one" "$theirs" >"$work/their-text"
    $dep5 -v license="$one" "$copyright" >"$work/our-text"
    [ -s "$work/their-text" ] || fail "$name: $theirs has no text of '$one'"
    [ "$(words <"$work/their-text")" = "$(words <"$work/our-text")" ] ||
      fail "$name: the text of '$one' differs from $theirs"
    if holds "$notices" "$work/their-text"; then in_notice=1; fi
  done <"$work/choices"
  [ "$in_notice" = 1 ] || fail "$name: $notices holds none of its licences' texts whole"
done
[ "$failures" = 0 ] || exit 1
if [ "$checked" = 0 ]; then
  echo "CELFORO's copyright is LICENSE's; the libraries' Debian copyright files are not in $doc:" \
    "skipped"
  exit 77
fi
echo "copyright: CELFORO's is LICENSE's, $checked libraries' as Debian states them"
