#include "form/control_error.h"
#include "form/conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace ribi::form {
namespace {

TEST(Conversions, TextToNumberTakesTheLeadingDecimalNumber)
{
    EXPECT_EQ(TextToNumber(u"12abc"), 12.0);
    EXPECT_EQ(TextToNumber(u""), 0.0);
    EXPECT_EQ(TextToNumber(u"abc"), 0.0);
    EXPECT_EQ(TextToNumber(u"-3.5"), -3.5);
    EXPECT_EQ(TextToNumber(u"  \t7"), 7.0);
    EXPECT_EQ(TextToNumber(u".5x"), 0.5);
    EXPECT_EQ(TextToNumber(u"2e3"), 2000.0);
    EXPECT_EQ(TextToNumber(u"2e"), 2.0); // an exponent without digits is not one
    EXPECT_EQ(TextToNumber(u"-"), 0.0);
    EXPECT_EQ(TextToNumber(u"１"), 0.0); // only ASCII digits count
}

// The nearest double, whichever converts: the desktops' C++ library or the
// page's host.
TEST(Conversions, TextToNumberGivesTheNearestDouble)
{
    EXPECT_EQ(TextToNumber(u"0.1"), 0.1);
    EXPECT_EQ(TextToNumber(u"9007199254740993"), 9007199254740992.0); // a tie, to the even neighbour
    EXPECT_EQ(TextToNumber(u"123456789012345678901234567890e-20"), 1234567890.1234567890123456789);
    EXPECT_EQ(TextToNumber(u"4.9e-324"), std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(TextToNumber(u"1.7976931348623157e308"), std::numeric_limits<double>::max());
    EXPECT_THROW(TextToNumber(u"1.8e308"), ControlError);
    // Too small for a double, with or without an exponent: 0, not an overflow.
    EXPECT_EQ(TextToNumber(u"0." + std::u16string(400, u'0') + u"1"), 0.0);
    EXPECT_EQ(TextToNumber(u"-2e-400"), 0.0);
}

TEST(Conversions, ToIndexRoundsHalvesToEvenWithinSixteenBits)
{
    EXPECT_EQ(ToIndex(0.5), 0);
    EXPECT_EQ(ToIndex(1.5), 2);
    EXPECT_EQ(ToIndex(2.5), 2);
    EXPECT_EQ(ToIndex(-1.5), -2);
    EXPECT_EQ(ToIndex(32767.0), 32767);
    EXPECT_EQ(ToIndex(-32768.5), -32768);
    EXPECT_THROW(ToIndex(32767.5), ControlError);
    EXPECT_THROW(ToIndex(-32769.0), ControlError);
    EXPECT_THROW(ToIndex(std::nan("")), ControlError);
    EXPECT_THROW(ToIndex(INFINITY), ControlError);
}

TEST(Conversions, ToIndexOfTextNeedsAWholeNumber)
{
    EXPECT_EQ(ToIndex(u"1"), 1);
    EXPECT_EQ(ToIndex(u" 0 "), 0);
    EXPECT_EQ(ToIndex(u"2.5"), 2);
    EXPECT_THROW(ToIndex(u""), ControlError);
    EXPECT_THROW(ToIndex(u"1a"), ControlError);
    EXPECT_THROW(ToIndex(u"40000"), ControlError);
}

TEST(Conversions, NumericEqualityAcrossIntegerAndDouble)
{
    EXPECT_TRUE(NumericEqual(Index{1}, 1.0));
    EXPECT_TRUE(NumericEqual(0.0, Index{0}));
    EXPECT_FALSE(NumericEqual(Index{1}, 1.5));
    EXPECT_FALSE(NumericEqual(Index{0}, Index{1}));
}

} // namespace
} // namespace ribi::form
