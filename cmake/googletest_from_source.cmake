# A cross build finds no GoogleTest packaged for its target: it builds one
# from Debian's sources (package googletest), as GTest::gtest and
# GTest::gtest_main. Options for it are set before this is included.
set(RIBI_GOOGLETEST_SOURCE /usr/src/googletest/googletest CACHE PATH "GoogleTest sources for a cross build")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${RIBI_GOOGLETEST_SOURCE} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
if(NOT TARGET GTest::gtest) # GoogleTest 1.12 makes these itself
  add_library(GTest::gtest ALIAS gtest)
  add_library(GTest::gtest_main ALIAS gtest_main)
endif()
