// The output box's CR LF kept apart from the editors' LF.

#include "form/line_breaks.h"

#include <gtest/gtest.h>

namespace ribi::form {
namespace {

TEST(LineBreaks, TheEditorGetsLfAndThePupilsTextComesBackWithCrLf)
{
    EXPECT_EQ(WithLfBreaks(u"а\r\nб\rв\nг\r"), u"а\nб\nв\nг\n"); // a lone CR at the end too
    EXPECT_EQ(WithLfBreaks(u"\r\n\r\n"), u"\n\n");
    EXPECT_EQ(WithCrLfBreaks(u"а\nб\n"), u"а\r\nб\r\n");
    // What the handlers write comes back unchanged once it has been shown.
    const std::u16string written = u"Посочена е вид риба: сом\r\nТя е от типа: Непасажни\r\n";
    EXPECT_EQ(WithCrLfBreaks(WithLfBreaks(written)), written);
}

} // namespace
} // namespace ribi::form
