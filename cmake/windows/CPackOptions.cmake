# Read by cpack for each package it makes: the installer says what it is.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_CELFORO_FILE_NAME}-setup")
else()
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_CELFORO_FILE_NAME}")
endif()

# Stripping stamps each program with the time it happens, and each package
# strips its own copy: one time for all, so that the zip and the installer
# carry the same bytes.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} "${CPACK_CELFORO_SOURCE_DATE_EPOCH}")
endif()
