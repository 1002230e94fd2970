// The click handlers on the form runtime alone: what only a test of the
// handlers themselves can reach. What a pupil sees of them every window
// shows, in the shared suites.

#include "form/form.h"
#include "selection/handlers.h"
#include "tests/expected_output.h"
#include "tests/recorded_diagnostics.h"
#include "window/main_form.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace ribi::testing {
namespace {

using expected::Row;
using selection::ClickGuard;

const std::u16string kMembersLine = std::u16string(expected::kMembersHeading) + std::u16string(expected::kLineBreak);

// The runtime with the handlers, and the pupil's clicks as a binding feeds them.
struct Window {
    explicit Window(const form::FormDescription& description = window::MainFormDescription())
        : form(description), handlers(form, diagnostics)
    {
        form.Connect(&handlers);
    }
    void ClickSpecies(form::Index row) { form.List1(0).Choose(row); }
    void ClickType(form::Index index) { form.Option1(index).Clicked(); }
    std::u16string OutputText() { return form.Text1(0).Text(); }

    RecordedDiagnostics diagnostics;
    form::Form form;
    selection::Handlers handlers;
};

// The main window's description with one list's items changed.
form::FormDescription Altered(form::Index list, const std::function<void(std::vector<std::u16string_view>&)>& change)
{
    form::FormDescription description = window::MainFormDescription();
    change(description.controls[*form::FormPlan(description).Element(u"List1", list)].items);
    return description;
}

// New handlers on the window's controls, whose writes of the output box
// pass through here first: counted, and with `during` run in the middle
// of a handler, as a re-entrant platform might.
struct Rewired final : form::Controls, form::TextBox {
    explicit Rewired(Window& w) : window(w), handlers(*this, w.diagnostics) { w.form.Connect(&handlers); }
    form::ListBox& List1(form::Index i) override { return window.form.List1(i); }
    form::OptionButton& Option1(form::Index i) override { return window.form.Option1(i); }
    form::TextBox& Text1(form::Index i) override
    {
        if (i == 0) return *this;
        return window.form.Text1(i);
    }
    std::u16string Text() const override { return window.form.Text1(0).Text(); }
    void SetText(std::u16string text) override
    {
        ++writes;
        window.form.Text1(0).SetText(std::move(text));
        if (during) std::exchange(during, nullptr)();
    }

    Window& window;
    selection::Handlers handlers;
    std::function<void()> during;
    int writes = 0;
};

// A listing is a whole-text write per line, a species three; its option's
// Click, raised inside the species', writes nothing.
TEST(Handlers, OneWriteALineOfTheOutput)
{
    Window w;
    Rewired controls(w);
    w.ClickType(0);
    EXPECT_EQ(controls.writes, 2 + 8);
    w.ClickSpecies(Row(u"костур")); // selects option 1, which raises its Click
    EXPECT_EQ(controls.writes, 10 + 3);
    EXPECT_TRUE(w.diagnostics.text.empty());
}

TEST(Handlers, GuardIgnoresTheOtherKindOfClickWhileAHandlerRuns)
{
    Window w;
    Rewired controls(w);
    ClickGuard seen{};
    controls.during = [&] {
        seen = controls.handlers.Guard();
        controls.handlers.ShowSpecies(0);
    };
    w.ClickType(1);
    EXPECT_EQ(seen, ClickGuard::ListingType);
    EXPECT_EQ(w.OutputText(), expected::TypeListing(expected::kSchooling));

    controls.during = [&] {
        seen = controls.handlers.Guard();
        controls.handlers.SelectType(0);
    };
    w.ClickSpecies(Row(u"сом"));
    EXPECT_EQ(seen, ClickGuard::ShowingSpecies);
    EXPECT_EQ(w.OutputText(), expected::SpeciesOutput(u"сом"));
    EXPECT_EQ(controls.handlers.Guard(), ClickGuard::Idle);
}

TEST(Handlers, EmptyNamesListGivesTheTwoHeadingLines)
{
    const auto empty = Altered(0, [](auto& items) { items.clear(); });
    Window w(empty);
    w.ClickType(1);
    EXPECT_EQ(w.OutputText(), expected::TypeFirstLine(expected::kSchooling) + kMembersLine);
}

// A failing control operation stops the handler with its output so far, but
// must not leave the window ignoring clicks.
TEST(Handlers, FailingOperationStopsTheHandlerAndReleasesTheGuard)
{
    const auto noOption = Altered(1, [](auto& items) { items[static_cast<std::size_t>(Row(u"сом"))] = u"2"; });
    Window w(noOption); // a type with no option
    w.ClickSpecies(Row(u"сом"));
    EXPECT_EQ(w.OutputText(), catalogue::TaskStatement()); // stopped before writing
    EXPECT_EQ(w.diagnostics.text, "ribi: ShowSpecies stopped: Option1(2): no such element\n");
    w.ClickType(1); // still answers
    EXPECT_EQ(w.OutputText(), expected::TypeListing(expected::kSchooling));

    // A list shorter than the names list fails in the middle of a listing.
    const auto shorter = Altered(1, [](auto& items) { items.resize(4); });
    Window cut(shorter);
    cut.ClickType(0);
    EXPECT_EQ(cut.OutputText(),
              expected::TypeFirstLine(expected::kNonSchooling) + kMembersLine + u"есетра\r\nкалкан\r\nкаракуда\r\n");
    EXPECT_EQ(cut.diagnostics.text, "ribi: SelectType stopped: List(4): no such item\n");
    EXPECT_EQ(cut.handlers.Guard(), ClickGuard::Idle);

    // A species click with nothing selected in the list.
    Window none;
    none.handlers.ShowSpecies(0);
    EXPECT_EQ(none.diagnostics.text, "ribi: ShowSpecies stopped: List(-1): no such item\n");
    EXPECT_EQ(none.handlers.Guard(), ClickGuard::Idle);
}

} // namespace
} // namespace ribi::testing
