# Read by cpack for each package it makes: the installer says what it is.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_CELFORO_FILE_NAME}-setup")
else()
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_CELFORO_FILE_NAME}")
endif()
