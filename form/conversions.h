#pragma once

// The runtime's conversions the handlers use on list texts and indices.

#include "form/controls.h"

#include <string>
#include <string_view>
#include <variant>

namespace ribi::form {

// The value of the leading decimal number of a text, leading blanks
// skipped; a text without one gives 0 ("12abc" is 12, "abc" is 0).
double TextToNumber(std::u16string_view text);

// Rounds to the nearest integer, halves to the even neighbour. A value
// outside the 16-bit range (or not a number) is a ControlError.
Index ToIndex(double value);
// The whole text must be a number (blanks around it allowed).
Index ToIndex(std::u16string_view text);

// An Index in decimal digits. (std::to_string would bring the page a table
// of digits and code for every width of integer.)
std::string Decimal(Index index);

// A number as the handlers hold it: a 16-bit index or a parsed double.
using Number = std::variant<Index, double>;
bool NumericEqual(const Number& a, const Number& b);

} // namespace ribi::form
