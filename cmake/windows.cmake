# The native Win32 window, cross-compiled with mingw-w64 (see
# cmake/mingw-w64-i686.cmake) or built on Windows itself.
enable_language(RC)

add_library(ribi_win32 STATIC
  form/win32/control_styles.cpp
  form/win32/dpi.cpp
  form/win32/frame_control.cpp
  form/win32/list_box_control.cpp
  form/win32/message_loop.cpp
  form/win32/option_control.cpp
  form/win32/output_box_control.cpp
  form/win32/subclassed_control.cpp
  form/win32/win32_form.cpp
)
# Windows 7 is the oldest system served; newer calls are looked up at run time.
target_compile_definitions(ribi_win32 PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
target_link_libraries(ribi_win32 PUBLIC ribi_core user32 gdi32)

add_executable(ribi WIN32 window/main_win32.cpp window/ribi.rc)
target_link_libraries(ribi PRIVATE ribi_win32)
# The version in the resources is the project's.
configure_file(window/version.h.in ${PROJECT_BINARY_DIR}/generated/ribi_version.h @ONLY)
target_include_directories(ribi PRIVATE ${PROJECT_BINARY_DIR}/generated)
set_property(SOURCE window/ribi.rc APPEND PROPERTY OBJECT_DEPENDS
             ${PROJECT_SOURCE_DIR}/window/version_info.rc ${PROJECT_BINARY_DIR}/generated/ribi_version.h)
set_target_properties(ribi PROPERTIES OUTPUT_NAME ribi)
if(MINGW)
  target_link_options(ribi PRIVATE -municode -s)
endif()

if(CMAKE_CROSSCOMPILING)
  # Tests run under Wine, in a prefix of the build tree so that nothing of
  # the user's own ~/.wine is touched.
  set(RIBI_WINEPREFIX ${PROJECT_BINARY_DIR}/wineprefix)
  # The 64-bit build names the 64-bit loader and server outright: Debian's
  # `wine` wrapper picks the 32-bit loader whenever it is installed, even
  # on a machine that cannot run it.
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(RIBI_WINE env WINESERVER=/usr/lib/wine/wineserver64 /usr/lib/wine/wine64)
  else()
    set(RIBI_WINE wine)
  endif()
  set(CMAKE_CROSSCOMPILING_EMULATOR env WINEPREFIX=${RIBI_WINEPREFIX} WINEDEBUG=-all ${RIBI_WINE})
  # Off where this machine's Wine cannot run this build's programs: only the
  # checks that read its files are kept.
  option(RIBI_WINE_TESTS "Run this build's test programs under Wine" ON)

  if(BUILD_TESTING)
    # No GoogleTest is packaged for the target: build it from Debian's sources.
    set(RIBI_GOOGLETEST_SOURCE /usr/src/googletest/googletest CACHE PATH "GoogleTest sources for the cross build")
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(${RIBI_GOOGLETEST_SOURCE} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    if(NOT TARGET GTest::gtest)
      add_library(GTest::gtest ALIAS gtest)
      add_library(GTest::gtest_main ALIAS gtest_main)
    endif()
  endif()
endif()

# `make package`: a zip to unpack anywhere, the program and how to start it
# side by side at its top.
install(TARGETS ribi RUNTIME DESTINATION .)
install(FILES packaging/windows/ПРОЧЕТИ.txt DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME ribi)
set(CPACK_PACKAGE_VENDOR "Велорна")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_PACKAGE_FILE_NAME ribi-${PROJECT_VERSION}-win32)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)
