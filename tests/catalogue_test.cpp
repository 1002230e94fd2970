#include "catalogue/catalogue.h"
#include "tests/expected_output.h"
#include "tests/number_breaks.h"
#include "tests/utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ribi::catalogue {
namespace {

// gtest prints std::u16string_view as code units; UTF-8 makes failures
// readable, with a mark where a text holds a surrogate.
std::string Utf8(std::u16string_view text)
{
    return ribi::testing::Utf8(text).value_or("<surrogate>");
}

struct ExpectedRow {
    std::u16string_view name;
    std::u16string_view typeCode;
    std::u16string_view opening;
    std::size_t length;
};

// Each row as it must read: the fixed first sentence of the paragraph and the
// paragraph's whole length in characters.
constexpr ExpectedRow kExpected[kSpeciesCount] = {
    {u"есетра", u"0", u"Есетровите (Acipenseridae) са семейство костни риби.", 214},
    {u"калкан", u"0", u"Калкан (Psetta maxima) са вид лъчеперки от семейство Калканови (Scophthalmidae).", 254},
    {u"каракуда", u"0", u"Каракудите (Carassius) са род сладководни риби от семейство шаранови.", 402},
    {u"костур", u"1", u"Костурът е разпространен в Европа и Азия.", 416},
    {u"моруна", u"0", u"Моруната (Huso huso) е най-голямата сладководна риба.", 496},
    {u"паламуд", u"1", u"Паламуд (Sarda sarda) - риба от семейство Скумриеви.", 451},
    {u"сардина", u"1", u"Сардина или сардела (Sardina pilchardus) е вид селдова морска риба.", 462},
    {u"сафрид", u"1", u"Сафриди (Trachurus) са род хищни соленоводни пасажни риби от семейство сафридови.", 349},
    {u"скумрия", u"1", u"Скумрия (Scomber scombrus) е морска риба от разред костурови.", 438},
    {u"сом", u"0", u"Сомът (Silurus glanis), още Европейски сом, е сладководна риба, чието тяло е без люспи.", 314},
    {u"сьомга", u"1", u"Сьомгата е несистематична група риби от семейство Пъстървови (Salmonidae).", 415},
    {u"тон", u"1", u"Рибата тон е една от най-бързо плуващите риби в океана.", 234},
    {u"хамсия", u"1", u"Хамсията (Engraulis encrasicolus) е вид риба от семейство Engraulidae.", 422},
    {u"херинга", u"1",
     u"Атлантическата херинга (Clupea harengus, също селда) е морска стадна риба от семейство Селдови.", 494},
    {u"цаца", u"1",
     u"Цацата (Sprattus sprattus) е морска риба от семейство селдови, разпространена в Европа "
     u"(в Балтийско, Северно и Черно морета).",
     695},
    {u"чига", u"0", u"Чигата (Acipenser ruthenus) е сладководна риба от семейство Есетрови.", 446},
    {u"шаран", u"0", u"Шаранът е типичен представител на костните риби.", 645},
    {u"щука", u"0", u"Щуката (Esox lucius) е едра хищна риба, широко разпространена в нашите води.", 325},
};

// The pieces of `text` between the separators, the last one unless empty.
std::vector<std::u16string_view> Split(std::u16string_view text, std::u16string_view separator)
{
    std::vector<std::u16string_view> pieces;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find(separator), text.size());
        pieces.push_back(text.substr(0, end));
        text.remove_prefix(std::min(text.size(), end + separator.size()));
    }
    return pieces;
}

// What a text box shows must be tidy prose: no control characters (so no
// stray line break), only BMP characters since lengths are counted in code
// units, no blank at either end nor two in a row, and a blank inside a
// number or before its unit a no-break space, so that no line ends there;
// every other blank a plain one.
void ExpectTidy(std::u16string_view text)
{
    using ribi::testing::kNoBreakSpace;
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.front(), u' ');
    EXPECT_NE(text.back(), u' ');
    EXPECT_EQ(text.find(u"  "), std::u16string_view::npos);
    for (std::size_t i = 0; i < text.size(); ++i) {
        EXPECT_GE(text[i], u' ') << "control character at " << i;
        EXPECT_FALSE(text[i] >= 0xD800 && text[i] <= 0xDFFF) << "surrogate at " << i;
        if (text[i] != u' ' && text[i] != kNoBreakSpace) continue;
        const bool insideANumber = ribi::testing::BreaksANumber(text.substr(0, i), text.substr(i + 1));
        EXPECT_EQ(text[i] == kNoBreakSpace, insideANumber)
            << "blank at " << i << " in \"" << Utf8(text.substr(i < 12 ? 0 : i - 12, 24)) << '"';
    }
}

// Listing a type walks the table in stored order, so a type's names come out
// sorted only because the whole table is. The Bulgarian alphabet runs in the
// order of U+0430..U+044F (which only adds ы and э), so code units compare
// names alphabetically.
TEST(Catalogue, RowsInAlphabeticalOrderWithTheirTypeCodesAndDescriptions)
{
    for (std::size_t p = 0; p < kSpeciesCount; ++p) {
        const Species& row = AllSpecies()[p];
        const ExpectedRow& want = kExpected[p];
        SCOPED_TRACE("position " + std::to_string(p));
        EXPECT_EQ(Utf8(row.name), Utf8(want.name));
        EXPECT_EQ(Utf8(row.typeCode), Utf8(want.typeCode));
        if (p > 0) {
            EXPECT_LT(AllSpecies()[p - 1].name, row.name);
        }
        // One paragraph, whose opening is a whole sentence: it goes on after a blank.
        EXPECT_EQ(Utf8(row.description.substr(0, want.opening.size() + 1)), Utf8(want.opening) + ' ');
        EXPECT_EQ(row.description.size(), want.length);
        EXPECT_TRUE(row.description.ends_with(u'.'));
        ExpectTidy(row.description);
    }
}

// Ten lines, each ended by CR LF: a lone CR or LF is a control character
// within a line. Line nine ends with sixteen of the catalogue's names, in
// alphabetical order.
TEST(TaskStatement, IsTenTidyCrLfLinesOf1285CharactersInTheFixedWording)
{
    const std::u16string_view text = TaskStatement();
    EXPECT_EQ(text.size(), 1285u);
    EXPECT_TRUE(text.ends_with(u"\r\n"));
    const auto lines = Split(text, u"\r\n");
    ASSERT_EQ(lines.size(), 10u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE("line " + std::to_string(i + 1));
        ExpectTidy(lines[i]);
    }
    constexpr std::u16string_view first = u"Формирането на пасаж носи определен предимства и недостатъци за рибата.";
    EXPECT_TRUE(lines[0].starts_with(first)) << Utf8(lines[0]);
    EXPECT_EQ(Utf8(lines[4]), Utf8(u"Чрез група радиобутони да се представят видовете риба: пасажен и непасажен тип."));
    EXPECT_EQ(Utf8(lines[5]),
              Utf8(u"В списъчно поле да се представят азбучно подредени имена на различни видове риба."));

    const std::u16string_view nine = lines[8];
    const std::size_t colon = nine.rfind(u": ");
    ASSERT_TRUE(nine.ends_with(u'.') && colon != std::u16string_view::npos) << Utf8(nine);
    const auto names = Split(nine.substr(colon + 2, nine.size() - colon - 3), u", ");
    ASSERT_EQ(names.size(), 16u) << Utf8(nine);
    // Row() throws for a name the catalogue does not have.
    for (std::size_t i = 1; i < names.size(); ++i)
        EXPECT_LT(ribi::testing::expected::Row(names[i - 1]), ribi::testing::expected::Row(names[i]))
            << Utf8(names[i - 1]) << " / " << Utf8(names[i]);
}

} // namespace
} // namespace ribi::catalogue
