// How a real window looks and shows its texts: the layout, the colours and
// the font at 96 dots per inch, the hidden lists, the output box's lines
// and scrolling. Each binding runs them on its own window.

#include "catalogue/catalogue.h"
#include "tests/expected_look.h"
#include "tests/expected_output.h"
#include "tests/window_driver.h"

namespace ribi::testing {
namespace {

using expected::kNonSchooling;
using expected::kSchooling;
using expected::Row;

TEST_P(WindowBehaviour, FixedClientAreaAndEveryControlAtItsPlace)
{
    const Point client = window->Size(kWindow);
    EXPECT_EQ((Rect{0, 0, client.x, client.y}), look::kClientArea);
    EXPECT_FALSE(window->IsResizable());
    EXPECT_EQ(window->Title(), look::kTitle);

    for (const auto& [control, place] : look::kPlaces) {
        const ControlId parent = window->ParentOf(control);
        const Rect origin = parent.name.empty() ? Rect{} : window->Bounds(parent);
        EXPECT_EQ(window->Bounds(control),
                  (Rect{origin.left + place.left, origin.top + place.top, place.width, place.height}))
            << Narrow(control);
        EXPECT_TRUE(window->IsShown(control)) << Narrow(control);
    }
}

TEST_P(WindowBehaviour, HiddenListsHoldTheCatalogueAndCannotBeReached)
{
    std::vector<std::u16string> names, types, descriptions;
    for (const auto& species : catalogue::AllSpecies()) {
        names.emplace_back(species.name);
        types.emplace_back(species.typeCode);
        descriptions.emplace_back(species.description);
    }
    EXPECT_EQ(window->Items(kNames), names); // in stored order, not sorted
    for (const form::Index hidden : {form::Index{1}, form::Index{2}}) {
        EXPECT_FALSE(window->IsShown({u"List1", hidden}));
        EXPECT_FALSE(window->IsTabStop({u"List1", hidden}));
    }
    if (!Can(*window, Lack::HiddenListItems)) return;
    EXPECT_EQ(window->Items({u"List1", 1}), types);
    EXPECT_EQ(window->Items({u"List1", 2}), descriptions);
}

TEST_P(WindowBehaviour, BackgroundsAreTheirColoursToTheUnit)
{
    for (const auto& [what, control, at, colour] : look::kBackgrounds)
        EXPECT_EQ(window->Pixel(control, at), colour) << what;
    // A selected row has the system's colour, the others the list's.
    window->ClickSpecies(Row(u"есетра"));
    const Point rows = window->Size(kNames);
    EXPECT_EQ(window->Pixel(kNames, {rows.x - 4, rows.y - 4}), look::kNamesColour) << "names list";
}

TEST_P(WindowBehaviour, EveryControlUsesTheWindowFont)
{
    for (const auto& control : window::MainFormDescription().controls) {
        const Font font = window->FontOf({control.name, control.index});
        EXPECT_TRUE(font.family == look::kFontFamily) << Narrow({control.name, control.index});
        EXPECT_EQ(font.pixelHeight, look::kFontPixels);
        EXPECT_EQ(font.weight, look::kFontWeight);
        EXPECT_EQ(font.charset.value_or(look::kFontCharset), look::kFontCharset);
        EXPECT_TRUE(font.plain);
    }
}

TEST_P(WindowBehaviour, OutputKeepsCrLfAndShowsEachOutputFromItsTop)
{
    window->ClickOption(kSchooling);
    EXPECT_EQ(window->OutputLines(), 13); // each of the twelve line breaks ends a line
    EXPECT_TRUE(window->OutputOverflows());
    window->Focus(kOutput);
    window->Press(Key::End, Modifier::Control);
    ASSERT_GT(window->FirstVisibleOutputLine(), 0);
    window->ClickOption(kNonSchooling);
    EXPECT_EQ(window->FirstVisibleOutputLine(), 0);
    EXPECT_EQ(window->OutputSelection(), (TextSelection{0, 0}));

    window->ClickSpecies(Row(u"сом")); // three lines of text, the description wrapped at the box's width
    EXPECT_GT(window->OutputLines(), 4);
}

} // namespace
} // namespace ribi::testing
