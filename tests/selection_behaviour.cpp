// Behaviour of the main window after clicks, for every binding.

#include "catalogue/catalogue.h"
#include "tests/window_driver.h"

namespace ribi::testing {
namespace {

using selection::ClickGuard;

const std::u16string kSchoolingListing = u"Посочен тип риба: Пасажни\r\n"
                                         u"Включва видове: \r\n"
                                         u"костур\r\nпаламуд\r\nсардина\r\nсафрид\r\nскумрия\r\n"
                                         u"сьомга\r\nтон\r\nхамсия\r\nхеринга\r\nцаца\r\n";
const std::u16string kNonSchoolingListing = u"Посочен тип риба: Непасажни\r\n"
                                            u"Включва видове: \r\n"
                                            u"есетра\r\nкалкан\r\nкаракуда\r\nморуна\r\n"
                                            u"сом\r\nчига\r\nшаран\r\nщука\r\n";

std::u16string SpeciesOutput(std::size_t position, std::u16string_view typeCaption)
{
    const auto& row = catalogue::species()[position];
    return std::u16string(u"Посочена е вид риба: ") + std::u16string(row.name) + u"\r\nТя е от типа: " +
           std::u16string(typeCaption) + u"\r\n" + std::u16string(row.description);
}

constexpr form::Index kCatfish = 9;

TEST_P(SelectionBehaviour, FirstViewShowsTaskStatementWithNothingSelected)
{
    EXPECT_EQ(window->OutputText(), catalogue::taskStatement());
    EXPECT_FALSE(window->TypeSelected(0));
    EXPECT_FALSE(window->TypeSelected(1));
    EXPECT_EQ(window->Guard(), ClickGuard::Idle);
}

TEST_P(SelectionBehaviour, SpeciesClickShowsNameTypeAndDescriptionAndMarksType)
{
    window->ClickSpecies(kCatfish);
    const std::u16string expected = SpeciesOutput(kCatfish, u"Непасажни");
    EXPECT_EQ(window->OutputText(), expected);
    EXPECT_TRUE(expected.ends_with(catalogue::species()[kCatfish].description)); // no line break after it
    EXPECT_TRUE(window->TypeSelected(0));
    EXPECT_FALSE(window->TypeSelected(1));
    EXPECT_EQ(window->Guard(), ClickGuard::Idle);

    // The nested option click left no type listing behind; a schooling
    // species moves the mark to the other option.
    window->ClickSpecies(4); // моруна, fifth in the list
    EXPECT_EQ(window->OutputText(), SpeciesOutput(4, u"Непасажни"));
    window->ClickSpecies(13);
    EXPECT_EQ(window->OutputText(), SpeciesOutput(13, u"Пасажни"));
    EXPECT_FALSE(window->TypeSelected(0));
    EXPECT_TRUE(window->TypeSelected(1));
}

TEST_P(SelectionBehaviour, TypeClickListsItsSpeciesInCatalogueOrder)
{
    window->ClickType(1);
    EXPECT_EQ(window->OutputText(), kSchoolingListing);
    EXPECT_TRUE(window->TypeSelected(1));
    window->ClickType(0);
    EXPECT_EQ(window->OutputText(), kNonSchoolingListing);
    EXPECT_TRUE(window->TypeSelected(0));
    EXPECT_FALSE(window->TypeSelected(1));
    EXPECT_EQ(window->Guard(), ClickGuard::Idle);
}

TEST_P(SelectionBehaviour, RepeatedClicksReplaceRatherThanAppend)
{
    window->ClickSpecies(kCatfish);
    window->ClickSpecies(kCatfish);
    EXPECT_EQ(window->OutputText(), SpeciesOutput(kCatfish, u"Непасажни"));
    window->ClickType(1);
    window->ClickType(1); // the option already selected still lists its type
    EXPECT_EQ(window->OutputText(), kSchoolingListing);
}

TEST_P(SelectionBehaviour, ClickOnTheTypeJustMarkedListsIt)
{
    window->ClickSpecies(kCatfish);
    window->ClickType(0);
    EXPECT_EQ(window->OutputText(), kNonSchoolingListing);
}

TEST_P(SelectionBehaviour, TypedTextIsDiscardedByTheNextClick)
{
    window->TypeIntoOutput(u"бележка\r\nна ученика");
    EXPECT_NE(window->OutputText().find(u"бележка"), std::u16string::npos);
    window->ClickSpecies(0);
    EXPECT_EQ(window->OutputText(), SpeciesOutput(0, u"Непасажни"));
    window->TypeIntoOutput(u"още");
    window->ClickType(1);
    EXPECT_EQ(window->OutputText(), kSchoolingListing);
}

} // namespace
} // namespace ribi::testing
