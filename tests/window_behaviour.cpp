// The rules of a real window, driven by mouse and keys: what reaches the
// handlers, where the keyboard focus goes, and the first view. Each
// binding runs them on its own window; what only one toolkit has stays in
// its own tests.

#include "catalogue/catalogue.h"
#include "form/line_breaks.h"
#include "tests/expected_output.h"
#include "tests/number_breaks.h"
#include "tests/window_driver.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace ribi::testing {
namespace {

using expected::kNonSchooling;
using expected::kSchooling;
using expected::Row;
using expected::SpeciesFirstLine;
using expected::TypeFirstLine;

TEST_P(WindowBehaviour, FirstViewIsTheTaskStatementWithNothingSelectedAndTheFocusInTheOutput)
{
    EXPECT_EQ(window->OutputText(), catalogue::TaskStatement());
    EXPECT_EQ(window->SelectedRow(), -1);
    EXPECT_EQ(window->SelectedOption(), -1);
    EXPECT_EQ(window->Focused(), ControlName(kOutput));
    EXPECT_EQ(window->OutputSelection(), (TextSelection{0, 0})); // the caret at the start
    EXPECT_EQ(window->FirstVisibleOutputLine(), 0);
    EXPECT_EQ(window->ListClicks() + window->OptionClicks(), 0);
    EXPECT_EQ(window->Guard(), selection::ClickGuard::Idle);
}

// The window is no dialog: Escape and Enter in the output box are keys of the box.
TEST_P(WindowBehaviour, EscapeAndEnterStayInTheOutputBox)
{
    window->TypeIntoOutput(u"x");
    window->Press(Key::Escape);
    EXPECT_TRUE(window->IsOpen());
    window->Press(Key::Enter);
    EXPECT_TRUE(window->OutputText().ends_with(u"x\r\n"));
    EXPECT_EQ(window->Focused(), ControlName(kOutput));
}

TEST_P(WindowBehaviour, TabCyclesOutputOptionGroupAndList)
{
    const std::u16string before = window->OutputText();
    window->Press(Key::Tab);
    EXPECT_EQ(window->Focused(), ControlName(OptionId(0)));
    window->Press(Key::Tab);
    EXPECT_EQ(window->Focused(), ControlName(kNames));
    if (Can(*window, Lack::TabRound)) {
        window->Press(Key::Tab);
        EXPECT_EQ(window->Focused(), ControlName(kOutput));
        EXPECT_EQ(window->OutputText(), before); // no tab was typed
        window->Press(Key::ShiftTab);
        EXPECT_EQ(window->Focused(), ControlName(kNames));
    }
    window->Press(Key::ShiftTab);
    EXPECT_EQ(window->Focused(), ControlName(OptionId(0)));
    EXPECT_EQ(window->ListClicks() + window->OptionClicks(), 0); // focus alone shows nothing
    EXPECT_EQ(window->SelectedOption(), -1);

    // Once a type is selected, the group's tab stop is that option.
    window->ClickOption(kSchooling);
    window->Focus(kOutput);
    window->Press(Key::Tab);
    EXPECT_EQ(window->Focused(), ControlName(OptionId(kSchooling)));
    window->ClickSpecies(Row(u"сом")); // moves the selection, and the tab stop, to the other option
    window->Focus(kOutput);
    window->Press(Key::Tab);
    EXPECT_EQ(window->Focused(), ControlName(OptionId(kNonSchooling)));
}

// A pupil back in the output box by Shift+Tab types where the caret was: Tab
// selects nothing that the next key would replace.
TEST_P(WindowBehaviour, TabIntoTheOutputBoxSelectsNothing)
{
    window->ClickOption(kSchooling);
    window->Click(kOutput, {10, 10});
    window->Press(Key::Tab);
    window->Press(Key::ShiftTab);
    ASSERT_EQ(window->Focused(), ControlName(kOutput));
    const TextSelection selection = window->OutputSelection();
    EXPECT_EQ(selection.start, selection.end);
    window->Type(u"ж");
    EXPECT_EQ(window->OutputText().size(), expected::TypeListing(kSchooling).size() + 1);
}

// However many lines a click writes (a listing is twelve writes, a species
// three with its option's Click inside), the screen and a screen reader
// get its output once.
TEST_P(WindowBehaviour, EachClicksOutputIsShownAndToldOnce)
{
    const int shows = window->OutputShows();
    const int told = window->OutputNotifications();
    window->ClickOption(kSchooling);
    EXPECT_EQ(window->OutputShows(), shows + 1);
    EXPECT_EQ(window->OutputNotifications(), told + 1);
    window->ClickSpecies(Row(u"сом"));
    EXPECT_EQ(window->OutputShows(), shows + 2);
    EXPECT_EQ(window->OutputNotifications(), told + 2);
}

TEST_P(WindowBehaviour, ArrowsInTheListShowTheNextSpecies)
{
    window->Focus(kNames);
    // From no selection to the first species; Up at the top changes nothing and clicks nothing.
    for (const auto& [key, shown, clicks] : {std::tuple<Key, std::u16string_view, int>{Key::Down, u"есетра", 1},
                                             {Key::Down, u"калкан", 2},
                                             {Key::Up, u"есетра", 3},
                                             {Key::Up, u"есетра", 3},
                                             {Key::End, catalogue::AllSpecies().back().name, 4},
                                             {Key::Home, u"есетра", 5}}) {
        window->Press(key);
        EXPECT_EQ(window->SelectedRow(), Row(shown));
        EXPECT_TRUE(window->OutputText().starts_with(SpeciesFirstLine(shown)));
        EXPECT_EQ(window->SelectedOption(), expected::TypeOf(shown));
        EXPECT_EQ(window->ListClicks(), clicks);
    }
    window->Press(Key::PageDown);
    EXPECT_GT(window->SelectedRow(), 1);
    window->Type(u"х"); // a letter: the next name with it
    EXPECT_EQ(window->SelectedRow(), Row(u"хамсия"));
    EXPECT_TRUE(window->OutputText().starts_with(SpeciesFirstLine(u"хамсия")));
    EXPECT_EQ(window->Focused(), ControlName(kNames));
}

TEST_P(WindowBehaviour, ArrowsAndSpaceInTheOptionGroupListAType)
{
    window->Press(Key::Tab);
    ASSERT_EQ(window->Focused(), ControlName(OptionId(0)));
    window->Press(Key::Space);
    EXPECT_EQ(window->SelectedOption(), 0);
    EXPECT_TRUE(window->OutputText().starts_with(TypeFirstLine(0)));
    window->Press(Key::Down);
    EXPECT_EQ(window->SelectedOption(), 1);
    EXPECT_EQ(window->Focused(), ControlName(OptionId(1)));
    EXPECT_TRUE(window->OutputText().starts_with(TypeFirstLine(1)));
    EXPECT_EQ(window->OptionClicks(), 2);
    EXPECT_EQ(window->ListClicks(), 0);
}

// The main window with a third type, declared before the second: the
// arrows go through a frame's options in Index order, each way, and round.
const form::FormDescription& ThreeTypes()
{
    static const form::FormDescription form = [] {
        form::FormDescription three = window::MainFormDescription();
        auto& controls = three.controls;
        const auto second = std::find_if(controls.begin(), controls.end(),
                                         [](const auto& c) { return c.name == u"Option1" && c.index == 1; });
        auto third = *second;
        third.index = 2;
        third.text = third.accessibleName = u"Смесени";
        third.bounds.top += third.bounds.height;
        controls.insert(second, third);
        return three;
    }();
    return form;
}

TEST_P(WindowBehaviour, ArrowsStepThroughTheGroupInIndexOrderEachWay)
{
    if (const std::string why = window->Lacks(Lack::OtherForms); !why.empty()) GTEST_SKIP() << why;
    window = GetParam().make(ThreeTypes());
    window->Press(Key::Tab);
    ASSERT_EQ(window->Focused(), ControlName(OptionId(0)));
    for (const auto& [key, selected] :
         {std::pair{Key::Down, 1}, {Key::Down, 2}, {Key::Right, 0}, {Key::Up, 2}, {Key::Left, 1}, {Key::Up, 0}}) {
        window->Press(key);
        EXPECT_EQ(window->SelectedOption(), selected);
        EXPECT_EQ(window->Focused(), ControlName(OptionId(static_cast<form::Index>(selected))));
    }
    EXPECT_EQ(window->OptionClicks(), 6);
}

TEST_P(WindowBehaviour, ListClickRules)
{
    const form::Index first = Row(u"каракуда");
    window->ClickSpecies(first);
    EXPECT_EQ(window->ListClicks(), 1);
    EXPECT_EQ(window->SelectedRow(), first);
    EXPECT_EQ(window->Focused(), ControlName(kNames));

    window->TypeIntoOutput(u"x");
    window->ClickSpecies(first); // the selected item again still shows it
    EXPECT_EQ(window->ListClicks(), 2);
    EXPECT_FALSE(window->OutputText().ends_with(u"x"));

    if (Can(*window, Lack::RightClick)) {
        window->Click(kNames, window->RowCentre(Row(u"паламуд")), Button::Right); // selects nothing, shows nothing
        EXPECT_EQ(window->ListClicks(), 2);
        EXPECT_EQ(window->SelectedRow(), first);
    }

    const Point sardine = window->RowCentre(Row(u"сардина"));
    window->DoubleClick(kNames, sardine);
    EXPECT_EQ(window->ListClicks(), 3); // one click for a double click
    EXPECT_EQ(window->SelectedRow(), Row(u"сардина"));
    EXPECT_TRUE(window->OutputText().starts_with(SpeciesFirstLine(u"сардина")));
}

// A drag is one Click, raised when the button comes up on the row it ends on.
TEST_P(WindowBehaviour, DragEndsShowingTheSpeciesItEndsOn)
{
    const Point from = window->RowCentre(Row(u"есетра"));
    const Point to = window->RowCentre(Row(u"костур"));
    window->Drag(kNames, from, to);
    EXPECT_EQ(window->ListClicks(), 1);
    EXPECT_EQ(window->SelectedRow(), Row(u"костур"));
    EXPECT_TRUE(window->OutputText().starts_with(SpeciesFirstLine(u"костур")));
    EXPECT_EQ(window->SelectedOption(), kSchooling);
}

TEST_P(WindowBehaviour, OptionClickRules)
{
    window->ClickSpecies(Row(u"сом")); // selects its type through a write, nested
    EXPECT_EQ(window->OptionClicks(), 1);

    window->ClickOption(kNonSchooling); // the selected option lists its type
    EXPECT_EQ(window->OptionClicks(), 2);
    EXPECT_TRUE(window->OutputText().starts_with(TypeFirstLine(kNonSchooling)));

    if (Can(*window, Lack::RightClick)) {
        window->ClickOption(kSchooling, Button::Right);
        EXPECT_EQ(window->SelectedOption(), kNonSchooling);
        EXPECT_EQ(window->OptionClicks(), 2);
    }

    // Anywhere in the option's rectangle counts, its circle too.
    window->Click(OptionId(kSchooling), {2, window->Size(OptionId(kSchooling)).y / 2});
    EXPECT_EQ(window->SelectedOption(), kSchooling);
    EXPECT_EQ(window->OptionClicks(), 3);
}

// No row of the box ends inside a number or between a number and its
// unit ("1 500 м" read as "1" and "500 м"), at the box's own width nor
// where it is narrower, as on a small screen.
TEST_P(WindowBehaviour, NoRowEndsInsideANumberOrBeforeItsUnit)
{
    const int own = window->Bounds(kOutput).width;
    for (const int width : {own, own * 3 / 4, own / 2, own / 3}) {
        if (width != own && !window->NarrowOutput(width)) break;
        ExpectNoRowBreaksANumber(*window, width);
    }
}

// The no-break spaces stay in what leaves the box: the text the form reads
// back once the pupil has typed, and what is copied.
TEST_P(WindowBehaviour, TypingAndCopyingKeepTheNoBreakSpaces)
{
    window->ClickSpecies(Row(u"щука"));
    window->TypeIntoOutput(u"!");
    const std::u16string typed = expected::SpeciesOutput(u"щука") + u"!";
    EXPECT_EQ(window->OutputText(), typed);
    // All of it, by keys every edit knows (Wine's lacks Ctrl+A).
    window->Press(Key::Home, Modifier::Control);
    for (int page = 0; page < 5; ++page) window->Press(Key::PageDown, Modifier::Shift);
    window->Press(Key::End, Modifier::Shift);
    window->Press(Key::C, Modifier::Control);
    if (Can(*window, Lack::CopyOfNoBreakSpaces)) {
        EXPECT_EQ(form::WithLfBreaks(window->ClipboardText()), form::WithLfBreaks(typed));
    }
}

} // namespace
} // namespace ribi::testing
