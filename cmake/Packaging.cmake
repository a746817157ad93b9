# The Debian package, built by `make package` (cpack).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME celforo)
set(CPACK_PACKAGE_VERSION ${CELFORO_VERSION_TEXT})
set(CPACK_PACKAGE_VENDOR "CELFORO developers")
# The developers have no public address yet: the contact is a name alone.
set(CPACK_PACKAGE_CONTACT "CELFORO developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for telescope photography by eyepiece projection")
set(CPACK_PACKAGE_DESCRIPTION
    "CELFORO computes the magnification, the equivalent focal length and the\n"
    "distance from the eyepiece to the focal plane for photography through a\n"
    "telescope by eyepiece projection. celforo-calc gives the same figures on\n"
    "the command line.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The libraries the programs link, found by dpkg-shlibdeps, not written here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window looks for these families in its font list; any one serves.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2 | fonts-dejavu-core")
set(CPACK_STRIP_FILES ON)
include(CPack)
