# The Debian package, built by `make package` (cpack); in the Windows build a
# portable zip and an installer, built by `make windows`.
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
set(CPACK_STRIP_FILES ON)

if(WIN32)
  set(CPACK_GENERATOR "ZIP;NSIS")
  # celforo-1.00-win64.zip and celforo-1.00-win64-setup.exe
  set(CPACK_CELFORO_FILE_NAME ${CPACK_PACKAGE_NAME}-${CELFORO_VERSION_TEXT}-win64)
  set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/windows/CPackOptions.cmake)
  # The installer's script is the project's own (cmake/windows/NSIS.template.in).
  list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR}/windows)
  set(CPACK_PACKAGE_INSTALL_DIRECTORY CELFORO)
  set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY CELFORO)
  set(CPACK_NSIS_PACKAGE_NAME CELFORO)
  set(CPACK_NSIS_DISPLAY_NAME CELFORO)
  set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
  set(CPACK_CELFORO_ICON ${CELFORO_ICO})
  # The installer's licence page shows the LICENSE.txt the packages carry.
  set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_BINARY_DIR}/data/LICENSE.txt)
  set(CPACK_CELFORO_COPYRIGHT "Copyright (C) ${CELFORO_COPYRIGHT}")
  set(CPACK_CELFORO_FILE_VERSION ${CELFORO_VERSION_DOTTED})
  # The programs' time stamp in both packages: when the build was configured
  # (or $SOURCE_DATE_EPOCH, which string(TIMESTAMP) honours).
  string(TIMESTAMP CPACK_CELFORO_SOURCE_DATE_EPOCH "%s" UTC)
  # The window, when built, gets the Start-menu entry and gives the installed
  # programs' list its icon.
  if(TARGET celforo)
    set(CPACK_CELFORO_WINDOW_PROGRAM celforo.exe)
  else()
    set(CPACK_CELFORO_WINDOW_PROGRAM "")
  endif()
  include(CPack)
  return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The libraries the programs link, found by dpkg-shlibdeps, not written here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window looks for these families in its font list; any one serves.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2 | fonts-dejavu-core")
include(CPack)
