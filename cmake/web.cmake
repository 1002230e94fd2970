# The browser edition: the window on the page's DOM, compiled to
# WebAssembly with Emscripten, in one self-contained page, ribi.html.
# Configure with Emscripten's toolchain (`make web` does).

# The handlers rely on exceptions, which Emscripten leaves off by default:
# on for everything this build compiles and links, GoogleTest included.
string(APPEND CMAKE_CXX_FLAGS " -fexceptions")
string(APPEND CMAKE_EXE_LINKER_FLAGS " -fexceptions")

add_library(ribi_web STATIC
  form/web/dom_element.cpp
  form/web/dom_listener.cpp
  form/web/list_box_element.cpp
  form/web/live_announcer.cpp
  form/web/option_element.cpp
  form/web/output_box_element.cpp
  form/web/page_fit.cpp
  form/web/web_form.cpp
)
target_link_libraries(ribi_web PUBLIC ribi_core)

# The program: its script, and its WebAssembly, which the page carries
# compressed and compiles itself (form/web/page.html). Nothing of
# JavaScript is generated at run time, so the page's policy can forbid eval.
add_executable(ribi_program window/main_web.cpp)
target_link_libraries(ribi_program PRIVATE ribi_web)
set_target_properties(ribi_program PROPERTIES OUTPUT_NAME ribi SUFFIX .js)
target_link_options(ribi_program PRIVATE
  --bind --no-entry
  -sDYNAMIC_EXECUTION=0
  -sENVIRONMENT=web
  -sINCOMING_MODULE_JS_API=instantiateWasm,onRuntimeInitialized
  -sFILESYSTEM=0
  -sMALLOC=emmalloc
  $<$<CONFIG:MinSizeRel>:-Os>
)

find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(RIBI_PAGE_TEMPLATE ${PROJECT_SOURCE_DIR}/form/web/page.html)
set(RIBI_PAGE_ICON ${PROJECT_SOURCE_DIR}/window/icon/ribi-32.png)
add_custom_command(
  OUTPUT ${PROJECT_BINARY_DIR}/ribi.html
  COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/form/web/make_page.py ${RIBI_PAGE_TEMPLATE}
          $<TARGET_FILE:ribi_program> $<TARGET_FILE_DIR:ribi_program>/ribi.wasm ${RIBI_PAGE_ICON}
          ${PROJECT_BINARY_DIR}/ribi.html
  DEPENDS ribi_program ${RIBI_PAGE_TEMPLATE} ${RIBI_PAGE_ICON} ${PROJECT_SOURCE_DIR}/form/web/make_page.py
  COMMENT "Putting the program into ribi.html")
add_custom_target(ribi_page ALL DEPENDS ${PROJECT_BINARY_DIR}/ribi.html)

if(BUILD_TESTING)
  # Node runs this build's test programs. (The toolchain's default adds a
  # flag that current Node rejects.)
  find_program(RIBI_NODE node REQUIRED)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${RIBI_NODE})
  # How a program for Node is linked: it reads its WebAssembly from disk at
  # once (the asynchronous path would try to fetch a file name, which
  # Node's fetch refuses).
  set(RIBI_NODE_PROGRAM -sENVIRONMENT=node -sWASM_ASYNC_COMPILATION=0 -sALLOW_MEMORY_GROWTH=1)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  include(cmake/googletest_from_source.cmake)
  foreach(library IN ITEMS gtest gtest_main)
    target_link_options(${library} INTERFACE ${RIBI_NODE_PROGRAM})
  endforeach()
endif()
