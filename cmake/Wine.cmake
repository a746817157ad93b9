# Running the Windows build's tests under Wine (tools/wine-run).
#
# A test whose command is one of the build's executables runs under Wine on
# its own: tools/wine-run is the cross-compiling emulator, in the prefix
# build/windows/wine-prefix at 96 DPI. That prefix is made afresh once per test
# run by the fixture test wine_prefix and stopped by wine_stop at the end; a
# directory of such tests ends with celforo_wine_fixture() to have all its tests
# wait for the fresh prefix.
#
# A test that needs an X display, or another DPI, is added with
# celforo_add_wine_test(), which gives each DPI a prefix and a fixture of its own.
# ctest itself must then run under an X server: `xvfb-run -a ctest --preset
# windows` when there is none (make windows-test does that).

set(CELFORO_WINE_RUN ${PROJECT_SOURCE_DIR}/tools/wine-run)
set(CELFORO_WINE_PREFIX ${PROJECT_BINARY_DIR}/wine-prefix)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CELFORO_WINE_RUN} --prefix ${CELFORO_WINE_PREFIX})

# celforo_wine_prefix_fixture(FIXTURE PREFIX DPI): the tests that make PREFIX
# afresh at DPI before the tests requiring FIXTURE, and stop it after them.
function(celforo_wine_prefix_fixture fixture prefix dpi)
  add_test(NAME ${fixture}_prefix
           COMMAND ${CELFORO_WINE_RUN} --prefix ${prefix} --fresh --dpi ${dpi} --prepare)
  add_test(NAME ${fixture}_stop COMMAND ${CELFORO_WINE_RUN} --prefix ${prefix} --stop)
  set_tests_properties(${fixture}_prefix PROPERTIES FIXTURES_SETUP ${fixture})
  set_tests_properties(${fixture}_stop PROPERTIES FIXTURES_CLEANUP ${fixture})
endfunction()

celforo_wine_prefix_fixture(wine ${CELFORO_WINE_PREFIX} 96)

# celforo_wine_fixture(): every test of the calling directory so far waits for
# the fresh prefix. Call it at the end of a directory's tests.
function(celforo_wine_fixture)
  get_property(tests DIRECTORY PROPERTY TESTS)
  foreach(test IN LISTS tests)
    get_test_property(${test} FIXTURES_SETUP sets_up)
    get_test_property(${test} FIXTURES_CLEANUP cleans_up)
    if(sets_up OR cleans_up)
      continue()
    endif()
    set_property(TEST ${test} APPEND PROPERTY FIXTURES_REQUIRED wine)
    set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT CELFORO_WINE_SHARED_PREFIX=1)
  endforeach()
endfunction()

# celforo_add_wine_test(NAME name [DPI dpi] [DISPLAY] [TIMEOUT seconds]
#                       COMMAND target [argument...])
# Runs the build's executable `target` under Wine: at 96 DPI in the shared
# prefix, at any other DPI in a prefix of that DPI (build/windows/wine-prefix-dpiN);
# DISPLAY for a program that opens windows.
function(celforo_add_wine_test)
  cmake_parse_arguments(PARSE_ARGV 0 arg "DISPLAY" "NAME;DPI;TIMEOUT" "COMMAND")
  if(NOT arg_NAME OR NOT arg_COMMAND)
    message(FATAL_ERROR "celforo_add_wine_test: NAME and COMMAND are needed")
  endif()
  if(NOT arg_DPI)
    set(arg_DPI 96)
  endif()
  if(arg_DPI EQUAL 96)
    set(fixture wine)
    set(prefix ${CELFORO_WINE_PREFIX})
  else()
    set(fixture wine_dpi${arg_DPI})
    set(prefix ${CELFORO_WINE_PREFIX}-dpi${arg_DPI})
    get_property(made GLOBAL PROPERTY CELFORO_WINE_FIXTURES)
    if(NOT fixture IN_LIST made)
      celforo_wine_prefix_fixture(${fixture} ${prefix} ${arg_DPI})
      set_property(GLOBAL APPEND PROPERTY CELFORO_WINE_FIXTURES ${fixture})
    endif()
  endif()
  set(options --prefix ${prefix} --dpi ${arg_DPI})
  if(arg_DISPLAY)
    list(APPEND options --display)
  endif()
  if(arg_TIMEOUT)
    list(APPEND options --timeout ${arg_TIMEOUT})
  endif()
  list(POP_FRONT arg_COMMAND program)
  if(TARGET ${program})
    set(program $<TARGET_FILE:${program}>)
  endif()
  add_test(NAME ${arg_NAME} COMMAND ${CELFORO_WINE_RUN} ${options} ${program} ${arg_COMMAND})
  set_tests_properties(${arg_NAME} PROPERTIES FIXTURES_REQUIRED ${fixture}
                                              ENVIRONMENT CELFORO_WINE_SHARED_PREFIX=1)
endfunction()
