#include "form/nearest_double.h"

#include <emscripten/emscripten.h>

// The page's host reads decimal numbers exactly, as JavaScript requires of
// it: the C library's strtod would bring 20 KB of 128-bit arithmetic and
// scanning into the page.
EM_JS(double, ribi_host_number, (const char* ascii), { return Number(UTF8ToString(ascii)); });

namespace ribi::form {

double NearestDouble(const std::string& ascii)
{
    return ribi_host_number(ascii.c_str());
}

} // namespace ribi::form
