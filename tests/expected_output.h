#pragma once

// What the output box should show after a click, built from the catalogue
// by species name and type. The fixed headings are written here once, apart
// from the code that writes them, so that a changed wording fails a test.

#include "catalogue/catalogue.h"
#include "form/controls.h"

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace ribi::testing::expected {

inline constexpr std::u16string_view kSpeciesHeading = u"Посочена е вид риба: ";
inline constexpr std::u16string_view kSpeciesTypeHeading = u"Тя е от типа: ";
inline constexpr std::u16string_view kTypeHeading = u"Посочен тип риба: ";
inline constexpr std::u16string_view kMembersHeading = u"Включва видове: ";
inline constexpr std::u16string_view kLineBreak = u"\r\n";

inline constexpr form::Index kNonSchooling = 0; // option Index of "Непасажни"
inline constexpr form::Index kSchooling = 1;    // option Index of "Пасажни"

// The row of a species in the names list, found by its name.
inline form::Index Row(std::u16string_view name)
{
    const auto& rows = catalogue::AllSpecies();
    for (std::size_t row = 0; row < rows.size(); ++row)
        if (rows[row].name == name) return static_cast<form::Index>(row);
    throw std::invalid_argument("no such species in the catalogue");
}

inline const catalogue::Species& SpeciesNamed(std::u16string_view name)
{
    return catalogue::AllSpecies()[static_cast<std::size_t>(Row(name))];
}

// The option Index of a species' type.
inline form::Index TypeOf(std::u16string_view name)
{
    return SpeciesNamed(name).typeCode == u"1" ? kSchooling : kNonSchooling;
}

inline std::u16string SpeciesFirstLine(std::u16string_view name)
{
    return std::u16string(kSpeciesHeading) + std::u16string(name) + std::u16string(kLineBreak);
}

// The whole output of a click on the species `name`; no line break after
// its description.
inline std::u16string SpeciesOutput(std::u16string_view name)
{
    const auto caption = catalogue::TypeCaptions()[static_cast<std::size_t>(TypeOf(name))];
    return SpeciesFirstLine(name) + std::u16string(kSpeciesTypeHeading) + std::u16string(caption) +
           std::u16string(kLineBreak) + std::u16string(SpeciesNamed(name).description);
}

inline std::u16string TypeFirstLine(form::Index type)
{
    return std::u16string(kTypeHeading) + std::u16string(catalogue::TypeCaptions()[static_cast<std::size_t>(type)]) +
           std::u16string(kLineBreak);
}

// The output of a click on a type: its species in catalogue order, one a line.
inline std::u16string TypeListing(form::Index type)
{
    std::u16string listing = TypeFirstLine(type) + std::u16string(kMembersHeading) + std::u16string(kLineBreak);
    for (const auto& row : catalogue::AllSpecies())
        if (TypeOf(row.name) == type) listing += std::u16string(row.name) + std::u16string(kLineBreak);
    return listing;
}

// Everything the handlers can write, each with the type it marks: a
// species' type, none for a type's listing.
using Outputs = std::map<std::u16string, std::optional<form::Index>>;

inline Outputs ProgramOutputs()
{
    Outputs outputs;
    for (const auto& row : catalogue::AllSpecies()) outputs.emplace(SpeciesOutput(row.name), TypeOf(row.name));
    outputs.emplace(TypeListing(kNonSchooling), std::nullopt);
    outputs.emplace(TypeListing(kSchooling), std::nullopt);
    return outputs;
}

} // namespace ribi::testing::expected
