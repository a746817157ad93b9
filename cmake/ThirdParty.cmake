# fast_float (reading) and {fmt} (writing), the two header-only libraries the
# calculator converts doubles with, copied from Debian's packages
# (libfast-float-dev, libfmt-dev) into the build folder. Every compiler, a cross
# compiler included, finds them there and never needs the host's /usr/include.
# {fmt} is used header-only and without std::locale.
set(CELFORO_HEADER_LIBRARIES_ROOT /usr/include CACHE PATH
    "The folder holding fast_float/ and fmt/ (Debian: /usr/include)")

set(celforo_thirdparty_include ${PROJECT_BINARY_DIR}/thirdparty/include)
foreach(library fast_float fmt)
  if(NOT IS_DIRECTORY ${CELFORO_HEADER_LIBRARIES_ROOT}/${library})
    message(FATAL_ERROR "${CELFORO_HEADER_LIBRARIES_ROOT}/${library} is missing: "
                        "tools/install-deps installs libfast-float-dev and libfmt-dev")
  endif()
  # Copies only what changed since the last configure.
  file(COPY ${CELFORO_HEADER_LIBRARIES_ROOT}/${library} DESTINATION ${celforo_thirdparty_include})
endforeach()

add_library(celforo_thirdparty INTERFACE)
target_include_directories(celforo_thirdparty SYSTEM INTERFACE ${celforo_thirdparty_include})
target_compile_definitions(celforo_thirdparty INTERFACE
  FMT_HEADER_ONLY
  # A fixed grouping character: {fmt} then includes no <locale> and asks none.
  "FMT_STATIC_THOUSANDS_SEPARATOR=','")
