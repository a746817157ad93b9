# Writes SITE/sw.js from TEMPLATE: the list FILES it keeps (with "./", the
# page as the site's root serves it) and a cache name made of VERSION and the
# digest of those files.
set(digests "")
set(quoted "'./'")
foreach(file IN LISTS FILES)
  file(SHA256 ${SITE}/${file} digest)
  string(APPEND digests "${file} ${digest}\n")
  string(APPEND quoted ", '${file}'")
endforeach()
string(SHA256 digest "${digests}")
string(SUBSTRING ${digest} 0 16 CELFORO_SITE_DIGEST)
set(CELFORO_VERSION_TEXT ${VERSION})
set(CELFORO_SITE_FILES ${quoted})
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
