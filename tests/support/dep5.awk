# Reads a machine-readable Debian copyright file (DEP-5) and prints one part:
#   -v files=PATTERN -v want=copyright  the Copyright field of the paragraph
#                                       "Files: PATTERN", its lines as written
#   -v files=PATTERN -v want=license    that paragraph's licence name
#   -v license=NAME                     the text of the paragraph that begins
#                                       "License: NAME": the leading space of
#                                       each line removed, " ." an empty line
# Nothing is printed when the part is missing.
BEGIN { RS = "" }
{
  count = split($0, lines, "\n")
  name = ""
  delete fields
  delete value
  delete body
  for (i = 1; i <= count; i++) {
    if (lines[i] ~ /^[^ \t][^:]*:/) {
      name = substr(lines[i], 1, index(lines[i], ":") - 1)
      fields[name] = lines[i]
      value[name] = substr(lines[i], index(lines[i], ":") + 1)
      sub(/^[ \t]+/, "", value[name])
      sub(/[ \t]+$/, "", value[name])
      body[name] = ""
    } else if (name != "") {
      fields[name] = fields[name] "\n" lines[i]
      line = lines[i]
      sub(/^ /, "", line)
      body[name] = body[name] (line == "." ? "" : line) "\n"
    }
  }
  if (files != "" && ("Files" in fields) && value["Files"] == files) {
    if (want == "copyright" && ("Copyright" in fields)) print fields["Copyright"]
    if (want == "license" && ("License" in fields)) print value["License"]
  }
  if (license != "" && lines[1] ~ /^License:/ && value["License"] == license) {
    printf "%s", body["License"]
  }
}
