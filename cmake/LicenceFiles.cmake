# celforo_licence_files(FOLDER [WINDOWS]): writes FOLDER/LICENSE.txt, LICENSE's
# bytes, and FOLDER/THIRD-PARTY-NOTICES.txt, the notices of the libraries the
# programs contain, for a package that carries them as plain files. The
# notices, which name people beyond ASCII, begin with UTF-8's byte order mark,
# so that a browser or an older Notepad shows them right whatever it guesses;
# for WINDOWS both files have Windows line ends (CR LF), the only change made.
# Written when the build is configured, and again whenever either file changes.
function(celforo_licence_files folder)
  cmake_parse_arguments(PARSE_ARGV 1 arg WINDOWS "" "")
  string(ASCII 239 187 191 byte_order_mark)
  _celforo_write_text(${CELFORO_LICENSE_FILE} ${folder}/LICENSE.txt "" ${arg_WINDOWS})
  _celforo_write_text(${CELFORO_THIRD_PARTY_NOTICES} ${folder}/THIRD-PARTY-NOTICES.txt
                      "${byte_order_mark}" ${arg_WINDOWS})
endfunction()

function(_celforo_write_text source destination start windows)
  file(READ ${source} text)
  if(windows)
    string(REPLACE "\n" "\r\n" text "${text}")
  endif()
  file(WRITE ${destination} "${start}${text}")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
endfunction()
