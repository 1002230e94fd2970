#pragma once

// The numbers of the program's resources, read by the resource compiler
// (ribi.rc) as well as by the code that loads them, so a define: windres
// knows no C++ constants.
#define RIBI_ICON_RESOURCE 1
