# The Qt 6 Widgets window for Linux.
find_package(Qt6 REQUIRED COMPONENTS Widgets)

add_library(ribi_qt STATIC
  form/qt/list_box_widget.cpp
  form/qt/option_widget.cpp
  form/qt/qt_application.cpp
  form/qt/output_box_widget.cpp
  form/qt/qt_form.cpp
)
target_link_libraries(ribi_qt PUBLIC ribi_core Qt6::Widgets)

add_executable(ribi window/main_qt.cpp window/main_window_qt.cpp)
target_link_libraries(ribi PRIVATE ribi_qt)

# What `cmake --install` puts on a Linux system: the program, its menu
# entry, its AppStream description and its icon in the hicolor theme.
include(GNUInstallDirs)
set(RIBI_APP_ID bg.velorna.ribi)
install(TARGETS ribi RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES packaging/linux/${RIBI_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/linux/${RIBI_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 32 128)
  install(FILES window/icon/ribi-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${RIBI_APP_ID}.png)
endforeach()

# `make package`: a Debian package that needs only Debian's runtime packages.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ribi)
set(CPACK_PACKAGE_VENDOR "Велорна")
set(CPACK_PACKAGE_CONTACT "Велорна <ribi@velorna.bg>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Пасажни и непасажни риби: учебна програма по биология")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6 (>= 2.34), libstdc++6 (>= 12), libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), qt6-qpa-plugins (>= 6.4), qt6-translations-l10n, fonts-liberation")
include(CPack)
