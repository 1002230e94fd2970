// Prints, as JSON, what the browser's own tests expect: the window's width
// from tests/expected_look.h, the controls' texts, and each click's output
// from tests/expected_output.h, so that the browser tests state no value of
// their own.

#include "form/form_plan.h"
#include "tests/expected_look.h"
#include "tests/expected_output.h"
#include "tests/utf8.h"
#include "window/main_form.h"

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace ribi;
namespace expected = ribi::testing::expected;

std::string Json(std::u16string_view text)
{
    const auto utf8 = ribi::testing::Utf8(text);
    if (!utf8) throw std::runtime_error("a text holds a surrogate code unit");
    std::string out = "\"";
    for (const char c : *utf8) {
        if (c == '"' || c == '\\') out += '\\';
        if (static_cast<unsigned char>(c) >= 0x20) {
            out += c;
            continue;
        }
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
        out += escaped;
    }
    return out + "\"";
}

std::string Json(const std::vector<std::string>& values)
{
    std::string out = "[";
    for (std::size_t i = 0; i < values.size(); ++i) out += (i ? "," : "") + values[i];
    return out + "]";
}

std::string Controls(const form::FormDescription& description)
{
    const form::FormPlan plan(description);
    std::vector<std::string> controls;
    for (form::Position position = 0; position < plan.Count(); ++position) {
        const auto& c = plan.At(position);
        std::vector<std::string> itemTexts;
        itemTexts.reserve(c.items.size());
        for (const auto item : c.items) itemTexts.push_back(Json(item));
        controls.push_back("{\"id\":" + Json(form::ElementId(c.name, c.index)) + ",\"text\":" + Json(c.text) +
                           ",\"accessibleName\":" + Json(c.accessibleName) + ",\"items\":" + Json(itemTexts) + "}");
    }
    return "\"controls\":" + Json(controls);
}

} // namespace

int main()
{
    try {
        const auto& description = window::MainFormDescription();
        std::vector<std::string> species, speciesTypes, typeListings;
        for (const auto& row : catalogue::AllSpecies()) {
            species.push_back(Json(expected::SpeciesOutput(row.name)));
            speciesTypes.push_back(std::to_string(expected::TypeOf(row.name)));
        }
        for (const form::Index type : {expected::kNonSchooling, expected::kSchooling})
            typeListings.push_back(Json(expected::TypeListing(type)));
        // The window's width, beyond which a screen is a desktop's.
        const std::string look = R"("look":{"width":)" + std::to_string(ribi::testing::look::kClientArea.width) + "}";
        const std::string json = "{\"name\":" + Json(description.name) + "," + look + "," + Controls(description) +
                                 ",\"speciesOutputs\":" + Json(species) + ",\"speciesTypes\":" + Json(speciesTypes) +
                                 ",\"typeListings\":" + Json(typeListings) + "}\n";
        return std::fwrite(json.data(), 1, json.size(), stdout) == json.size() && std::fflush(stdout) == 0 ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "expected_texts: %s\n", error.what());
        return 1;
    }
}
