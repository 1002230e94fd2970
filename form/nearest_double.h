#pragma once

// Decimal text to the nearest double, the one step of a conversion that
// each platform takes its own way: a C++ library's exact parser, or the
// page's host's.

#include <string>

namespace ribi::form {

// `ascii` is a decimal number as "-12.5e-3" writes it: sign, digits, point,
// exponent. The nearest double, a tie to the even neighbour; a value too
// small for a double is 0, one too large infinite.
double NearestDouble(const std::string& ascii);

} // namespace ribi::form
