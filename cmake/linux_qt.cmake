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
