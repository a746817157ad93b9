# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (the POSIX
# threading flavour, which C++ threads need). Everything is linked statically,
# so the programs import nothing but Windows' own DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CELFORO_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${CELFORO_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${CELFORO_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${CELFORO_MINGW_TRIPLET}-windres)
# ar, strip, objdump and the rest are found by the compiler's prefix.

# Libraries and headers come from the target's tree only, programs from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${CELFORO_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
