# Cross-compiles the shipped program for 32-bit Windows with Debian's
# mingw-w64 toolchain. The win32 flavour: nothing uses std::thread, and
# without winpthreads the program is smaller and needs no more notices.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(RIBI_MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_C_COMPILER ${RIBI_MINGW_TRIPLET}-gcc-win32)
set(CMAKE_CXX_COMPILER ${RIBI_MINGW_TRIPLET}-g++-win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
