# Strict warnings for the project's own targets; third-party code is untouched.
function(celforo_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wconversion -Wshadow)
  if(CELFORO_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
