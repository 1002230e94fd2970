# What both mingw-w64 cross builds share, once RIBI_MINGW_TRIPLET and the
# compilers are set: find only the target's own libraries and headers, and
# link everything statically so that the program needs only system DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_RC_COMPILER ${RIBI_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${RIBI_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
