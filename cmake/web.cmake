# The browser edition: the window on the page's DOM, compiled to
# WebAssembly with Emscripten, in one self-contained page, ribi.html.
# Configure with Emscripten's toolchain (`make web` does).

# The handlers rely on exceptions, which Emscripten leaves off by default:
# on for everything this build compiles and links, GoogleTest included.
# WebAssembly's own (every current engine has them) rather than
# JavaScript's, which cost the page 7 KB of glue.
string(APPEND CMAKE_CXX_FLAGS " -fwasm-exceptions")
# Nothing asks a type at run time; the exceptions keep what they need.
string(APPEND CMAKE_CXX_FLAGS " -fno-rtti")
string(APPEND CMAKE_EXE_LINKER_FLAGS " -fwasm-exceptions")
# The page is built for size, optimised across files: the page carries
# 2 KB less.
string(REPLACE "-Os" "-Oz" CMAKE_CXX_FLAGS_MINSIZEREL "${CMAKE_CXX_FLAGS_MINSIZEREL}")
string(APPEND CMAKE_CXX_FLAGS_MINSIZEREL " -flto")
string(APPEND CMAKE_EXE_LINKER_FLAGS_MINSIZEREL " -flto")

add_library(ribi_web STATIC
  form/web/page_views.cpp
  form/web/web_form.cpp
)
target_link_libraries(ribi_web PUBLIC ribi_core)

# The program: its script, and its WebAssembly, which the page carries
# compressed and has the browser inflate and compile (form/web/page.html).
# Nothing of JavaScript is generated at run time, so the page's policy can
# forbid eval.
add_executable(ribi_program window/main_web.cpp)
target_link_libraries(ribi_program PRIVATE ribi_web)
set_target_properties(ribi_program PROPERTIES OUTPUT_NAME ribi SUFFIX .js
                      LINK_DEPENDS ${PROJECT_SOURCE_DIR}/form/web/page_views.js)
# The page's side of the views, page_views.js, draws them and feeds the controls.
target_link_options(ribi_program PRIVATE
  --js-library ${PROJECT_SOURCE_DIR}/form/web/page_views.js
  -sDYNAMIC_EXECUTION=0
  -sENVIRONMENT=web
  # Emscripten's smaller runtime, which takes the WebAssembly's bytes from
  # the loader: the program's script is a third smaller.
  -sMINIMAL_RUNTIME=1
  -sINCOMING_MODULE_JS_API=wasm
  -sMODULARIZE=1 -sEXPORT_NAME=ribiProgram
  -sFILESYSTEM=0
  -sMALLOC=emmalloc
  $<$<CONFIG:MinSizeRel>:-Oz --closure 1>
  # Every engine that runs WebAssembly's exceptions has TextDecoder: the
  # script's own UTF-8 decoder goes, and the optimiser's passes run twice.
  # The page carries 330 bytes less.
  -sTEXTDECODER=2
  $<$<CONFIG:MinSizeRel>:-sBINARYEN_EXTRA_PASSES=-Oz>
)

# Closure Compiler, which --closure runs, as pinned in its committed lock
# file, in the build tree: Debian's is too old for Emscripten's script.
set(RIBI_CLOSURE_DIR ${PROJECT_BINARY_DIR}/closure)
set(RIBI_CLOSURE ${RIBI_CLOSURE_DIR}/node_modules/google-closure-compiler-linux/compiler)
find_program(RIBI_NPM npm REQUIRED)
configure_file(form/web/closure/package.json ${RIBI_CLOSURE_DIR}/package.json COPYONLY)
configure_file(form/web/closure/package-lock.json ${RIBI_CLOSURE_DIR}/package-lock.json COPYONLY)
add_custom_command(
  OUTPUT ${RIBI_CLOSURE}
  COMMAND ${RIBI_NPM} ci --prefer-offline --no-audit --no-fund --loglevel=error
  WORKING_DIRECTORY ${RIBI_CLOSURE_DIR}
  DEPENDS ${RIBI_CLOSURE_DIR}/package-lock.json
  COMMENT "Installing Closure Compiler")
add_custom_target(ribi_closure DEPENDS ${RIBI_CLOSURE})
add_dependencies(ribi_program ribi_closure)
set_property(TARGET ribi_program PROPERTY RULE_LAUNCH_LINK "${CMAKE_COMMAND} -E env EM_CLOSURE_COMPILER=${RIBI_CLOSURE}")

find_package(Python3 REQUIRED COMPONENTS Interpreter)
# The page is built with its window drawn in: the program draws it once, in
# this Chromium, headless (form/web/make_page.py).
find_program(RIBI_CHROMIUM chromium REQUIRED)
set(RIBI_PAGE_TEMPLATE ${PROJECT_SOURCE_DIR}/form/web/page.html)
set(RIBI_PAGE_ICON ${PROJECT_SOURCE_DIR}/window/icon/ribi-32.png)
add_custom_command(
  OUTPUT ${PROJECT_BINARY_DIR}/ribi.html
  COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/form/web/make_page.py ${RIBI_PAGE_TEMPLATE}
          $<TARGET_FILE:ribi_program> $<TARGET_FILE_DIR:ribi_program>/ribi.wasm ${RIBI_PAGE_ICON}
          ${RIBI_CHROMIUM} ${RIBI_CLOSURE} ${PROJECT_BINARY_DIR}/ribi.html
  DEPENDS ribi_program ${RIBI_PAGE_TEMPLATE} ${RIBI_PAGE_ICON} ${PROJECT_SOURCE_DIR}/form/web/make_page.py
  COMMENT "Putting the program into ribi.html")
add_custom_target(ribi_page ALL DEPENDS ${PROJECT_BINARY_DIR}/ribi.html)
include(packaging/web/package.cmake)

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
