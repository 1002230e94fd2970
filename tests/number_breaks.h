#pragma once

// Where a line must never end: inside a number ("1 500" read as "1" and
// "500") or between a number and its unit ("5" and "м"). The texts join
// these with no-break spaces; the window's wrapping must keep them.

#include "catalogue/catalogue.h"
#include "tests/expected_output.h"
#include "tests/utf8.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>

namespace ribi::testing {

inline constexpr char16_t kNoBreakSpace = u'\u00A0';

inline constexpr std::array<std::u16string_view, 5> kUnits{u"м", u"кг", u"см", u"г", u"°C"};

inline bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// A unit is a word of its own: "м." is one, "мустака" is not.
inline bool StartsWithUnit(std::u16string_view text)
{
    for (const std::u16string_view unit : kUnits) {
        if (!text.starts_with(unit)) continue;
        const std::u16string_view rest = text.substr(unit.size());
        const bool letter =
            !rest.empty() && ((rest[0] >= u'а' && rest[0] <= u'я') || (rest[0] >= u'А' && rest[0] <= u'Я') ||
                              (rest[0] >= u'a' && rest[0] <= u'z') || (rest[0] >= u'A' && rest[0] <= u'Z'));
        if (!letter) return true;
    }
    return false;
}

// Whether a line that ends with `before`, followed by one that starts
// with `after`, parts a number from its next digit group or its unit. The
// blanks a wrap leaves at either side do not count.
inline bool BreaksANumber(std::u16string_view before, std::u16string_view after)
{
    while (!before.empty() && (before.back() == u' ' || before.back() == kNoBreakSpace)) before.remove_suffix(1);
    while (!after.empty() && (after.front() == u' ' || after.front() == kNoBreakSpace)) after.remove_prefix(1);
    return !before.empty() && IsDigit(before.back()) && !after.empty() &&
           (IsDigit(after.front()) || StartsWithUnit(after));
}

// Every species' output in `window`'s box, row by row as it wraps there,
// its box `width` pixels wide; the rows read are as many as the box's lines
// where the window can count those. The species are taken from both ends of
// the list in turn, so that no two clicks in a row fall on one point, which
// a browser would take for a double click unless it waited.
template <typename Window> void ExpectNoRowBreaksANumber(Window& window, int width, bool countLines = true)
{
    for (std::size_t n = 0; n < catalogue::kSpeciesCount; ++n) {
        const auto& species = catalogue::AllSpecies()[n % 2 ? catalogue::kSpeciesCount - 1 - n / 2 : n / 2];
        window.ClickSpecies(expected::Row(species.name));
        const std::vector<std::u16string> rows = window.OutputRows();
        if (countLines) {
            ASSERT_EQ(static_cast<int>(rows.size()), window.OutputLines());
        }
        for (std::size_t k = 1; k < rows.size(); ++k)
            EXPECT_FALSE(BreaksANumber(rows[k - 1], rows[k]))
                << Utf8(species.name).value_or("?") << " at " << width << " px: \"" << Utf8(rows[k - 1]).value_or("?")
                << "\" / \"" << Utf8(rows[k]).value_or("?") << '"';
    }
}

} // namespace ribi::testing
