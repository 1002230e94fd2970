#pragma once

#include <cstdint>

namespace ribi::selection {

// Keeps the two click handlers apart: selecting the type option from
// ShowSpecies raises the option's Click, nested, and that call must do
// nothing.
enum class ClickGuard : std::int16_t {
    Idle = 0,           // no handler is running
    ShowingSpecies = 1, // ShowSpecies is running; type clicks are ignored
    ListingType = 2,    // SelectType/ListTypeMembers is running; species clicks are ignored
};

} // namespace ribi::selection
