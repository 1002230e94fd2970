# The Qt 6 Widgets window for Linux.
find_package(Qt6 REQUIRED COMPONENTS Widgets)

add_library(ribi_qt STATIC
  form/qt/accessible_form.cpp
  form/qt/accessible_list.cpp
  form/qt/accessible_option.cpp
  form/qt/announcer.cpp
  form/qt/list_box_widget.cpp
  form/qt/option_widget.cpp
  form/qt/application_setup.cpp
  form/qt/output_box_widget.cpp
  form/qt/qt_form.cpp
)
target_link_libraries(ribi_qt PUBLIC ribi_core Qt6::Widgets)

# The main window's run: the program's, and the start-up benchmark's.
add_library(ribi_main_window STATIC window/run_qt_main_window.cpp)
target_link_libraries(ribi_main_window PUBLIC ribi_qt)

add_executable(ribi window/main_qt.cpp)
target_link_libraries(ribi PRIVATE ribi_main_window)

# Built, installed and packaged as Debian builds its own.
include(packaging/linux/package.cmake)
