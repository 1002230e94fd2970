# Cross-compiles for 32-bit Windows with Debian's mingw-w64 toolchain. The
# posix flavour carries std::thread and friends (through winpthreads);
# everything is linked statically so that ribi.exe needs only system DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(RIBI_MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_C_COMPILER ${RIBI_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${RIBI_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${RIBI_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${RIBI_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
