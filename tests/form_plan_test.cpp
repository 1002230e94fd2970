// The plan every binding builds from, and the rules its controls follow.

#include "form/control_error.h"
#include "form/form_plan.h"
#include "form/list_click_rule.h"
#include "form/option_group.h"
#include "tests/in_memory_form.h"
#include "window/main_form.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace ribi::testing {
namespace {

using form::ControlKind;
using form::FormPlan;
using form::Position;

form::ControlDescription Control(ControlKind kind, std::u16string_view name, form::Index index,
                                 std::u16string_view container = u"")
{
    return {.kind = kind, .name = name, .index = index, .container = container, .tabStop = true};
}

// Two frames of options and two lists, each array declared out of Index order.
form::FormDescription TwoFrames()
{
    form::FormDescription form{};
    auto& c = form.controls;
    c.push_back(Control(ControlKind::ListBox, u"List1", 1)); // 0
    c.back().items = {u"скрит"};
    c.back().visible = false;
    c.push_back(Control(ControlKind::Frame, u"Frame1", 0));                    // 1
    c.push_back(Control(ControlKind::OptionButton, u"Option1", 3, u"Frame1")); // 2
    c.push_back(Control(ControlKind::OptionButton, u"Option1", 2, u"Frame1")); // 3
    c.push_back(Control(ControlKind::Frame, u"Frame2", 0));                    // 4
    c.push_back(Control(ControlKind::OptionButton, u"Option1", 1, u"Frame2")); // 5
    c.push_back(Control(ControlKind::OptionButton, u"Option1", 0, u"Frame2")); // 6
    c.push_back(Control(ControlKind::Label, u"Label1", 0));                    // 7
    c.push_back(Control(ControlKind::ListBox, u"List1", 0));                   // 8
    c.back().items = {u"видим"};
    c.push_back(Control(ControlKind::TextBox, u"Text1", 0)); // 9
    return form;
}

TEST(FormPlan, ElementsByDeclaredNameAndIndexWhateverTheOrder)
{
    const auto description = TwoFrames();
    const FormPlan plan(description);
    EXPECT_EQ(plan.Element(u"List1", 0), Position{8});
    EXPECT_EQ(plan.Element(u"List1", 1), Position{0});
    EXPECT_EQ(plan.Element(u"Option1", 0), Position{6});
    EXPECT_EQ(plan.Element(u"Option1", 3), Position{2});
    EXPECT_EQ(plan.Element(u"Text1", 0), Position{9});
    EXPECT_EQ(plan.Element(u"Option1", 4), std::nullopt);
    EXPECT_EQ(plan.Element(u"Text2", 0), std::nullopt);
}

TEST(FormPlan, OneOptionGroupPerFrameInIndexOrder)
{
    const auto description = TwoFrames();
    const FormPlan plan(description);
    const std::vector<std::vector<Position>> expected{{3, 2}, {6, 5}}; // Frame1: 2, 3; Frame2: 0, 1
    EXPECT_EQ(plan.OptionGroups(), expected);
}

TEST(FormPlan, TabVisitsTheVisibleTabStopsInDescribedOrder)
{
    const auto description = TwoFrames();
    const FormPlan plan(description);
    const std::vector<Position> expected{2, 3, 5, 6, 8, 9}; // not the hidden list, frames or label
    EXPECT_EQ(plan.TabOrder(), expected);

    const FormPlan main(window::MainFormDescription());
    std::vector<std::u16string> visited;
    for (const Position position : main.TabOrder())
        visited.push_back(std::u16string(main.At(position).name) + char16_t(u'0' + main.At(position).index));
    EXPECT_EQ(visited, (std::vector<std::u16string>{u"Text10", u"Option10", u"Option11", u"List10"}));
}

TEST(FormPlan, RefusesAnElementDescribedTwiceOrANegativeIndex)
{
    auto twice = TwoFrames();
    twice.controls.push_back(Control(ControlKind::ListBox, u"List1", 1));
    EXPECT_THROW(FormPlan{twice}, std::invalid_argument);
    auto negative = TwoFrames();
    negative.controls.push_back(Control(ControlKind::ListBox, u"List1", -1));
    EXPECT_THROW(FormPlan{negative}, std::invalid_argument);
}

// The in-memory controls, as a binding, take their arrays and groups from the plan.
TEST(FormPlan, ABindingFindsElementsAndGroupsThroughIt)
{
    const auto description = TwoFrames();
    InMemoryForm form(description);
    EXPECT_EQ(form.List1(0).List(0), u"видим");
    EXPECT_EQ(form.List1(1).List(0), u"скрит");
    EXPECT_THROW(form.List1(2), form::ControlError);

    form.Option1(2).SetValue(true);
    form.Option1(0).SetValue(true); // the other frame: Option1(2) stays selected
    EXPECT_TRUE(form.Option1(2).Value());
    form.Option1(3).SetValue(true);
    EXPECT_FALSE(form.Option1(2).Value());
    EXPECT_TRUE(form.Option1(0).Value());
}

struct FakeOption {
    bool selected = false;
    bool Value() const { return selected; }
};

TEST(OptionGroup, TabStopIsTheSelectedOptionElseTheFirst)
{
    FakeOption a, b, c;
    const form::OptionGroup<FakeOption> group({&a, &b, &c});
    EXPECT_EQ(group.TabStop(), &a);
    c.selected = true;
    EXPECT_EQ(group.TabStop(), &c);
    EXPECT_EQ(form::OptionGroup<FakeOption>().TabStop(), nullptr);
}

TEST(OptionGroup, ArrowsStepRoundTheGroup)
{
    FakeOption a, b, c;
    const form::OptionGroup<FakeOption> group({&a, &b, &c});
    EXPECT_EQ(group.Step(&a, true), &b);
    EXPECT_EQ(group.Step(&c, true), &a);
    EXPECT_EQ(group.Step(&b, false), &a);
    EXPECT_EQ(group.Step(&a, false), &c);

    FakeOption alone, stranger;
    EXPECT_EQ(form::OptionGroup<FakeOption>({&alone}).Step(&alone, true), nullptr);
    EXPECT_EQ(group.Step(&stranger, true), nullptr);
}

TEST(OptionGroup, OnlyAWriteThatSelectsRaisesClick)
{
    EXPECT_TRUE(form::WriteRaisesClick(false, true));
    EXPECT_FALSE(form::WriteRaisesClick(true, true));
    EXPECT_FALSE(form::WriteRaisesClick(true, false));
    EXPECT_FALSE(form::WriteRaisesClick(false, false));
}

// A list of five rows under the rule, counting the Clicks it raises.
struct RuledList {
    InMemoryListBox list{{u"а", u"б", u"в", u"г", u"д"}};
    int clicks = 0;
    form::ListClickRule rule{list, [this] { ++clicks; }, [this](form::Index row) { list.Select(row); }};
};

TEST(ListClickRule, ADragFollowsThePointerAndIsOneClickAtTheRelease)
{
    RuledList l;
    l.rule.Press(0);
    for (form::Index row = 1; row <= 4; ++row) l.rule.Move(row);
    l.rule.Move(-1); // off the items: the selection stays
    EXPECT_EQ(l.list.ListIndex(), 4);
    EXPECT_EQ(l.clicks, 0);
    l.rule.Release();
    EXPECT_EQ(l.clicks, 1);
    l.rule.Move(2); // the button is up
    l.rule.Release();
    EXPECT_EQ(l.list.ListIndex(), 4);
    EXPECT_EQ(l.clicks, 1);

    l.rule.Press(4); // the row shown already is a Click again
    l.rule.Release();
    EXPECT_EQ(l.clicks, 2);
    l.rule.Press(-1); // on no item
    l.rule.Release();
    EXPECT_EQ(l.clicks, 2);
}

TEST(ListClickRule, ADoubleClickIsOneClickUnlessItsSecondPressIsOnAnotherRow)
{
    RuledList l;
    l.rule.Press(1);
    l.rule.Release();
    l.rule.SecondPress(1);
    l.rule.Move(3); // no drag either
    l.rule.Release();
    EXPECT_EQ(l.list.ListIndex(), 1);
    EXPECT_EQ(l.clicks, 1);
    l.rule.SecondPress(2);
    l.rule.Release();
    EXPECT_EQ(l.list.ListIndex(), 2);
    EXPECT_EQ(l.clicks, 2);
}

TEST(ListClickRule, ALostReleaseOrAKeyIsAClickOnlyForANewRow)
{
    RuledList l;
    l.rule.Press(1);
    l.rule.Cancelled();
    EXPECT_EQ(l.clicks, 1);
    l.rule.Press(3);
    l.rule.Move(1); // back to the row shown
    l.rule.Cancelled();
    l.rule.Cancelled(); // no press any more
    EXPECT_EQ(l.clicks, 1);

    l.list.Select(1); // an arrow at the end of the list, selecting what is shown
    l.rule.KeySelected();
    EXPECT_EQ(l.clicks, 1);
    l.list.Select(2);
    l.rule.KeySelected();
    EXPECT_EQ(l.clicks, 2);
    l.rule.Press(0);
    l.rule.KeySelected(); // the selection changing during a press
    EXPECT_EQ(l.clicks, 2);
}

} // namespace
} // namespace ribi::testing
