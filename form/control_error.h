#pragma once

#include <stdexcept>
#include <string>

namespace ribi::form {

// A control operation that cannot be carried out (a list position that does
// not exist, an option index out of range, a text that is not a number...).
// It ends the handler that ran it.
class ControlError : public std::runtime_error {
public:
    explicit ControlError(const std::string& operation) : std::runtime_error(operation) {}
};

} // namespace ribi::form
