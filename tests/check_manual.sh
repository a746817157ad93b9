#!/bin/sh
# celforo-calc's manual page and bash completion against its --help: the page
# formats without a warning and holds every word of --help in order, then the
# copyright and licence of --version; the completion offers exactly the
# options --help names (its list `options`), and after --target exactly the
# names the program takes (its list `targets`, against the names an unknown
# target's message lists).
# Usage: check_manual.sh PROGRAM MANUAL_PAGE COMPLETION
set -eu
program=$1
page=$2
completion=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$program" --help >"$work/help"
"$program" --version | sed 1d >"$work/version"  # the copyright and the licence
warnings=$(groff -man -Tascii -ww -z "$page" 2>&1)
if [ -n "$warnings" ]; then
  echo "groff warns about $page:" >&2
  echo "$warnings" >&2
  exit 1
fi

# The words of a text, lowercase, without a colon after them, one a line.
words() {
  tr -s ' \t\n' '\n\n\n' | tr 'A-Z' 'a-z' | sed 's/:$//' | sed '/^$/d'
}
sed '1s/^usage: //' "$work/help" "$work/version" | words >"$work/help-words"
groff -man -Tascii -P-cbou "$page" 2>/dev/null | words >"$work/page-words"
missing=$(awk 'NR == FNR { page[n++] = $0; next }
               { while (at < n && page[at] != $0) at++
                 if (at == n) { print "from word " FNR " of --help on: " $0; exit }
                 at++ }' "$work/page-words" "$work/help-words")
if [ -n "$missing" ]; then
  echo "$page does not say what --help says, $missing" >&2
  exit 1
fi

grep -o -- '--[a-z][a-z-]*' "$work/help" | sort -u >"$work/help-options"
sed -n '/options="/,/"$/p' "$completion" | grep -o -- '--[a-z][a-z-]*' | sort -u \
  >"$work/completion-options"
if ! cmp -s "$work/help-options" "$work/completion-options"; then
  echo "the completion's options differ from --help's (< --help, > completion):" >&2
  diff "$work/help-options" "$work/completion-options" >&2 || true
  exit 1
fi
# "--target: expected one of sun, moon, ..., or in Italian sole, ..., got -"
"$program" --target - 1 1 1 2>&1 | sed -n '1s/.*expected one of \(.*\), got -$/\1/p' |
  sed 's/, or in Italian / /; s/, / /g' | tr ' ' '\n' | sort >"$work/program-targets"
sed -n '/targets="/,/"$/p' "$completion" | sed 's/.*targets="//; s/"$//' | tr -s ' \n' '\n\n' |
  sed '/^$/d' | sort >"$work/completion-targets"
if [ ! -s "$work/program-targets" ] || ! cmp -s "$work/program-targets" "$work/completion-targets"; then
  echo "the completion's targets differ from the program's (< program, > completion):" >&2
  diff "$work/program-targets" "$work/completion-targets" >&2 || true
  exit 1
fi
echo "manual page and completion agree with --help ($(wc -l <"$work/help-words") words," \
  "$(wc -l <"$work/help-options") options, $(wc -l <"$work/program-targets") targets)"
