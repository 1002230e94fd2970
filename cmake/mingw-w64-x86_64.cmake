# The same sources for 64-bit Windows: built only to run the Win32 tests
# under 64-bit Wine on machines whose kernel cannot run 32-bit programs.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(RIBI_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${RIBI_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${RIBI_MINGW_TRIPLET}-g++-posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
