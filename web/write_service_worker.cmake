# Writes SITE/sw.js from TEMPLATE, without its comments: the list FILES it
# keeps (with "./", the page as the site's root serves it) and a cache name
# made of VERSION and the digest of those files.
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
include(${CMAKE_CURRENT_LIST_DIR}/served_text.cmake)
file(READ ${TEMPLATE} template)
celforo_served_text("${template}" js served)
string(CONFIGURE "${served}" worker @ONLY)
file(WRITE ${SITE}/sw.js "${worker}")
