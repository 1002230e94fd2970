// Prints, as JSON, what the browser window must show: the window's
// description in CSS pixels and the outputs of the same handlers on the
// in-memory controls, so that the browser tests state no text of their own.

#include "form/form_plan.h"
#include "selection/handlers.h"
#include "tests/in_memory_form.h"
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
    const auto utf8 = testing::Utf8(text);
    if (!utf8) throw std::runtime_error("a text holds a surrogate code unit");
    std::string out = "\"";
    for (const char c : *utf8) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string Json(const std::vector<std::string>& values)
{
    std::string out = "[";
    for (std::size_t i = 0; i < values.size(); ++i) out += (i ? "," : "") + values[i];
    return out + "]";
}

std::string Json(form::Colour colour)
{
    return Json({std::to_string(colour.Red()), std::to_string(colour.Green()), std::to_string(colour.Blue())});
}

// Each output a click shows, from the handlers on the in-memory window.
struct Outputs {
    std::vector<std::string> species;
    std::vector<std::string> speciesTypes;
    std::vector<std::string> typeListings;
};

Outputs ClickEverything(const form::FormDescription& description)
{
    testing::InMemoryForm form(description);
    testing::RecordedDiagnostics diagnostics;
    selection::Handlers handlers(form, diagnostics);
    form.Connect(handlers);
    Outputs outputs;
    for (form::Index p = 0; p < form.List1(0).ListCount(); ++p) {
        form.UserClicksListItem(p);
        outputs.species.push_back(Json(form.Output().Text()));
        outputs.speciesTypes.emplace_back(form.Option1(0).Value() ? "0" : "1");
    }
    for (form::Index type = 0; type < 2; ++type) {
        form.UserClicksOption(type);
        outputs.typeListings.push_back(Json(form.Output().Text()));
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
        const auto px = [](int twips) { return std::to_string(form::TwipsToPixels(twips)); };
        std::vector<std::string> itemTexts;
        itemTexts.reserve(c.items.size());
        for (const auto item : c.items) itemTexts.push_back(Json(item));
        controls.push_back(
            "{\"id\":" + Json(form::ElementId(c.name, c.index)) + ",\"container\":" + Json(c.container) +
            ",\"left\":" + px(c.bounds.left) + ",\"top\":" + px(c.bounds.top) + ",\"width\":" + px(c.bounds.width) +
            ",\"height\":" + px(c.bounds.height) + ",\"visible\":" + (c.visible ? "true" : "false") +
            ",\"background\":" + (c.hasBackground ? Json(c.background) : "null") + ",\"text\":" + Json(c.text) +
            ",\"accessibleName\":" + Json(c.accessibleName) + ",\"items\":" + Json(itemTexts) + "}");
    }
    std::vector<std::string> tabOrder;
    for (const auto position : plan.TabOrder()) tabOrder.push_back(std::to_string(position));
    return "\"controls\":" + Json(controls) + ",\"tabOrder\":" + Json(tabOrder);
}

} // namespace

int main()
{
    try {
        const auto& description = window::MainFormDescription();
        const Outputs outputs = ClickEverything(description);
        const std::string json =
            "{\"name\":" + Json(description.name) + ",\"title\":" + Json(description.title) +
            ",\"width\":" + std::to_string(form::TwipsToPixels(description.clientWidth)) +
            ",\"height\":" + std::to_string(form::TwipsToPixels(description.clientHeight)) +
            ",\"background\":" + Json(description.background) + ",\"font\":" + Json(description.font.family) +
            ",\"fontPixels\":" + std::to_string(description.font.pointSize * 96 / 72) + "," + Controls(description) +
            ",\"speciesOutputs\":" + Json(outputs.species) + ",\"speciesTypes\":" + Json(outputs.speciesTypes) +
            ",\"typeListings\":" + Json(outputs.typeListings) + "}\n";
        return std::fwrite(json.data(), 1, json.size(), stdout) == json.size() && std::fflush(stdout) == 0 ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "expected_texts: %s\n", error.what());
        return 1;
    }
}
