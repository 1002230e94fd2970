# The native Win32 window, cross-compiled with mingw-w64 (see
# cmake/mingw-w64-i686.cmake) or built on Windows itself.
enable_language(RC)

add_library(ribi_win32 STATIC
  form/win32/accessible_name.cpp
  form/win32/creation.cpp
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

# The licence and the notices of the runtime linked into ribi.exe, as
# Notepad before Windows 10 reads them: CR LF and a byte order mark.
set(RIBI_WINDOWS_TEXTS ${PROJECT_BINARY_DIR}/windows-texts/LICENSE.txt
                       ${PROJECT_BINARY_DIR}/windows-texts/NOTICES.txt)
string(ASCII 239 187 191 byte_order_mark)
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/windows-texts)
foreach(source IN ITEMS LICENSE.txt packaging/windows/NOTICES.txt)
  file(READ ${source} text)
  string(REPLACE "\n" "\r\n" text "${text}")
  get_filename_component(name ${source} NAME)
  file(WRITE ${PROJECT_BINARY_DIR}/CMakeFiles/${name}.new "${byte_order_mark}${text}")
  file(COPY_FILE ${PROJECT_BINARY_DIR}/CMakeFiles/${name}.new ${PROJECT_BINARY_DIR}/windows-texts/${name}
       ONLY_IF_DIFFERENT)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
endforeach()

# `make package`: a zip to unpack anywhere, the program and how to start it
# side by side at its top, with the licences.
install(TARGETS ribi RUNTIME DESTINATION .)
install(FILES packaging/windows/PROCHETI.txt ${RIBI_WINDOWS_TEXTS} DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME ribi)
set(CPACK_PACKAGE_VENDOR "Велорна")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_PACKAGE_FILE_NAME ribi-${PROJECT_VERSION}-win32)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)

# And the Windows Installer package for deployment: `cmake --build . --target msi`.
set(RIBI_MSI ${CMAKE_BINARY_DIR}/packages/ribi-${PROJECT_VERSION}.msi)
set(RIBI_MSI_INPUTS -DPROGRAM=$<TARGET_FILE:ribi> "-DTEXTS=${RIBI_WINDOWS_TEXTS}"
                    -DICON=${PROJECT_SOURCE_DIR}/window/icon/ribi.ico)
add_custom_command(
  OUTPUT ${RIBI_MSI}
  COMMAND ${CMAKE_COMMAND} ${RIBI_MSI_INPUTS} -DVERSION=${PROJECT_VERSION} -DOUTPUT=${RIBI_MSI}
          -DWORK=${PROJECT_BINARY_DIR}/msi-work -P ${PROJECT_SOURCE_DIR}/packaging/windows/make_msi.cmake
  DEPENDS ribi ${RIBI_WINDOWS_TEXTS} ${PROJECT_SOURCE_DIR}/window/icon/ribi.ico
          ${PROJECT_SOURCE_DIR}/packaging/windows/make_msi.cmake
  COMMENT "Windows Installer package ${RIBI_MSI}"
  VERBATIM)
add_custom_target(msi DEPENDS ${RIBI_MSI})
