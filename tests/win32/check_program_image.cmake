cmake_minimum_required(VERSION 3.25)
# ribi.exe must start on a bare Windows: a 32-bit GUI program whose every
# DLL is the system's own (the C++ runtime is linked in), with its
# DPI-aware manifest embedded, small enough to copy anywhere.
# Usage: cmake -DOBJDUMP=... -DPROGRAM=ribi.exe -P check_program_image.cmake
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} cannot read ${PROGRAM}")
endif()

if(NOT dump MATCHES "Magic[ \t]+010b[ \t]+\\(PE32\\)")
  message(FATAL_ERROR "${PROGRAM} is not a 32-bit (PE32) image")
endif()
if(NOT dump MATCHES "Subsystem[ \t]+00000002[ \t]+\\(Windows GUI\\)")
  message(FATAL_ERROR "${PROGRAM} is not a GUI program: it would open a console")
endif()

set(system_dlls gdi32.dll kernel32.dll msvcrt.dll ole32.dll oleacc.dll oleaut32.dll user32.dll)
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
foreach(import IN LISTS imports)
  string(REPLACE "DLL Name: " "" dll "${import}")
  string(STRIP "${dll}" dll)
  string(TOLOWER "${dll}" dll)
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
file(STRINGS ${PROGRAM} winpthreads REGEX "winpthreads")
if(winpthreads)
  message(FATAL_ERROR "${PROGRAM} links winpthreads, whose notice NOTICES.txt does not carry")
endif()

# Terminal Server aware: a school's remote desktop server runs it as it is.
if(NOT dump MATCHES "TERMINAL_SERVICE_AWARE")
  message(FATAL_ERROR "${PROGRAM} is not marked Terminal Server aware")
endif()

# Per monitor on Windows 10 1607 and later, and on the systems before it.
file(STRINGS ${PROGRAM} awareness REGEX "<dpiAwareness[^>]*>PerMonitorV2")
file(STRINGS ${PROGRAM} older_awareness REGEX "<dpiAware [^>]*>true/pm<")
if(NOT awareness OR NOT older_awareness)
  message(FATAL_ERROR "${PROGRAM} has no per-monitor DPI-aware manifest")
endif()
