// The click handlers on the in-memory controls: the shared behaviour, and
// what only a test of the handlers themselves can reach.

#include "form/control_error.h"
#include "selection/handlers.h"
#include "tests/in_memory_form.h"
#include "tests/window_driver.h"
#include "window/main_form.h"

#include <sstream>

namespace ribi::testing {
namespace {

using selection::ClickGuard;

struct InMemoryWindow {
    explicit InMemoryWindow(const window::FormDescription& description = window::MainFormDescription())
        : form(description), handlers(form, diagnostics)
    {
        form.Connect(handlers);
    }
    std::ostringstream diagnostics;
    InMemoryForm form;
    selection::Handlers handlers;
};

class InMemoryDriver final : public WindowDriver {
public:
    void ClickSpecies(form::Index position) override { window_.form.UserClicksListItem(position); }
    void ClickType(form::Index index) override { window_.form.UserClicksOption(index); }
    void TypeIntoOutput(std::u16string_view text) override
    {
        window_.form.Output().SetText(window_.form.Output().Text() + std::u16string(text));
    }
    std::u16string OutputText() override { return window_.form.Output().Text(); }
    bool TypeSelected(form::Index index) override { return window_.form.Option(index).Value(); }
    ClickGuard Guard() override { return window_.handlers.Guard(); }

private:
    InMemoryWindow window_;
};

INSTANTIATE_TEST_SUITE_P(InMemory, SelectionBehaviour,
                         ::testing::Values(DriverFactory{
                             "InMemory", [] { return std::unique_ptr<WindowDriver>(new InMemoryDriver); }}),
                         DriverName);

TEST(Handlers, StateStartsIdleAndEmptyAndFollowsTheLastClick)
{
    InMemoryWindow w;
    EXPECT_EQ(w.handlers.Guard(), ClickGuard::Idle);
    EXPECT_FALSE(w.handlers.CurrentSpecies());
    EXPECT_FALSE(w.handlers.CurrentType());

    w.form.UserClicksListItem(9);
    EXPECT_EQ(w.handlers.CurrentSpecies(), form::Index{9});
    ASSERT_TRUE(w.handlers.CurrentType());
    EXPECT_TRUE(std::holds_alternative<double>(*w.handlers.CurrentType())); // the parsed code
    EXPECT_TRUE(form::NumericEqual(*w.handlers.CurrentType(), form::Index{0}));

    w.form.UserClicksOption(1);
    EXPECT_EQ(*w.handlers.CurrentType(), form::Number{form::Index{1}}); // the option's Index
    EXPECT_EQ(w.handlers.CurrentSpecies(), form::Index{9});             // untouched by a type click
}

TEST(Handlers, NestedOptionClickInsideShowSpeciesIsIgnored)
{
    InMemoryWindow w;
    int writesDuringClick = 0;
    w.form.UserClicksListItem(3); // костур: selects option 1, which raises its Click
    writesDuringClick = w.form.Output().writes;
    EXPECT_EQ(w.form.Option(1).clicksRaised, 1);
    EXPECT_EQ(writesDuringClick, 3); // name line, type line, description: no listing
    EXPECT_TRUE(w.diagnostics.str().empty());

    // Writing true to the option already selected raises nothing.
    w.form.UserClicksListItem(5); // паламуд, also schooling
    EXPECT_EQ(w.form.Option(1).clicksRaised, 1);
}

TEST(Handlers, OneWholeTextWritePerLineOfAListing)
{
    InMemoryWindow w;
    w.form.UserClicksOption(0);
    EXPECT_EQ(w.form.Output().writes, 2 + 8);
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
    std::ostringstream diagnostics;
    selection::Handlers handlers(controls, diagnostics);

    ClickGuard seen{};
    controls.output.during = [&] {
        seen = handlers.Guard();
        w.form.List(0).Select(0);
        handlers.ShowSpecies(0);
    };
    handlers.SelectType(1);
    EXPECT_EQ(seen, ClickGuard::ListingType);
    EXPECT_EQ(w.form.Output().Text().substr(0, 26), u"Посочен тип риба: Пасажни\r");
    EXPECT_EQ(handlers.Guard(), ClickGuard::Idle);

    controls.output.during = [&] {
        seen = handlers.Guard();
        handlers.SelectType(1);
    };
    w.form.List(0).Select(9);
    handlers.ShowSpecies(0);
    EXPECT_EQ(seen, ClickGuard::ShowingSpecies);
    EXPECT_TRUE(w.form.Output().Text().starts_with(u"Посочена е вид риба: сом\r\n"));
    EXPECT_EQ(handlers.Guard(), ClickGuard::Idle);
}

TEST(Handlers, EmptyNamesListGivesTheTwoHeadingLines)
{
    InMemoryWindow w;
    w.form.List(0).Items().clear();
    w.form.UserClicksOption(1);
    EXPECT_EQ(w.form.Output().Text(), u"Посочен тип риба: Пасажни\r\nВключва видове: \r\n");
}

// A failing control operation stops the handler with its output so far, but
// must not leave the window ignoring clicks.
TEST(Handlers, FailingOperationStopsTheHandlerAndReleasesTheGuard)
{
    InMemoryWindow w;
    w.form.List(1).Items()[9] = u"2"; // сом's type has no option
    w.form.UserClicksListItem(9);
    EXPECT_EQ(w.handlers.Guard(), ClickGuard::Idle);
    EXPECT_EQ(w.form.Output().Text(), window::MainFormDescription().controls[0].text); // stopped before writing
    EXPECT_EQ(w.diagnostics.str(), "ribi: ShowSpecies stopped: Option1(2): no such element\n");

    w.form.UserClicksOption(1); // still answers
    EXPECT_TRUE(w.form.Output().Text().starts_with(u"Посочен тип риба: Пасажни\r\nВключва видове: \r\nкостур"));

    // A list shorter than the names list fails in the middle of a listing.
    w.diagnostics.str({});
    w.form.List(1).Items().resize(4);
    w.form.UserClicksOption(0);
    EXPECT_EQ(w.form.Output().Text(), u"Посочен тип риба: Непасажни\r\nВключва видове: \r\nесетра\r\nкалкан\r\n"
                                      u"каракуда\r\n");
    EXPECT_EQ(w.diagnostics.str(), "ribi: SelectType stopped: List(4): no such item\n");
    EXPECT_EQ(w.handlers.Guard(), ClickGuard::Idle);

    // A species click with nothing selected in the list.
    w.diagnostics.str({});
    w.form.List(0).Select(-1);
    w.handlers.ShowSpecies(0);
    EXPECT_EQ(w.diagnostics.str(), "ribi: ShowSpecies stopped: List(-1): no such item\n");
    EXPECT_EQ(w.handlers.Guard(), ClickGuard::Idle);
}

} // namespace
} // namespace ribi::testing
