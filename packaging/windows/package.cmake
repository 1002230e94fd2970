# The Windows packages, the zip and the installer, and the texts they
# carry. Included by cmake/windows.cmake once the program is defined.

# The licence and the notices of the runtime linked into ribi.exe, as
# Notepad before Windows 10 reads them: CR LF and a byte order mark.
set(RIBI_WINDOWS_TEXTS ${PROJECT_BINARY_DIR}/windows-texts/LICENSE.txt
                       ${PROJECT_BINARY_DIR}/windows-texts/NOTICES.txt)
string(ASCII 239 187 191 byte_order_mark)
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/windows-texts)
foreach(source IN ITEMS ${PROJECT_SOURCE_DIR}/LICENSE.txt ${CMAKE_CURRENT_LIST_DIR}/NOTICES.txt)
  file(READ ${source} text)
  string(REPLACE "\n" "\r\n" text "${text}")
  get_filename_component(name ${source} NAME)
  file(WRITE ${PROJECT_BINARY_DIR}/CMakeFiles/${name}.new "${byte_order_mark}${text}")
  file(COPY_FILE ${PROJECT_BINARY_DIR}/CMakeFiles/${name}.new ${PROJECT_BINARY_DIR}/windows-texts/${name}
       ONLY_IF_DIFFERENT)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
endforeach()

# `make package`: a zip to unpack anywhere, the program and how to start it
# side by side at its top, with the licences: `cmake --build . --target zip`.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(RIBI_ZIP ${CMAKE_BINARY_DIR}/packages/ribi-${PROJECT_VERSION}-win32.zip)
set(zip_files $<TARGET_FILE:ribi> ${CMAKE_CURRENT_LIST_DIR}/PROCHETI.txt ${RIBI_WINDOWS_TEXTS})
add_custom_command(
  OUTPUT ${RIBI_ZIP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packages
  COMMAND Python3::Interpreter ${CMAKE_CURRENT_LIST_DIR}/make_zip.py ${RIBI_ZIP} ${zip_files}
  DEPENDS ribi ${zip_files} ${RIBI_SOURCE_DATE} ${CMAKE_CURRENT_LIST_DIR}/make_zip.py
  COMMENT "Windows zip ${RIBI_ZIP}"
  VERBATIM)
add_custom_target(zip DEPENDS ${RIBI_ZIP})

# And the Windows Installer package for deployment: `cmake --build . --target msi`.
# The texts' list stays one argument only when written in the command itself.
set(RIBI_MSI ${CMAKE_BINARY_DIR}/packages/ribi-${PROJECT_VERSION}.msi)
add_custom_command(
  OUTPUT ${RIBI_MSI}
  COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:ribi> "-DTEXTS=${RIBI_WINDOWS_TEXTS}"
          -DICON=${PROJECT_SOURCE_DIR}/window/icon/ribi.ico -DVERSION=${PROJECT_VERSION} -DOUTPUT=${RIBI_MSI}
          -DWORK=${PROJECT_BINARY_DIR}/msi-work -P ${CMAKE_CURRENT_LIST_DIR}/make_msi.cmake
  DEPENDS ribi ${RIBI_WINDOWS_TEXTS} ${PROJECT_SOURCE_DIR}/window/icon/ribi.ico ${RIBI_SOURCE_DATE}
          ${CMAKE_CURRENT_LIST_DIR}/make_msi.cmake
  COMMENT "Windows Installer package ${RIBI_MSI}"
  VERBATIM)
add_custom_target(msi DEPENDS ${RIBI_MSI})
