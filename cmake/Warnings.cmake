# Strict warnings for the project's own targets; third-party code is untouched.
function(celforo_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wconversion -Wshadow)
  # GCC 12 with optimisation takes std::string's own appends for overlapping
  # copies (its bugs 105329 and 105651, fixed in GCC 13): a false alarm that
  # would fail the Release builds.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(CELFORO_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
