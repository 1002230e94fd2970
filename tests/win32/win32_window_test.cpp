// What only the Win32 window has to show: pixels, DPI, styles, fonts and
// messages. The rules it shares with every window are in
// window_behaviour.cpp.

#include "catalogue/catalogue.h"
#include "form/control_error.h"
#include "form/win32/dpi.h"
#include "form/win32/win32_text.h"
#include "tests/expected_look.h"
#include "tests/expected_output.h"
#include "tests/win32/win32_window.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace ribi::testing {
namespace {

using form::win32::FromWide;
using form::win32::WindowText;

using look::Rect;

// Where a control is in its parent's client area.
Rect Placement(HWND control)
{
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

Rect ClientSize(HWND window)
{
    RECT r{};
    GetClientRect(window, &r);
    return {0, 0, r.right, r.bottom};
}

LONG_PTR Style(HWND control)
{
    return GetWindowLongPtrW(control, GWL_STYLE);
}

std::u16string Item(HWND list, int row)
{
    std::wstring text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, row, 0)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()))));
    return FromWide(text);
}

COLORREF Pixel(HWND control, int x, int y)
{
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const HDC dc = GetDC(control);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(control, dc);
    return colour;
}

TEST(Win32WindowLayout, FixedClientAreaAndEveryControlAtItsPlace)
{
    Win32Window w;
    EXPECT_EQ(ClientSize(w.form.Handle()), look::kClientArea);
    EXPECT_EQ(Style(w.form.Handle()) & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
    EXPECT_EQ(WindowText(w.form.Handle()), look::kTitle);

    for (const auto& [control, rect] : look::kPlaces) {
        const HWND handle = w.Control(control.name, control.index);
        const std::u16string name = ControlName(control);
        ASSERT_NE(handle, nullptr) << std::string(name.begin(), name.end());
        EXPECT_EQ(Placement(handle), rect) << std::string(name.begin(), name.end());
        EXPECT_TRUE(IsWindowVisible(handle));
    }
    EXPECT_EQ(GetParent(w.Option(0)), w.Control(u"Frame1"));
    EXPECT_EQ(GetParent(w.Option(1)), w.Control(u"Frame1"));
    const Rect label = Placement(w.Control(u"Label1", 1));
    EXPECT_EQ(label.top + label.height, Placement(w.Names()).top); // the label sits on the list
}

TEST(Win32WindowLayout, ScalesFromTwipsWhenTheDpiChanges)
{
    Win32Window w;
    RECT suggested{};
    GetWindowRect(w.form.Handle(), &suggested);
    SendMessageW(w.form.Handle(), form::win32::kDpiChangedMessage, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(w.form.Dpi(), 144u);
    EXPECT_EQ(ClientSize(w.form.Handle()), (Rect{0, 0, 704, 518}));
    EXPECT_EQ(Placement(w.Option(1)), (Rect{12, 60, 326, 30}));
    EXPECT_EQ(Placement(w.Names()), (Rect{432, 90, 242, 149}));
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(w.Names(), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -24); // 12 points at 144 dots per inch
}

TEST(Win32WindowLayout, HiddenListsHoldTheCatalogueAndCannotBeReached)
{
    Win32Window w;
    const auto& rows = catalogue::AllSpecies();
    for (const form::Index list : {form::Index{1}, form::Index{2}}) {
        const HWND hidden = w.Control(u"List1", list);
        EXPECT_FALSE(IsWindowVisible(hidden));
        EXPECT_FALSE(Style(hidden) & WS_TABSTOP);
        ASSERT_EQ(SendMessageW(hidden, LB_GETCOUNT, 0, 0), 18);
    }
    ASSERT_EQ(SendMessageW(w.Names(), LB_GETCOUNT, 0, 0), 18);
    for (int p = 0; p < 18; ++p) {
        const auto at = static_cast<std::size_t>(p);
        EXPECT_EQ(Item(w.Names(), p), rows[at].name); // stored order, not sorted
        EXPECT_EQ(Item(w.Control(u"List1", 1), p), rows[at].typeCode);
        EXPECT_EQ(Item(w.Control(u"List1", 2), p), rows[at].description);
    }
}

TEST(Win32WindowLook, BackgroundsAreTheirColoursToTheUnit)
{
    Win32Window w;
    const auto colorref = [](look::Rgb rgb) {
        return RGB(static_cast<BYTE>(rgb.red), static_cast<BYTE>(rgb.green), static_cast<BYTE>(rgb.blue));
    };
    for (const auto& [what, control, at, colour] : look::kBackgrounds) {
        const HWND handle = w.Control(control.name, control.index);
        EXPECT_EQ(Pixel(handle, at.x, at.y), colorref(colour)) << what;
    }
    RECT inside{};
    GetClientRect(w.Names(), &inside);
    w.ClickItem(expected::Row(u"есетра")); // the selected item has the system's colour, the rest the list's
    EXPECT_EQ(Pixel(w.Names(), inside.right - 4, inside.bottom - 4), colorref(look::kNamesColour)) << "names list";
}

TEST(Win32WindowLook, EveryControlUsesTheWindowFont)
{
    Win32Window w;
    for (const auto& control : window::MainFormDescription().controls) {
        const auto font =
            reinterpret_cast<HFONT>(SendMessageW(w.Control(control.name, control.index), WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr);
        LOGFONTW logical{};
        ASSERT_EQ(GetObjectW(font, sizeof logical, &logical), static_cast<int>(sizeof logical));
        EXPECT_EQ(std::wstring(logical.lfFaceName), L"Times New Roman");
        EXPECT_EQ(logical.lfHeight, -16); // 12 points at 96 dots per inch
        EXPECT_EQ(logical.lfWeight, 400);
        EXPECT_EQ(logical.lfCharSet, RUSSIAN_CHARSET);
        EXPECT_FALSE(logical.lfItalic || logical.lfUnderline || logical.lfStrikeOut);
    }
}

// A screen reader names a control from its own text, or a list box from
// the label just before it in z-order.
TEST(Win32WindowLook, ScreenReaderNamesEveryControl)
{
    Win32Window w;
    const HWND before = GetWindow(w.Names(), GW_HWNDPREV);
    EXPECT_EQ(before, w.Control(u"Label1", 1));
    EXPECT_EQ(WindowText(before), u"Име на риба");
    EXPECT_EQ(WindowText(w.Control(u"Frame1")), u"Тип риби");
    EXPECT_EQ(WindowText(w.Option(0)), u"Непасажни");
    EXPECT_EQ(WindowText(w.Option(1)), u"Пасажни");
}

TEST(Win32WindowFirstView, TaskStatementFromTheTopWithTheCaretAtItsStart)
{
    Win32Window w;
    DWORD start = 1;
    DWORD end = 1;
    SendMessageW(w.Output(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u); // caret at the start, nothing selected
    EXPECT_EQ(end, 0u);
    EXPECT_EQ(SendMessageW(w.Output(), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
}

// The window is no dialog: Escape and Enter in the output box are keys of the box.
TEST(Win32WindowKeyboard, EscapeAndEnterStayInTheOutputBox)
{
    Win32Window w;
    w.TypeIntoOutput(u"x");
    w.Key(VK_ESCAPE);
    EXPECT_TRUE(IsWindow(w.form.Handle()));
    w.Key(VK_RETURN);
    EXPECT_TRUE(w.Shown().ends_with(u"x\r\n"));
    EXPECT_EQ(GetFocus(), w.Output());
}

// The second press of a double click on the next item is a click on that item.
TEST(Win32WindowMouse, SecondPressOfADoubleClickOnAnotherItemClicksIt)
{
    Win32Window w;
    const POINT first = w.ItemCentre(expected::Row(u"сардина"));
    const form::Index next = expected::Row(u"сафрид");
    RECT item{};
    SendMessageW(w.Names(), LB_GETITEMRECT, static_cast<WPARAM>(next), reinterpret_cast<LPARAM>(&item));
    w.DoubleClick(w.Names(), first, {first.x, first.y + (item.bottom - item.top)});
    EXPECT_EQ(w.Selected(), next);
    EXPECT_EQ(w.clicks.listClicks, 2);
    EXPECT_TRUE(w.Shown().starts_with(expected::SpeciesFirstLine(u"сафрид")));
}

// A drag is one Click, raised when the button comes up on the row it ends on.
TEST(Win32WindowMouse, ADragIsOneClickWhereItEnds)
{
    Win32Window w;
    w.Drag(w.Names(), w.ItemCentre(expected::Row(u"есетра")), w.ItemCentre(expected::Row(u"костур")));
    EXPECT_EQ(w.Selected(), expected::Row(u"костур"));
    EXPECT_EQ(w.clicks.listClicks, 1);
}

// The whole 217 by 20 rectangle of an option is its target, and no more.
TEST(Win32WindowMouse, AnOptionIsClickedToItsEdgesOnly)
{
    Win32Window w;
    w.Click(w.Option(0), {216, 19});
    EXPECT_TRUE(w.Checked(0));
    w.Click(w.Option(1), {217, 10}); // just outside
    EXPECT_TRUE(w.Checked(0));
    EXPECT_EQ(w.clicks.optionClicks, 1);
}

TEST(Win32WindowOutput, KeepsCrLfAndShowsEachOutputFromItsTop)
{
    Win32Window w;
    w.ClickOption(1);
    SCROLLINFO scroll{};
    scroll.cbSize = sizeof scroll;
    scroll.fMask = SIF_ALL;
    GetScrollInfo(w.Output(), SB_VERT, &scroll);
    EXPECT_GT(scroll.nMax - static_cast<int>(scroll.nPage) + 1, 0); // twelve lines do not fit
    SendMessageW(w.Output(), WM_VSCROLL, SB_BOTTOM, 0);
    ASSERT_GT(SendMessageW(w.Output(), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    w.ClickOption(0);
    EXPECT_EQ(SendMessageW(w.Output(), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    DWORD start = 1;
    SendMessageW(w.Output(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    EXPECT_EQ(start, 0u);

    w.ClickItem(expected::Row(u"сом")); // three lines of text, the description wrapped at the box's width
    EXPECT_GT(SendMessageW(w.Output(), EM_GETLINECOUNT, 0, 0), 4);
    w.ClickOption(0);
    w.TypeIntoOutput(u"\r\nбележка");
    EXPECT_TRUE(w.Shown().ends_with(u"щука\r\n\r\nбележка")); // typed Enter reads back as CR LF
}

// A control operation that fails inside a click ends that handler, not the
// window: a type code without its option.
TEST(Win32WindowRobustness, FailingOperationStopsOnlyTheHandler)
{
    form::FormDescription broken = window::MainFormDescription();
    for (auto& control : broken.controls)
        if (control.name == u"List1" && control.index == 1) {
            control.items[static_cast<std::size_t>(expected::Row(u"сом"))] = u"2";
        }
    Win32Window w(broken);
    w.ClickItem(expected::Row(u"сом"));
    EXPECT_EQ(w.diagnostics.text, "ribi: ShowSpecies stopped: Option1(2): no such element\n");
    EXPECT_EQ(w.Shown(), catalogue::TaskStatement());
    EXPECT_EQ(w.handlers.Guard(), selection::ClickGuard::Idle);
    w.ClickItem(expected::Row(u"есетра"));
    EXPECT_TRUE(w.Shown().starts_with(expected::SpeciesFirstLine(u"есетра")));

    EXPECT_THROW(w.form.Option1(2), form::ControlError);
    EXPECT_THROW(w.form.List1(0).List(18), form::ControlError);
}

// The edit's default limit would cut a pasted page at 30 000 characters.
TEST(Win32WindowOutput, APastedPageIsKeptWhole)
{
    Win32Window w;
    std::u16string page;
    while (page.size() < 40'000) page += u"Щуката живее в тихи сладки води.\r\n";
    SetFocus(w.Output());
    SendMessageW(w.Output(), EM_SETSEL, 0, -1);
    w.Paste(page);
    EXPECT_EQ(w.Shown().size(), page.size());
    EXPECT_TRUE(w.Shown() == page);
    w.ClickItem(expected::Row(u"сом"));
    EXPECT_TRUE(w.Shown().starts_with(expected::SpeciesFirstLine(u"сом")));
}

TEST(Win32WindowLifetime, ClosingTheWindowEndsItAndTheFormOutlivesIt)
{
    Win32Window w;
    const HWND window = w.form.Handle();
    PostMessageW(window, WM_CLOSE, 0, 0);
    w.Pump();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(w.form.Handle(), nullptr);
}

// Each brush and the font live as long as the form, and no longer; a
// new DPI replaces the font.
TEST(Win32WindowLifetime, BrushesAndFontsGoWithTheForm)
{
    std::vector<HGDIOBJ> owned;
    {
        form::win32::Win32Form form(window::MainFormDescription());
        const HDC dc = GetDC(form.Handle());
        for (const auto& [message, name, index] : {std::tuple{WM_CTLCOLORSTATIC, u"Label1", 0},
                                                   {WM_CTLCOLORSTATIC, u"Frame1", 0},
                                                   {WM_CTLCOLORSTATIC, u"Option1", 1},
                                                   {WM_CTLCOLORLISTBOX, u"List1", 0}}) {
            const HWND control = form.Control(name, static_cast<form::Index>(index));
            owned.push_back(reinterpret_cast<HGDIOBJ>(
                SendMessageW(form.Handle(), message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control))));
            EXPECT_EQ(GetObjectType(owned.back()), static_cast<DWORD>(OBJ_BRUSH));
        }
        ReleaseDC(form.Handle(), dc);

        const auto fontOf = [&] {
            return reinterpret_cast<HGDIOBJ>(SendMessageW(form.Control(u"Text1"), WM_GETFONT, 0, 0));
        };
        const HGDIOBJ first = fontOf();
        RECT suggested{};
        GetWindowRect(form.Handle(), &suggested);
        SendMessageW(form.Handle(), form::win32::kDpiChangedMessage, MAKEWPARAM(120, 120),
                     reinterpret_cast<LPARAM>(&suggested));
        EXPECT_EQ(GetObjectType(first), 0u) << "the font for the old DPI is freed";
        owned.push_back(fontOf());
        EXPECT_EQ(GetObjectType(owned.back()), static_cast<DWORD>(OBJ_FONT));
    }
    for (const HGDIOBJ object : owned) EXPECT_EQ(GetObjectType(object), 0u);
}

} // namespace
} // namespace ribi::testing
