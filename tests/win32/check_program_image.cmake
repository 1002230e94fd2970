cmake_minimum_required(VERSION 3.25)
# ribi.exe must start on a bare Windows: a 32-bit GUI program whose every
# DLL is the system's own (the C++ runtime is linked in), with its
# DPI-aware manifest embedded, small enough to copy anywhere.
# Usage: cmake -DOBJDUMP=... -DPROGRAM=ribi.exe -P check_program_image.cmake
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} cannot read ${PROGRAM}")
endif()
file(STRINGS ${PROGRAM} strings)

function(require text pattern problem)
  if(NOT text MATCHES "${pattern}")
    message(FATAL_ERROR "${PROGRAM} ${problem}")
  endif()
endfunction()

require("${dump}" "Magic[ \t]+010b[ \t]+\\(PE32\\)" "is not a 32-bit (PE32) image")
require("${dump}" "Subsystem[ \t]+00000002[ \t]+\\(Windows GUI\\)" "is not a GUI program: it would open a console")
# Terminal Server aware: a school's remote desktop server runs it as it is.
require("${dump}" "TERMINAL_SERVICE_AWARE" "is not marked Terminal Server aware")
# Per monitor on Windows 10 1607 and later, and on the systems before it.
require("${strings}" "<dpiAwareness[^>]*>PerMonitorV2" "has no per-monitor DPI-aware manifest")
require("${strings}" "<dpiAware [^>]*>true/pm<" "has no per-monitor DPI-aware manifest for Windows before 10")

set(system_dlls gdi32.dll kernel32.dll msvcrt.dll ole32.dll oleacc.dll oleaut32.dll user32.dll)
string(TOLOWER "${dump}" dump)
string(REGEX MATCHALL "dll name: [^\n\t ]+" imports "${dump}")
string(REPLACE "dll name: " "" imports "${imports}")
foreach(dll IN LISTS imports)
  if(NOT dll IN_LIST system_dlls)
    message(FATAL_ERROR "${PROGRAM} needs ${dll}, which Windows does not have")
  endif()
endforeach()

# A school copies it onto many machines, often from a stick or a share:
# the C++ runtime must stay the part the program uses, not its streams.
set(size_limit 524288) # 512 KiB
file(SIZE ${PROGRAM} size)
if(size GREATER size_limit)
  message(FATAL_ERROR "${PROGRAM} is ${size} bytes, more than ${size_limit}")
endif()

# NOTICES.txt carries the notices of the runtime linked in; winpthreads,
# which the compiler's posix thread flavour links, is not among them.
if(strings MATCHES "winpthreads")
  message(FATAL_ERROR "${PROGRAM} links winpthreads, whose notice NOTICES.txt does not carry")
endif()
