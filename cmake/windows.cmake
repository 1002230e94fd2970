# The native Win32 window, cross-compiled with mingw-w64 (see
# cmake/mingw-w64-i686.cmake) or built on Windows itself.
enable_language(RC)

add_library(ribi_win32 STATIC
  form/win32/accessible_name.cpp
  form/win32/control_styles.cpp
  form/win32/dpi.cpp
  form/win32/frame_control.cpp
  form/win32/list_box_window.cpp
  form/win32/message_loop.cpp
  form/win32/option_window.cpp
  form/win32/output_box_window.cpp
  form/win32/subclassed_control.cpp
  form/win32/win32_form.cpp
)
# Windows 7 is the oldest system served; newer calls are looked up at run time.
target_compile_definitions(ribi_win32 PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
# oleacc, ole32 and oleaut32 only for screen readers: Windows' own DLLs.
target_link_libraries(ribi_win32 PUBLIC ribi_core user32 gdi32 oleacc ole32 oleaut32)

add_executable(ribi WIN32 window/main_win32.cpp window/ribi.rc)
target_link_libraries(ribi PRIVATE ribi_win32)
# The version in the resources is the project's.
configure_file(window/version.h.in ${PROJECT_BINARY_DIR}/generated/ribi_version.h @ONLY)
target_include_directories(ribi PRIVATE ${PROJECT_BINARY_DIR}/generated)
# windres reports no dependencies: what the script pulls in is listed here.
set_property(SOURCE window/ribi.rc APPEND PROPERTY OBJECT_DEPENDS
             ${PROJECT_SOURCE_DIR}/window/version_info.rc ${PROJECT_BINARY_DIR}/generated/ribi_version.h
             ${PROJECT_SOURCE_DIR}/window/resource.h ${PROJECT_SOURCE_DIR}/window/icon/ribi.ico
             ${PROJECT_SOURCE_DIR}/window/ribi.manifest)
set_target_properties(ribi PROPERTIES OUTPUT_NAME ribi)
if(MINGW)
  # Size before speed (nothing here is hot), and unused code left out.
  foreach(target IN ITEMS ribi_core ribi_win32 ribi)
    target_compile_options(${target} PRIVATE $<$<CONFIG:Release>:-Os -ffunction-sections -fdata-sections>)
  endforeach()
  target_link_options(ribi PRIVATE -municode -s -Wl,--tsaware $<$<CONFIG:Release>:-Wl,--gc-sections>)
endif()

# The time the packages carry (scripts/source-date-epoch.sh), looked up on
# every build and kept in a file that changes only with it. The linker
# writes it as the image's time stamp (ld takes SOURCE_DATE_EPOCH) instead
# of the time of the link, and a new one relinks, so that the same sources
# give the same ribi.exe whenever they are built.
set(RIBI_SOURCE_DATE ${PROJECT_BINARY_DIR}/source-date-epoch)
set(source_date_script ${PROJECT_SOURCE_DIR}/scripts/source-date-epoch.sh)
add_custom_target(ribi_source_date
  COMMAND sh ${source_date_script} > ${RIBI_SOURCE_DATE}.new
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${RIBI_SOURCE_DATE}.new ${RIBI_SOURCE_DATE}
  BYPRODUCTS ${RIBI_SOURCE_DATE}
  VERBATIM)
add_dependencies(ribi ribi_source_date)
set_property(TARGET ribi APPEND PROPERTY LINK_DEPENDS ${RIBI_SOURCE_DATE})
set_property(TARGET ribi PROPERTY RULE_LAUNCH_LINK "sh ${source_date_script}")

if(CMAKE_CROSSCOMPILING)
  # Tests run under Wine, in a prefix of the build tree so that nothing of
  # the user's own ~/.wine is touched, by the Wine of this build's bits.
  set(RIBI_WINEPREFIX ${PROJECT_BINARY_DIR}/wineprefix)
  math(EXPR program_bits "${CMAKE_SIZEOF_VOID_P} * 8")
  execute_process(COMMAND sh ${PROJECT_SOURCE_DIR}/scripts/wine-loader.sh ${program_bits}
                  OUTPUT_VARIABLE wine OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(wine UNIX_COMMAND "${wine}")
  list(GET wine 0 wine_loader)
  list(GET wine 1 wine_server)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/scripts/wine-loader.sh)
  set(CMAKE_CROSSCOMPILING_EMULATOR env WINEPREFIX=${RIBI_WINEPREFIX} WINEDEBUG=-all WINESERVER=${wine_server}
                                    ${wine_loader})
  # Off where this machine's Wine cannot run this build's programs: only the
  # checks that read its files are kept.
  option(RIBI_WINE_TESTS "Run this build's test programs under Wine" ON)

  if(BUILD_TESTING)
    include(cmake/googletest_from_source.cmake)
    # The win32 thread flavour of the compiler has no std::mutex, which
    # GoogleTest wants for one class of its own: it gets a stand-in.
    include(CheckCXXSourceCompiles)
    check_cxx_source_compiles("#include <mutex>\nstd::mutex m;\nint main() {}" RIBI_HAS_STD_MUTEX)
    if(NOT RIBI_HAS_STD_MUTEX)
      target_compile_options(gtest PUBLIC -include ${PROJECT_SOURCE_DIR}/tests/win32/gtest_notification.h)
    endif()
  endif()
endif()

# Packaged as a zip and as an installer.
include(packaging/windows/package.cmake)
