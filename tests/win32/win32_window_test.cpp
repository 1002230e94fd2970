// The shared suites on the real Win32 window, and what only Win32 has:
// DPI scaling, the mouse messages of a double click, the edit's limit, a
// failing control operation, and the lifetime of its window and GDI objects.

#include "catalogue/catalogue.h"
#include "form/win32/dpi.h"
#include "tests/expected_output.h"
#include "tests/win32/win32_window.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace ribi::testing {
namespace {

using expected::Row;

RIBI_RUN_SHARED_WINDOW_SUITES(Win32, Win32Window);

TEST(Win32WindowLayout, ScalesFromTwipsWhenTheDpiChanges)
{
    Win32Window w;
    RECT suggested{};
    GetWindowRect(w.window.Handle(), &suggested);
    SendMessageW(w.window.Handle(), form::win32::kDpiChangedMessage, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(w.window.Dpi(), 144u);
    EXPECT_EQ(w.Size(kWindow).x, 704);
    EXPECT_EQ(w.Size(kWindow).y, 518);
    EXPECT_EQ(w.Bounds(OptionId(1)), (Rect{36, 120, 326, 30})); // in the frame, at (24, 60)
    EXPECT_EQ(w.Bounds(kNames), (Rect{432, 90, 242, 149}));
    EXPECT_EQ(w.FontOf(kNames).pixelHeight, 24); // 12 points at 144 dots per inch
}

// The second press of a double click on the next item is a click on that item.
TEST(Win32WindowMouse, SecondPressOfADoubleClickOnAnotherItemClicksIt)
{
    Win32Window w;
    const Point first = w.RowCentre(Row(u"сардина"));
    const form::Index next = Row(u"сафрид");
    w.DoubleClick(kNames, first, {first.x, first.y + w.RowRect(next).height});
    EXPECT_EQ(w.SelectedRow(), next);
    EXPECT_EQ(w.ListClicks(), 2);
    EXPECT_TRUE(w.OutputText().starts_with(expected::SpeciesFirstLine(u"сафрид")));
}

// The whole 217 by 20 rectangle of an option is its target, and no more.
TEST(Win32WindowMouse, AnOptionIsClickedToItsEdgesOnly)
{
    Win32Window w;
    w.Click(OptionId(0), {216, 19});
    EXPECT_EQ(w.SelectedOption(), 0);
    w.Click(OptionId(1), {217, 10}); // just outside
    EXPECT_EQ(w.SelectedOption(), 0);
    EXPECT_EQ(w.OptionClicks(), 1);
}

// A control operation that fails inside a click ends that handler, not the
// window: a type code without its option.
TEST(Win32WindowRobustness, FailingOperationStopsOnlyTheHandler)
{
    form::FormDescription broken = window::MainFormDescription();
    for (auto& control : broken.controls)
        if (control.name == u"List1" && control.index == 1) {
            control.items[static_cast<std::size_t>(Row(u"сом"))] = u"2";
        }
    Win32Window w(broken);
    w.ClickSpecies(Row(u"сом"));
    EXPECT_EQ(w.diagnostics.text, "ribi: ShowSpecies stopped: Option1(2): no such element\n");
    EXPECT_EQ(w.OutputText(), catalogue::TaskStatement());
    EXPECT_EQ(w.Guard(), selection::ClickGuard::Idle);
    w.ClickSpecies(Row(u"есетра"));
    EXPECT_TRUE(w.OutputText().starts_with(expected::SpeciesFirstLine(u"есетра")));
}

// The edit's default limit would cut a pasted page at 30 000 characters.
TEST(Win32WindowOutput, APastedPageIsKeptWhole)
{
    Win32Window w;
    std::u16string page;
    while (page.size() < 40'000) page += u"Щуката живее в тихи сладки води.\r\n";
    w.Focus(kOutput);
    SendMessageW(w.Output(), EM_SETSEL, 0, -1);
    w.Paste(page);
    EXPECT_EQ(w.OutputText().size(), page.size());
    EXPECT_TRUE(w.OutputText() == page);
    w.ClickSpecies(Row(u"сом"));
    EXPECT_TRUE(w.OutputText().starts_with(expected::SpeciesFirstLine(u"сом")));
}

// No Click reaches the handlers from a window going away: closed with a
// row pressed, the list loses the mouse, which is no release.
TEST(Win32WindowLifetime, ClosingTheWindowEndsItAndRaisesNothing)
{
    Win32Window w;
    const HWND window = w.window.Handle();
    const Point row = w.RowCentre(Row(u"сом"));
    PostMessageW(w.Names(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(row.x, row.y));
    PostMessageW(window, WM_CLOSE, 0, 0);
    w.Pump();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(w.window.Handle(), nullptr);
    EXPECT_EQ(w.ListClicks(), 0);
}

// Nor when the window goes before its form, as at the program's end.
TEST(Win32WindowLifetime, AWindowDestroyedWithARowPressedRaisesNothing)
{
    form::Form form(window::MainFormDescription());
    RecordedDiagnostics diagnostics;
    selection::Handlers handlers(form, diagnostics);
    CountingSink clicks(handlers);
    form.Connect(&clicks);
    {
        form::win32::Win32Form window(form);
        window.Show(SW_SHOWNORMAL);
        SendMessageW(window.Control(u"List1"), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
        ASSERT_TRUE(form.List1(0).Pressed());
    }
    EXPECT_EQ(clicks.listClicks, 0);
}

// Each brush and the font live as long as the form, and no longer; a
// new DPI replaces the font.
TEST(Win32WindowLifetime, BrushesAndFontsGoWithTheForm)
{
    std::vector<HGDIOBJ> owned;
    {
        form::Form form(window::MainFormDescription());
        const form::win32::Win32Form window(form);
        const HDC dc = GetDC(window.Handle());
        for (const auto& [message, name, index] : {std::tuple{WM_CTLCOLORSTATIC, u"Label1", 0},
                                                   {WM_CTLCOLORSTATIC, u"Frame1", 0},
                                                   {WM_CTLCOLORSTATIC, u"Option1", 1},
                                                   {WM_CTLCOLORLISTBOX, u"List1", 0}}) {
            const HWND control = window.Control(name, static_cast<form::Index>(index));
            owned.push_back(reinterpret_cast<HGDIOBJ>(SendMessageW(
                window.Handle(), message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control))));
            EXPECT_EQ(GetObjectType(owned.back()), static_cast<DWORD>(OBJ_BRUSH));
        }
        ReleaseDC(window.Handle(), dc);

        const auto fontOf = [&] {
            return reinterpret_cast<HGDIOBJ>(SendMessageW(window.Control(u"Text1"), WM_GETFONT, 0, 0));
        };
        const HGDIOBJ first = fontOf();
        RECT suggested{};
        GetWindowRect(window.Handle(), &suggested);
        SendMessageW(window.Handle(), form::win32::kDpiChangedMessage, MAKEWPARAM(120, 120),
                     reinterpret_cast<LPARAM>(&suggested));
        EXPECT_EQ(GetObjectType(first), 0u) << "the font for the old DPI is freed";
        owned.push_back(fontOf());
        EXPECT_EQ(GetObjectType(owned.back()), static_cast<DWORD>(OBJ_FONT));
    }
    for (const HGDIOBJ object : owned) EXPECT_EQ(GetObjectType(object), 0u);
}

} // namespace
} // namespace ribi::testing
