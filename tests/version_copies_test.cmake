# The version is typed into files that cannot read it from the build: each
# must name the one project(VERSION) gives, in its own notation.
# Usage: cmake -DVERSION=1.2.3 -DSOURCE_DIR=... -P version_copies_test.cmake
set(copies
    "packaging/linux/bg.velorna.ribi.metainfo.xml|<release version=\"${VERSION}\""
    "packaging/linux/ribi.1|\"ribi ${VERSION}\""
    "packaging/linux/ribi.bg.1|\"ribi ${VERSION}\""
    "packaging/linux/changelog|ribi (${VERSION})"
    "packaging/windows/PROCHETI.txt|${VERSION}"
    "window/ribi.manifest|version=\"${VERSION}.0\"")
set(stale "")
foreach(copy IN LISTS copies)
  string(FIND "${copy}" "|" bar)
  string(SUBSTRING "${copy}" 0 ${bar} file)
  math(EXPR after "${bar} + 1")
  string(SUBSTRING "${copy}" ${after} -1 expected)
  if(NOT EXISTS "${SOURCE_DIR}/${file}")
    continue() # a file of a platform this tree does not package
  endif()
  file(READ "${SOURCE_DIR}/${file}" text)
  string(FIND "${text}" "${expected}" at)
  if(at EQUAL -1)
    list(APPEND stale "${file} (wants ${expected})")
  endif()
endforeach()
if(stale)
  string(REPLACE ";" "\n  " stale "${stale}")
  message(FATAL_ERROR "version ${VERSION} is not in:\n  ${stale}")
endif()
