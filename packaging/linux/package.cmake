# The Debian package: the build flags, what it installs and CPack's
# settings (make-deb.sh runs CPack). Included by cmake/linux_qt.cmake once
# the program is defined.

# Optimised builds take Debian's hardening flags from dpkg-buildflags, as
# Debian's own packages do: PIE, full RELRO with BIND_NOW, stack protector,
# fortified libc calls. The build type keeps its own -O and -g; Debug and
# sanitizer builds are left as they are (fortify needs optimisation).
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(DPKG_BUILDFLAGS AND NOT RIBI_SANITIZE AND CMAKE_BUILD_TYPE MATCHES "^(RelWithDebInfo|Release|MinSizeRel)$")
  foreach(flags CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all "DEB_CXXFLAGS_MAINT_STRIP=-g -O2"
              ${DPKG_BUILDFLAGS} --get ${flags}
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} # for -ffile-prefix-map: source paths relative
      OUTPUT_VARIABLE dpkg_${flags} OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
  # The build directory's path, where it is not inside the sources, is mapped
  # too: the binary's build ID, which the package keeps, then does not
  # depend on where it was built.
  string(APPEND CMAKE_CXX_FLAGS " ${dpkg_CPPFLAGS} ${dpkg_CXXFLAGS} -ffile-prefix-map=${CMAKE_BINARY_DIR}=.")
  string(APPEND CMAKE_EXE_LINKER_FLAGS " ${dpkg_LDFLAGS}")
endif()

# What `cmake --install` puts on a Linux system: the program, its menu
# entry, its AppStream description, its icon in the hicolor theme, and the
# documents Debian asks of a package (copyright, changelog, manual pages).
include(GNUInstallDirs)
set(RIBI_APP_ID bg.velorna.ribi)
set(RIBI_PACKAGING ${CMAKE_CURRENT_LIST_DIR})
install(TARGETS ribi RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped install (the package's) also drops the compilers' .comment and
# .note sections, as Debian's dh_strip does.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note --strip-unneeded
                            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:ribi>\"
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()")
install(FILES ${RIBI_PACKAGING}/${RIBI_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${RIBI_PACKAGING}/${RIBI_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 24 32 48 64 128 256)
  install(FILES window/icon/ribi-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${RIBI_APP_ID}.png)
endforeach()
install(FILES window/icon/ribi.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${RIBI_APP_ID}.svg)

# Debian wants the changelog and the manual pages compressed at the highest
# level and without a time stamp (gzip -n), so that rebuilds are identical.
set(RIBI_DOCS ${CMAKE_BINARY_DIR}/docs)
set(compressed_docs)
foreach(doc changelog ribi.1 ribi.bg.1)
  add_custom_command(OUTPUT ${RIBI_DOCS}/${doc}.gz
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${RIBI_DOCS}
                     COMMAND gzip -9 -n -c ${RIBI_PACKAGING}/${doc} > ${RIBI_DOCS}/${doc}.gz
                     DEPENDS ${RIBI_PACKAGING}/${doc} VERBATIM)
  list(APPEND compressed_docs ${RIBI_DOCS}/${doc}.gz)
endforeach()
add_custom_target(ribi_docs ALL DEPENDS ${compressed_docs})
set(RIBI_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/ribi)
install(FILES ${RIBI_PACKAGING}/copyright ${RIBI_DOCS}/changelog.gz DESTINATION ${RIBI_DOC_DIR})
install(FILES ${RIBI_DOCS}/ribi.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${RIBI_DOCS}/ribi.bg.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/bg/man1 RENAME ribi.1.gz)
install(FILES ${RIBI_PACKAGING}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME ribi)

# `make package`: a Debian package that lintian passes. Depends comes from
# dpkg-shlibdeps, plus what the binary loads without linking to it: Qt's
# platform plugins and the fonts the window names. Without Qt's Bulgarian
# translations the program still starts, with Qt's own texts in English.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ribi)
set(CPACK_PACKAGE_VENDOR "Велорна")
set(CPACK_PACKAGE_CONTACT "Велорна <ribi@velorna.bg>")
# Lintian compares the synopsis with the description's first line keeping
# only Latin letters and digits, so all-Cyrillic lines would match as equal
# (an error): "18" keeps the two apart.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Пасажни и непасажни риби: учебна програма с 18 вида")
set(CPACK_PACKAGE_DESCRIPTION [=[
Учебна програма по биология и информатика. В списък са подредени по
азбучен ред осемнадесет вида риби. При щракване върху вид се показват
името, типът му (пасажна или непасажна риба) и кратко описание, а при
щракване върху тип се изброяват всички видове от него.

Програмата работи без интернет, не записва нищо и няма настройки.
Целият ѝ текст е на български.]=])
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.velorna.bg/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
