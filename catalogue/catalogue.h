#pragma once

// The program's whole subject matter, built in. Nothing here is ever
// changed at run time: the window copies it into its lists once and every
// lookup goes through those lists.

#include <array>
#include <cstddef>
#include <string_view>

namespace ribi::catalogue {

struct Species {
    std::u16string_view name;        // lower case, as shown in the names list
    std::u16string_view typeCode;    // u"0" or u"1": the Index of the type option
    std::u16string_view description; // one paragraph, no line breaks
};

inline constexpr std::size_t kSpeciesCount = 18;
inline constexpr std::size_t kTypeCount = 2;

// The species in stored (Bulgarian alphabetical) order.
const std::array<Species, kSpeciesCount>& AllSpecies();

// Captions of the type options, by option Index.
const std::array<std::u16string_view, kTypeCount>& TypeCaptions();

// What the output box shows before the first click: ten CR LF lines.
std::u16string_view TaskStatement();

} // namespace ribi::catalogue
