// What every binding's output box does with the handlers' writes: CR LF
// kept apart from the editor's LF, and one refresh of the screen per click.

#include "form/line_breaks.h"
#include "form/refresh_once.h"

#include <gtest/gtest.h>

namespace ribi::form {
namespace {

TEST(LineBreaks, TheEditorGetsLfAndThePupilsTextComesBackWithCrLf)
{
    EXPECT_EQ(WithLfBreaks(u"а\r\nб\rв\nг"), u"а\nб\nв\nг");
    EXPECT_EQ(WithLfBreaks(u"\r\n\r\n"), u"\n\n");
    EXPECT_EQ(WithLfBreaks(u"\r"), u"\n");
    EXPECT_EQ(WithCrLfBreaks(u"а\nб\n"), u"а\r\nб\r\n");
    EXPECT_EQ(WithCrLfBreaks(u""), u"");
    // What the handlers write comes back unchanged once it has been shown.
    const std::u16string written = u"Посочена е вид риба: сом\r\nТя е от типа: Непасажни\r\n";
    EXPECT_EQ(WithCrLfBreaks(WithLfBreaks(written)), written);
}

TEST(RefreshOnce, WritesWithinAClickReachTheScreenOnceAtItsEnd)
{
    int refreshes = 0;
    RefreshOnce refresh([&] { ++refreshes; });
    refresh.Written(); // outside a click: at once
    EXPECT_EQ(refreshes, 1);
    EXPECT_FALSE(refresh.Stale());
    {
        const RefreshOnce::Hold click(refresh);
        {
            const RefreshOnce::Hold nested(refresh); // the option's Click inside a species' click
            refresh.Written();
            refresh.Written();
        }
        EXPECT_EQ(refreshes, 1);
        EXPECT_TRUE(refresh.Stale());
        refresh.Written();
    }
    EXPECT_EQ(refreshes, 2);
    EXPECT_FALSE(refresh.Stale());
    {
        const RefreshOnce::Hold click(refresh); // a click that writes nothing
    }
    EXPECT_EQ(refreshes, 2);
}

} // namespace
} // namespace ribi::form
