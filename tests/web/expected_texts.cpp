// Prints, as JSON, what the browser's own tests expect: the window's width
// from tests/expected_look.h, the controls' texts, and the outputs of the
// same handlers on the form runtime alone, so that the browser tests state
// no value of their own.

#include "form/form.h"
#include "form/form_plan.h"
#include "selection/handlers.h"
#include "tests/expected_look.h"
#include "tests/recorded_diagnostics.h"
#include "tests/utf8.h"
#include "window/main_form.h"

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace ribi;

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

// The window's width, beyond which a screen is a desktop's.
std::string Look()
{
    return R"("look":{"width":)" + std::to_string(ribi::testing::look::kClientArea.width) + "}";
}

// Each output a click shows, from the handlers on the form runtime.
struct Outputs {
    std::vector<std::string> species;
    std::vector<std::string> speciesTypes;
    std::vector<std::string> typeListings;
};

Outputs ClickEverything(const form::FormDescription& description)
{
    form::Form form(description);
    ribi::testing::RecordedDiagnostics diagnostics;
    selection::Handlers handlers(form, diagnostics);
    form.Connect(&handlers);
    Outputs outputs;
    for (form::Index p = 0; p < form.List1(0).ListCount(); ++p) {
        form.List1(0).Choose(p);
        outputs.species.push_back(Json(form.Text1(0).Text()));
        outputs.speciesTypes.emplace_back(form.Option1(0).Value() ? "0" : "1");
    }
    for (form::Index type = 0; type < 2; ++type) {
        form.Option1(type).Clicked();
        outputs.typeListings.push_back(Json(form.Text1(0).Text()));
    }
    // A handler that stopped left an output no window should match.
    if (!diagnostics.text.empty()) throw std::runtime_error(diagnostics.text);
    return outputs;
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
        const Outputs outputs = ClickEverything(description);
        const std::string json = "{\"name\":" + Json(description.name) + "," + Look() + "," + Controls(description) +
                                 ",\"speciesOutputs\":" + Json(outputs.species) +
                                 ",\"speciesTypes\":" + Json(outputs.speciesTypes) +
                                 ",\"typeListings\":" + Json(outputs.typeListings) + "}\n";
        return std::fwrite(json.data(), 1, json.size(), stdout) == json.size() && std::fflush(stdout) == 0 ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "expected_texts: %s\n", error.what());
        return 1;
    }
}
