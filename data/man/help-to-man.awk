# Writes celforo-calc's manual page from its --help, so that the page says
# exactly what --help says: the usage lines become the synopsis, the
# paragraphs before the first heading the description, and each "Heading:"
# line a section. A section of options ("  --name VALUE  what it does", the
# description continued on lines indented further) or of names ("  key  what
# it names") becomes a tagged list;
# Examples are kept line for line; any other section is text. The lines of
# --version after the first (copyright and licence) are the COPYRIGHT section.
# Usage: celforo-calc --help | awk -v version=V -v date=YYYY-MM-DD
#            -v version_text=FILE_WITH_VERSION_OUTPUT -f help-to-man.awk
# A line of --help as roff text: backslashes written \e, dashes \- (so that
# no line breaks inside an option's name), a leading dot or quote kept text.
function roff(line) {
  gsub(/\\/, "\\e", line)
  gsub(/-/, "\\-", line)
  sub(/^ +/, "", line)
  if (line ~ /^[.']/) line = "\\&" line
  return line
}
BEGIN {
  print ".TH CELFORO-CALC 1 " date " \"celforo " version "\" \"User Commands\""
  print ".nh"
  print ".ad l"
  print ".SH NAME"
  print "celforo-calc \\- eyepiece projection and imaging plans from the command line"
  print ".SH SYNOPSIS"
  print ".nf"
  part = "usage"
}
part == "usage" {
  if ($0 == "") {
    print ".fi"
    print ".SH DESCRIPTION"
    part = "description"
    next
  }
  if (sub(/^usage: /, "")) print roff($0)
  else print "    " roff($0)
  next
}
/^[A-Z][^:]*:$/ {
  if (part == "examples") print ".fi"
  heading = toupper(substr($0, 1, length($0) - 1))
  print ".SH " heading
  part = heading == "EXAMPLES" ? "examples" : "new section"
  if (part == "examples") print ".nf"
  next
}
part == "description" {
  print ($0 == "" ? ".PP" : roff($0))
  next
}
$0 == "" { next }
part == "new section" { part = $0 ~ /^  --/ || $0 ~ /^  [^ ]+  / ? "options" : "text" }
part == "options" && /^  [^ ]/ {
  tag = $0
  sub(/^  /, "", tag)
  text = ""
  if (match(tag, /   */)) {
    text = substr(tag, RSTART + RLENGTH)
    tag = substr(tag, 1, RSTART - 1)
  }
  print ".TP"
  print ".B " roff(tag)
  if (text != "") print roff(text)
  next
}
{ print roff($0) }
END {
  if (part == "examples") print ".fi"
  print ".SH COPYRIGHT"
  lines = 0
  while ((getline line < version_text) > 0) {
    if (++lines == 1) continue
    if (lines > 2) print ".br"
    print roff(line)
  }
  if (lines < 2) {
    print "help-to-man.awk: no copyright in " version_text > "/dev/stderr"
    exit 1
  }
  print ".SH SEE ALSO"
  print ".BR celforo (1)"
}
