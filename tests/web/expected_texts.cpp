// Prints, as JSON, what the browser's own tests expect: the window's width
// from tests/expected_look.h, the controls' texts, and each click's output
// from tests/expected_output.h, so that the browser tests state no value of
// their own.

#include "form/form_plan.h"
#include "tests/expected_look.h"
#include "tests/expected_output.h"
#include "tests/utf8.h"
#include "window/main_form.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <iostream>
#include <stdexcept>

namespace {

using namespace ribi;
using nlohmann::json;
namespace expected = ribi::testing::expected;

std::string Text(std::u16string_view text)
{
    const auto utf8 = ribi::testing::Utf8(text);
    if (!utf8) throw std::runtime_error("a text holds a surrogate code unit");
    return *utf8;
}

json Controls(const form::FormDescription& description)
{
    const form::FormPlan plan(description);
    json controls = json::array();
    for (form::Position position = 0; position < plan.Count(); ++position) {
        const auto& c = plan.At(position);
        json items = json::array();
        for (const auto item : c.items) items.push_back(Text(item));
        controls.push_back({{"id", Text(form::ElementId(c.name, c.index))},
                            {"text", Text(c.text)},
                            {"accessibleName", Text(c.accessibleName)},
                            {"items", items}});
    }
    return controls;
}

} // namespace

int main()
{
    try {
        const auto& description = window::MainFormDescription();
        json species = json::array(), speciesTypes = json::array(), typeListings = json::array();
        for (const auto& row : catalogue::AllSpecies()) {
            species.push_back(Text(expected::SpeciesOutput(row.name)));
            speciesTypes.push_back(expected::TypeOf(row.name));
        }
        for (const form::Index type : {expected::kNonSchooling, expected::kSchooling})
            typeListings.push_back(Text(expected::TypeListing(type)));
        // The window's width, beyond which a screen is a desktop's.
        const json look{{"width", ribi::testing::look::kClientArea.width}};
        std::cout << json{{"name", Text(description.name)},    {"look", look},
                          {"controls", Controls(description)}, {"speciesOutputs", species},
                          {"speciesTypes", speciesTypes},      {"typeListings", typeListings}}
                         .dump()
                  << '\n';
        return std::cout.flush() ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "expected_texts: %s\n", error.what());
        return 1;
    }
}
