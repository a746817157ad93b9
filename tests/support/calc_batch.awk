# Writes `lines` generated batch lines for celforo-calc (default 100000): good
# set-ups in many number forms, failing ones, blank, comment and odd-field
# lines, CRLF endings, bytes a text-mode stream would change (a lone CR, a
# Ctrl-Z), and a last line without its newline. Its own random numbers, so
# every awk writes the same file.
function next_random() {  # Park and Miller's minimal standard generator
  seed = (seed * 16807) % 2147483647
  return seed
}
function pick(n) { return next_random() % n }
function digits(n,    text, i) {
  text = ""
  for (i = 0; i < n; ++i) text = text pick(10)
  return text
}
function separator(    kind) {
  kind = pick(8)
  if (kind < 4) return " "
  if (kind == 4) return "\t"
  if (kind == 5) return "  "
  if (kind == 6) return " \t "
  return "\t\t"
}
# A plausible value: whole, decimal, with an exponent, signed, or with a suffix.
function number(largest,    kind, text) {
  kind = pick(12)
  if (kind < 4) return 1 + pick(largest)
  if (kind < 7) return pick(largest) "." digits(1 + pick(8))
  if (kind == 7) return "." digits(1 + pick(5))
  if (kind == 8) return (1 + pick(9)) "." digits(pick(4)) (pick(2) ? "e" : "E") (pick(2) ? "+" : "") pick(4)
  if (kind == 9) return "+" (1 + pick(largest))
  if (kind == 10) return (1 + pick(largest)) (pick(2) ? "mm" : "," digits(1))
  return "0" (1 + pick(largest)) "." digits(2)
}
# Anything a person might type in a field, failing or not.
function any_field(    kind) {
  kind = pick(16)
  if (kind < 6) return number(5000)
  if (kind == 6) return "-" number(100)
  if (kind == 7) return "0"
  if (kind == 8) return "0.0000001"
  if (kind == 9) return "1e" (300 + pick(20))
  if (kind == 10) return "1e-" (300 + pick(30))
  if (kind == 11) return "abc"
  if (kind == 12) return "-"
  if (kind == 13) return "."
  if (kind == 14) return digits(20 + pick(10))
  return "9" digits(pick(3)) "." digits(15 + pick(5))
}
function set_up() {
  return number(5000) separator() number(60) separator() (pick(5) ? "" : "-") number(200)
}
function line(    kind, text, i, count) {
  kind = pick(100)
  if (kind < 55) return set_up()
  if (kind < 70) return any_field() separator() any_field() separator() any_field()
  if (kind < 75) return ""
  if (kind < 78) return substr("  \t \t", 1, 1 + pick(5))
  if (kind < 82) return (pick(2) ? "#" : "# ") set_up()
  if (kind < 87) {
    count = pick(2) ? 1 + pick(2) : 4 + pick(3)
    text = any_field()
    for (i = 1; i < count; ++i) text = text separator() any_field()
    return text
  }
  if (kind < 90) return separator() set_up() separator()
  if (kind < 92) return set_up() "\r"  # CR CR LF, or a CR before a bare LF
  if (kind < 93) return "2500 5\r3"  # a CR inside the line
  if (kind < 94) return "2500 5 3\032"  # Ctrl-Z, the end of a text-mode file
  if (kind < 95) return "2500 5 3 \303\251"  # UTF-8
  if (kind < 96) return "2500\2405\2403"  # Latin-1 no-break spaces
  if (kind < 97) return pick(2) ? "0 5 3" : "2500 5 0"
  if (kind < 98) return "2500 0 0"
  if (kind < 99) return "-0 -0 -0"
  return set_up() separator() "#"
}
BEGIN {
  seed = 20261207
  if (lines == "") lines = 100000
  for (n = 1; n < lines; ++n) printf "%s%s", line(), pick(10) == 0 ? "\r\n" : "\n"
  printf "%s", set_up()  # no newline at the end
}
