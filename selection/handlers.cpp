#include "selection/handlers.h"

#include "form/control_error.h"
#include "selection/output_texts.h"

#include <string>

namespace ribi::selection {
namespace {

// List1 elements and the output box, by Index.
constexpr form::Index kNames = 0;
constexpr form::Index kTypeCodes = 1;
constexpr form::Index kDescriptions = 2;
constexpr form::Index kOutput = 0;

std::u16string Concat(std::initializer_list<std::u16string_view> parts)
{
    std::u16string text;
    std::size_t size = 0;
    for (auto part : parts) size += part.size();
    text.reserve(size);
    for (auto part : parts) text += part;
    return text;
}

form::Index AsIndex(const form::Number& number)
{
    return std::visit([](auto value) { return form::ToIndex(static_cast<double>(value)); }, number);
}

} // namespace

Handlers::Handlers(form::Controls& controls, Diagnostics& diagnostics) : controls_(controls), diagnostics_(diagnostics)
{
}

void Handlers::ShowSpecies(form::Index /*index: always the names list*/)
{
    if (clickGuard_ == ClickGuard::ListingType) return;
    clickGuard_ = ClickGuard::ShowingSpecies;
    try {
        ShowSpeciesSteps();
    } catch (const form::ControlError& error) {
        Stopped("ShowSpecies", error);
    }
}

void Handlers::ShowSpeciesSteps()
{
    auto& names = controls_.List1(kNames);
    auto& codes = controls_.List1(kTypeCodes);
    auto& output = controls_.Text1(kOutput);

    const form::Index p = names.ListIndex();
    currentSpecies_ = p;
    currentType_ = form::TextToNumber(codes.List(p));
    // Raises the option's Click now; SelectType sees ShowingSpecies and returns.
    controls_.Option1(AsIndex(*currentType_)).SetValue(true);

    output.SetText(Concat({kSpeciesHeading, names.List(p), kLineBreak}));
    {
        const std::u16string shown = output.Text();
        const std::u16string code = codes.List(p);
        output.SetText(
            Concat({shown, kSpeciesTypeHeading, controls_.Option1(form::ToIndex(code)).Caption(), kLineBreak}));
    }
    {
        const std::u16string shown = output.Text();
        output.SetText(Concat({shown, controls_.List1(kDescriptions).List(p)}));
    }
    clickGuard_ = ClickGuard::Idle;
}

void Handlers::SelectType(form::Index index)
{
    if (clickGuard_ == ClickGuard::ShowingSpecies) return;
    clickGuard_ = ClickGuard::ListingType;
    currentType_ = index;
    try {
        ListTypeMembers(); // resets the guard when it is done
    } catch (const form::ControlError& error) {
        Stopped("SelectType", error);
    }
}

void Handlers::ListTypeMembers()
{
    auto& names = controls_.List1(kNames);
    auto& codes = controls_.List1(kTypeCodes);
    auto& output = controls_.Text1(kOutput);

    const int count = names.ListCount(); // read once, before any output
    output.SetText(Concat({kTypeHeading, controls_.Option1(AsIndex(*currentType_)).Caption(), kLineBreak}));
    Append(Concat({kMembersHeading, kLineBreak}));
    for (int i = 1; i <= count; ++i) {
        const auto p = static_cast<form::Index>(i - 1);
        if (form::NumericEqual(form::TextToNumber(codes.List(p)), *currentType_))
            Append(Concat({names.List(p), kLineBreak}));
    }
    clickGuard_ = ClickGuard::Idle;
}

// One whole-text read and one whole-text write per line, as the output box
// may hold anything (the user can type into it) in front of the new line.
void Handlers::Append(std::u16string_view line)
{
    auto& output = controls_.Text1(kOutput);
    const std::u16string shown = output.Text();
    output.SetText(Concat({shown, line}));
}

// A failing operation ends the handler where it stands, with its output so
// far kept; the guard must not stay set, or the other kind of click would
// be ignored for the rest of the run.
void Handlers::Stopped(const char* handler, const std::exception& error)
{
    clickGuard_ = ClickGuard::Idle;
    diagnostics_.Line(std::string("ribi: ") + handler + " stopped: " + error.what());
}

} // namespace ribi::selection
