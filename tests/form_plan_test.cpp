// The plan the form runtime and every binding build from.

#include "form/form_plan.h"
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

} // namespace
} // namespace ribi::testing
