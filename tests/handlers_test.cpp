// The click handlers on the in-memory controls: the shared behaviour, and
// what only a test of the handlers themselves can reach.

#include "form/control_error.h"
#include "selection/handlers.h"
#include "tests/expected_output.h"
#include "tests/in_memory_form.h"
#include "tests/recorded_diagnostics.h"
#include "tests/window_driver.h"
#include "window/main_form.h"

namespace ribi::testing {
namespace {

using expected::Row;
using selection::ClickGuard;

const std::u16string kMembersLine = std::u16string(expected::kMembersHeading) + std::u16string(expected::kLineBreak);

struct InMemoryWindow {
    explicit InMemoryWindow(const form::FormDescription& description = window::MainFormDescription())
        : form(description), handlers(form, diagnostics)
    {
        form.Connect(handlers);
    }
    RecordedDiagnostics diagnostics;
    InMemoryForm form;
    selection::Handlers handlers;
};

class InMemoryDriver final : public WindowDriver {
public:
    explicit InMemoryDriver(const form::FormDescription& description) : window_(description) {}
    void ClickSpecies(form::Index position) override { window_.form.UserClicksListItem(position); }
    void ClickType(form::Index index) override { window_.form.UserClicksOption(index); }
    void TypeIntoOutput(std::u16string_view text) override
    {
        window_.form.Output().SetText(window_.form.Output().Text() + std::u16string(text));
    }
    std::u16string OutputText() override { return window_.form.Output().Text(); }
    bool TypeSelected(form::Index index) override { return window_.form.Option1(index).Value(); }
    ClickGuard Guard() override { return window_.handlers.Guard(); }

private:
    InMemoryWindow window_;
};

INSTANTIATE_TEST_SUITE_P(InMemory, SelectionBehaviour,
                         ::testing::Values(DriverFactory{"InMemory", &Make<InMemoryDriver, WindowDriver>}),
                         ::testing::PrintToStringParamName());

TEST(Handlers, StateStartsIdleAndEmptyAndFollowsTheLastClick)
{
    InMemoryWindow w;
    EXPECT_EQ(w.handlers.Guard(), ClickGuard::Idle);
    EXPECT_FALSE(w.handlers.CurrentType());

    w.form.UserClicksListItem(Row(u"сом"));
    ASSERT_TRUE(w.handlers.CurrentType());
    EXPECT_TRUE(std::holds_alternative<double>(*w.handlers.CurrentType())); // the parsed code
    EXPECT_TRUE(form::NumericEqual(*w.handlers.CurrentType(), form::Index{0}));

    w.form.UserClicksOption(1);
    EXPECT_EQ(*w.handlers.CurrentType(), form::Number{form::Index{1}}); // the option's Index
}

TEST(Handlers, NestedOptionClickInsideShowSpeciesIsIgnored)
{
    InMemoryWindow w;
    int writesDuringClick = 0;
    w.form.UserClicksListItem(Row(u"костур")); // selects option 1, which raises its Click
    writesDuringClick = w.form.Output().writes;
    EXPECT_EQ(w.form.Option1(1).clicksRaised, 1);
    EXPECT_EQ(writesDuringClick, 3); // name line, type line, description: no listing
    EXPECT_TRUE(w.diagnostics.text.empty());

    // Writing true to the option already selected raises nothing.
    w.form.UserClicksListItem(Row(u"паламуд")); // also schooling
    EXPECT_EQ(w.form.Option1(1).clicksRaised, 1);
}

// A listing is a whole-text write per line; the screen gets each click once.
TEST(Handlers, OneWriteALineOfAListingAndOneRefreshAClick)
{
    InMemoryWindow w;
    w.form.UserClicksOption(0);
    EXPECT_EQ(w.form.Output().writes, 2 + 8);
    EXPECT_EQ(w.form.Output().refreshes, 1);
    w.form.UserClicksListItem(Row(u"костур")); // with the option's Click inside it
    EXPECT_EQ(w.form.Output().refreshes, 2);
}

// A text box that runs a click of the other kind in the middle of a handler,
// as a re-entrant platform might.
TEST(Handlers, GuardIgnoresTheOtherKindOfClickWhileAHandlerRuns)
{
    InMemoryWindow w;
    struct Interrupt final : form::TextBox {
        InMemoryTextBox& inner;
        std::function<void()> during;
        explicit Interrupt(InMemoryTextBox& box) : inner(box) {}
        std::u16string Text() const override { return inner.Text(); }
        void SetText(std::u16string text) override
        {
            inner.SetText(std::move(text));
            if (during) std::exchange(during, nullptr)();
        }
    };
    struct Rewired final : form::Controls {
        InMemoryForm& form;
        Interrupt output;
        explicit Rewired(InMemoryForm& f) : form(f), output(f.Output()) {}
        form::ListBox& List1(form::Index i) override { return form.List1(i); }
        form::OptionButton& Option1(form::Index i) override { return form.Option1(i); }
        form::TextBox& Text1(form::Index i) override { return i == 0 ? output : form.Text1(i); }
    } controls(w.form);
    RecordedDiagnostics diagnostics;
    selection::Handlers handlers(controls, diagnostics);

    ClickGuard seen{};
    controls.output.during = [&] {
        seen = handlers.Guard();
        w.form.List1(0).Select(Row(u"есетра"));
        handlers.ShowSpecies(0);
    };
    handlers.SelectType(1);
    EXPECT_EQ(seen, ClickGuard::ListingType);
    EXPECT_TRUE(w.form.Output().Text().starts_with(expected::TypeFirstLine(expected::kSchooling)));
    EXPECT_EQ(handlers.Guard(), ClickGuard::Idle);

    controls.output.during = [&] {
        seen = handlers.Guard();
        handlers.SelectType(1);
    };
    w.form.List1(0).Select(Row(u"сом"));
    handlers.ShowSpecies(0);
    EXPECT_EQ(seen, ClickGuard::ShowingSpecies);
    EXPECT_TRUE(w.form.Output().Text().starts_with(expected::SpeciesFirstLine(u"сом")));
    EXPECT_EQ(handlers.Guard(), ClickGuard::Idle);
}

TEST(Handlers, EmptyNamesListGivesTheTwoHeadingLines)
{
    InMemoryWindow w;
    w.form.List1(0).Items().clear();
    w.form.UserClicksOption(1);
    EXPECT_EQ(w.form.Output().Text(), expected::TypeFirstLine(expected::kSchooling) + kMembersLine);
}

// A failing control operation stops the handler with its output so far, but
// must not leave the window ignoring clicks.
TEST(Handlers, FailingOperationStopsTheHandlerAndReleasesTheGuard)
{
    InMemoryWindow w;
    w.form.List1(1).Items()[static_cast<std::size_t>(Row(u"сом"))] = u"2"; // a type with no option
    w.form.UserClicksListItem(Row(u"сом"));
    EXPECT_EQ(w.handlers.Guard(), ClickGuard::Idle);
    EXPECT_EQ(w.form.Output().Text(), window::MainFormDescription().controls[0].text); // stopped before writing
    EXPECT_EQ(w.diagnostics.text, "ribi: ShowSpecies stopped: Option1(2): no such element\n");

    w.form.UserClicksOption(1); // still answers
    EXPECT_EQ(w.form.Output().Text(), expected::TypeListing(expected::kSchooling));

    // A list shorter than the names list fails in the middle of a listing.
    w.diagnostics.text.clear();
    w.form.List1(1).Items().resize(4);
    w.form.UserClicksOption(0);
    EXPECT_EQ(w.form.Output().Text(),
              expected::TypeFirstLine(expected::kNonSchooling) + kMembersLine + u"есетра\r\nкалкан\r\nкаракуда\r\n");
    EXPECT_EQ(w.diagnostics.text, "ribi: SelectType stopped: List(4): no such item\n");
    EXPECT_EQ(w.handlers.Guard(), ClickGuard::Idle);

    // A species click with nothing selected in the list.
    w.diagnostics.text.clear();
    w.form.List1(0).Select(-1);
    w.handlers.ShowSpecies(0);
    EXPECT_EQ(w.diagnostics.text, "ribi: ShowSpecies stopped: List(-1): no such item\n");
    EXPECT_EQ(w.handlers.Guard(), ClickGuard::Idle);
}

} // namespace
} // namespace ribi::testing
