// Behaviour of the main window after clicks, for every binding.

#include "tests/expected_output.h"
#include "tests/window_driver.h"

namespace ribi::testing {
namespace {

using expected::kNonSchooling;
using expected::kSchooling;
using expected::Row;
using expected::SpeciesOutput;
using expected::TypeListing;
using selection::ClickGuard;

// Two outputs written out in full, so that the expected texts built from
// the catalogue are themselves checked against what a pupil reads.
const std::u16string kCatfishOutput =
    u"Посочена е вид риба: сом\r\n"
    u"Тя е от типа: Непасажни\r\n"
    u"Сомът (Silurus glanis), още Европейски сом, е сладководна риба, чието тяло е без люспи."
    u" Може да достигне дължина до 5\u00A0м и тегло до 300\u00A0кг."
    u" Гърбът му е тъмен, а страните и коремът са покрити с петна."
    u" Около устата си има два дълги горни и четири по-къси долни мустака, които служат на сома като органи на "
    u"осезанието.";
const std::u16string kSchoolingListing = u"Посочен тип риба: Пасажни\r\n"
                                         u"Включва видове: \r\n"
                                         u"костур\r\nпаламуд\r\nсардина\r\nсафрид\r\nскумрия\r\n"
                                         u"сьомга\r\nтон\r\nхамсия\r\nхеринга\r\nцаца\r\n";

TEST_P(WindowBehaviour, SpeciesClickShowsNameTypeAndDescriptionAndMarksType)
{
    window->ClickSpecies(Row(u"сом"));
    EXPECT_EQ(window->OutputText(), kCatfishOutput); // no line break after the description
    EXPECT_EQ(SpeciesOutput(u"сом"), kCatfishOutput);
    EXPECT_TRUE(window->TypeSelected(kNonSchooling));
    EXPECT_FALSE(window->TypeSelected(kSchooling));
    EXPECT_EQ(window->Guard(), ClickGuard::Idle);

    // The nested option click left no type listing behind; a schooling
    // species moves the mark to the other option.
    window->ClickSpecies(Row(u"моруна"));
    EXPECT_EQ(window->OutputText(), SpeciesOutput(u"моруна"));
    window->ClickSpecies(Row(u"херинга"));
    EXPECT_EQ(window->OutputText(), SpeciesOutput(u"херинга"));
    EXPECT_FALSE(window->TypeSelected(kNonSchooling));
    EXPECT_TRUE(window->TypeSelected(kSchooling));
}

TEST_P(WindowBehaviour, TypeClickListsItsSpeciesInCatalogueOrder)
{
    window->ClickOption(kSchooling);
    EXPECT_EQ(window->OutputText(), kSchoolingListing);
    EXPECT_EQ(TypeListing(kSchooling), kSchoolingListing);
    EXPECT_TRUE(window->TypeSelected(kSchooling));
    window->ClickOption(kNonSchooling);
    EXPECT_EQ(window->OutputText(), TypeListing(kNonSchooling));
    EXPECT_TRUE(window->TypeSelected(kNonSchooling));
    EXPECT_FALSE(window->TypeSelected(kSchooling));
    EXPECT_EQ(window->Guard(), ClickGuard::Idle);
}

// A click replaces the box's text, whether a click or the pupil wrote it.
TEST_P(WindowBehaviour, EachClickReplacesTheTextRatherThanAppending)
{
    window->ClickSpecies(Row(u"сом"));
    window->ClickSpecies(Row(u"сом"));
    EXPECT_EQ(window->OutputText(), SpeciesOutput(u"сом"));
    window->ClickOption(kSchooling);
    window->ClickOption(kSchooling);
    EXPECT_EQ(window->OutputText(), TypeListing(kSchooling));

    window->TypeIntoOutput(u"бележка\r\nна ученика");
    EXPECT_NE(window->OutputText().find(u"бележка"), std::u16string::npos);
    window->ClickSpecies(Row(u"есетра"));
    EXPECT_EQ(window->OutputText(), SpeciesOutput(u"есетра"));
    window->TypeIntoOutput(u"още");
    window->ClickOption(kSchooling);
    EXPECT_EQ(window->OutputText(), TypeListing(kSchooling));
}

} // namespace
} // namespace ribi::testing
