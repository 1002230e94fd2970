#pragma once

// An element of a control array by its Index, as every binding looks it up:
// an element that does not exist is a failing operation.

#include "form/control_error.h"
#include "form/controls.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace ribi::form {

// `array` holds pointers (raw or owning) by Index, null where none exists.
template <typename Array> auto& ElementAt(const Array& array, Index index, std::string_view name)
{
    const auto at = static_cast<std::size_t>(index);
    if (index < 0 || at >= array.size() || !array[at])
        throw ControlError(std::string(name) + "(" + std::to_string(index) + "): no such element");
    return *array[at];
}

} // namespace ribi::form
