// The click handlers on the form runtime alone: the shared behaviour, and
// what only a test of the handlers themselves can reach.

#include "form/control_error.h"
#include "form/form.h"
#include "selection/handlers.h"
#include "tests/expected_output.h"
#include "tests/recorded_diagnostics.h"
#include "tests/window_driver.h"
#include "window/main_form.h"

#include <functional>
#include <utility>

namespace ribi::testing {
namespace {

using expected::Row;
using selection::ClickGuard;

const std::u16string kMembersLine = std::u16string(expected::kMembersHeading) + std::u16string(expected::kLineBreak);

// The output box's view: what it was shown, and what the pupil typed.
struct OutputView final : form::TextBoxView {
    void ShowText(std::u16string_view text) override
    {
        ++shown;
        typed = text;
    }
    std::u16string TypedText() const override { return typed; }
    int shown = 0;
    std::u16string typed;
};

// The runtime with the handlers, and the pupil's clicks as a binding feeds them.
struct Window {
    explicit Window(const form::FormDescription& description = window::MainFormDescription())
        : form(description), handlers(form, diagnostics)
    {
        form.Connect(&handlers);
        form.Text1(0).Attach(&output, form::LineBreaks::CrLf);
        output.shown = 0;
    }
    void ClickSpecies(form::Index row) { form.List1(0).Choose(row); }
    void ClickType(form::Index index) { form.Option1(index).Clicked(); }
    std::u16string Output() { return form.Text1(0).Text(); }

    RecordedDiagnostics diagnostics;
    form::Form form;
    selection::Handlers handlers;
    OutputView output;
};

class RuntimeDriver final : public WindowDriver {
public:
    explicit RuntimeDriver(const form::FormDescription& description) : window_(description) {}
    void ClickSpecies(form::Index row) override { window_.ClickSpecies(row); }
    void ClickType(form::Index index) override { window_.ClickType(index); }
    void TypeIntoOutput(std::u16string_view text) override
    {
        window_.output.typed = window_.Output() + std::u16string(text);
        window_.form.Text1(0).Typed();
    }
    std::u16string OutputText() override { return window_.Output(); }
    bool TypeSelected(form::Index index) override { return window_.form.Option1(index).Value(); }
    ClickGuard Guard() override { return window_.handlers.Guard(); }

private:
    Window window_;
};

INSTANTIATE_TEST_SUITE_P(Runtime, SelectionBehaviour,
                         ::testing::Values(DriverFactory{"Runtime", &Make<RuntimeDriver, WindowDriver>}),
                         ::testing::PrintToStringParamName());

// The main window's description with one list's items replaced.
struct Altered {
    Altered(form::Index list, const std::function<void(std::vector<std::u16string_view>&)>& change)
    {
        change(description.controls[*form::FormPlan(description).Element(u"List1", list)].items);
    }
    form::FormDescription description = window::MainFormDescription();
};

TEST(Handlers, StateStartsIdleAndEmptyAndFollowsTheLastClick)
{
    Window w;
    EXPECT_EQ(w.handlers.Guard(), ClickGuard::Idle);
    EXPECT_FALSE(w.handlers.CurrentType());

    w.ClickSpecies(Row(u"сом"));
    ASSERT_TRUE(w.handlers.CurrentType());
    EXPECT_TRUE(std::holds_alternative<double>(*w.handlers.CurrentType())); // the parsed code
    EXPECT_TRUE(form::NumericEqual(*w.handlers.CurrentType(), form::Index{0}));

    w.ClickType(1);
    EXPECT_EQ(*w.handlers.CurrentType(), form::Number{form::Index{1}}); // the option's Index
}

// The main window's controls, with the handlers' writes of the output box
// passing through `output` first: it counts them, and may run something in
// the middle of a handler, as a re-entrant platform might.
struct Rewired final : form::Controls {
    struct Output final : form::TextBox {
        form::TextBox& inner;
        std::function<void()> during;
        int writes = 0;
        explicit Output(form::TextBox& box) : inner(box) {}
        std::u16string Text() const override { return inner.Text(); }
        void SetText(std::u16string text) override
        {
            ++writes;
            inner.SetText(std::move(text));
            if (during) std::exchange(during, nullptr)();
        }
    };
    explicit Rewired(form::Form& f) : form(f), output(f.Text1(0)) {}
    form::ListBox& List1(form::Index i) override { return form.List1(i); }
    form::OptionButton& Option1(form::Index i) override { return form.Option1(i); }
    form::TextBox& Text1(form::Index i) override
    {
        if (i == 0) return output;
        return form.Text1(i);
    }
    form::Form& form;
    Output output;
};

// A listing is a whole-text write per line; the screen gets each click
// once, the species' too, with its option's Click inside it, which writes
// nothing.
TEST(Handlers, OneWriteALineOfAListingAndOneShowAClick)
{
    Window w;
    Rewired controls(w.form);
    selection::Handlers handlers(controls, w.diagnostics);
    w.form.Connect(&handlers);
    w.ClickType(0);
    EXPECT_EQ(controls.output.writes, 2 + 8);
    EXPECT_EQ(w.output.shown, 1);
    w.ClickSpecies(Row(u"костур")); // selects option 1, which raises its Click
    EXPECT_EQ(controls.output.writes, 10 + 3);
    EXPECT_EQ(w.output.shown, 2);
    EXPECT_EQ(w.Output(), expected::SpeciesOutput(u"костур"));
    EXPECT_TRUE(w.diagnostics.text.empty());
}

TEST(Handlers, GuardIgnoresTheOtherKindOfClickWhileAHandlerRuns)
{
    Window w;
    Rewired controls(w.form);
    selection::Handlers handlers(controls, w.diagnostics);
    w.form.Connect(&handlers);

    ClickGuard seen{};
    controls.output.during = [&] {
        seen = handlers.Guard();
        handlers.ShowSpecies(0);
    };
    w.ClickType(1);
    EXPECT_EQ(seen, ClickGuard::ListingType);
    EXPECT_EQ(w.Output(), expected::TypeListing(expected::kSchooling));
    EXPECT_EQ(handlers.Guard(), ClickGuard::Idle);

    controls.output.during = [&] {
        seen = handlers.Guard();
        handlers.SelectType(0);
    };
    w.ClickSpecies(Row(u"сом"));
    EXPECT_EQ(seen, ClickGuard::ShowingSpecies);
    EXPECT_EQ(w.Output(), expected::SpeciesOutput(u"сом"));
    EXPECT_EQ(handlers.Guard(), ClickGuard::Idle);
}

TEST(Handlers, EmptyNamesListGivesTheTwoHeadingLines)
{
    const Altered empty(0, [](auto& items) { items.clear(); });
    Window w(empty.description);
    w.ClickType(1);
    EXPECT_EQ(w.Output(), expected::TypeFirstLine(expected::kSchooling) + kMembersLine);
}

// A failing control operation stops the handler with its output so far, but
// must not leave the window ignoring clicks.
TEST(Handlers, FailingOperationStopsTheHandlerAndReleasesTheGuard)
{
    {
        const Altered noOption(1, [](auto& items) { items[static_cast<std::size_t>(Row(u"сом"))] = u"2"; });
        Window w(noOption.description); // a type with no option
        w.ClickSpecies(Row(u"сом"));
        EXPECT_EQ(w.handlers.Guard(), ClickGuard::Idle);
        EXPECT_EQ(w.Output(), window::MainFormDescription().controls[0].text); // stopped before writing
        EXPECT_EQ(w.diagnostics.text, "ribi: ShowSpecies stopped: Option1(2): no such element\n");
        w.ClickType(1); // still answers
        EXPECT_EQ(w.Output(), expected::TypeListing(expected::kSchooling));
    }
    {
        // A list shorter than the names list fails in the middle of a listing.
        const Altered shorter(1, [](auto& items) { items.resize(4); });
        Window w(shorter.description);
        w.ClickType(0);
        EXPECT_EQ(w.Output(), expected::TypeFirstLine(expected::kNonSchooling) + kMembersLine +
                                  u"есетра\r\nкалкан\r\nкаракуда\r\n");
        EXPECT_EQ(w.diagnostics.text, "ribi: SelectType stopped: List(4): no such item\n");
        EXPECT_EQ(w.handlers.Guard(), ClickGuard::Idle);
    }
    {
        // A species click with nothing selected in the list.
        Window w;
        w.handlers.ShowSpecies(0);
        EXPECT_EQ(w.diagnostics.text, "ribi: ShowSpecies stopped: List(-1): no such item\n");
        EXPECT_EQ(w.handlers.Guard(), ClickGuard::Idle);
    }
}

} // namespace
} // namespace ribi::testing
