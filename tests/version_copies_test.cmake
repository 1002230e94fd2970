# The version is typed into files that cannot read it from the build: each
# must name the one project(VERSION) gives, in its own notation, and where a
# file lists versions (a changelog, releases), the newest, which comes first.
# Each copy is "file|before|after": the first `before` in the file must be
# followed by the version and `after`.
# Usage: cmake -DVERSION=1.2.3 -DSOURCE_DIR=... -P version_copies_test.cmake
set(copies
    "packaging/linux/bg.velorna.ribi.metainfo.xml|<release version=\"|\""
    "packaging/linux/ribi.1|\"ribi |\""
    "packaging/linux/ribi.bg.1|\"ribi |\""
    "packaging/linux/changelog|ribi (|)"
    "packaging/windows/PROCHETI.txt|версия |\n" # file(READ) leaves the CR out
    "packaging/windows/PROCHETI.txt|ribi-|-win32.zip"
    "window/ribi.manifest|name=\"ribi\" version=\"|.0\"")
set(stale "")
foreach(copy IN LISTS copies)
  string(REPLACE "|" ";" parts "${copy}")
  list(GET parts 0 file)
  list(GET parts 1 before)
  list(GET parts 2 after)
  if(NOT EXISTS "${SOURCE_DIR}/${file}")
    continue() # a file of a platform this tree does not package
  endif()
  file(READ "${SOURCE_DIR}/${file}" text)
  string(FIND "${text}" "${before}" at)
  string(FIND "${text}" "${before}${VERSION}${after}" expected_at)
  if(at EQUAL -1 OR NOT at EQUAL expected_at)
    list(APPEND stale "${file} (wants ${before}${VERSION}${after} first)")
  endif()
endforeach()
if(stale)
  string(REPLACE ";" "\n  " stale "${stale}")
  message(FATAL_ERROR "version ${VERSION} is not in:\n  ${stale}")
endif()
