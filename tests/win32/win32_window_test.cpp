// The shared suites on the real Win32 window, and what only Win32 has:
// DPI scaling, the mouse messages of a double click, the edit's limit, the
// lifetime of its window and GDI objects, and what Microsoft Active
// Accessibility clients (screen readers) read of each control.

#include "form/win32/dpi.h"
#include "tests/expected_output.h"
#include "tests/win32/win32_window.h"

#include <ole2.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace ribi::testing {
namespace {

using expected::Row;

RIBI_RUN_SHARED_WINDOW_SUITES(Win32, Win32Window);

// At a new DPI the layout and the font scale from twips, and the font for
// the old one is freed; each brush and the font live as long as the form,
// and no longer.
TEST(Win32WindowGdi, ScalesFromTwipsWhenTheDpiChangesAndFreesWhatItDrawsWith)
{
    std::vector<HGDIOBJ> owned;
    {
        Win32Window w;
        const HDC dc = GetDC(w.window.Handle());
        for (const auto& [message, name] : {std::pair{WM_CTLCOLORSTATIC, u"Label1"}, {WM_CTLCOLORLISTBOX, u"List1"}}) {
            owned.push_back(reinterpret_cast<HGDIOBJ>(SendMessageW(
                w.window.Handle(), message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(w.Control(name)))));
            EXPECT_EQ(GetObjectType(owned.back()), static_cast<DWORD>(OBJ_BRUSH));
        }
        ReleaseDC(w.window.Handle(), dc);

        const auto font = [&] { return reinterpret_cast<HGDIOBJ>(SendMessageW(w.Output(), WM_GETFONT, 0, 0)); };
        const HGDIOBJ first = font();
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
        EXPECT_EQ(GetObjectType(first), 0u) << "the font for the old DPI is freed";
        owned.push_back(font());
        EXPECT_EQ(GetObjectType(owned.back()), static_cast<DWORD>(OBJ_FONT));
    }
    for (const HGDIOBJ object : owned) EXPECT_EQ(GetObjectType(object), 0u);
}

// The mouse as the system delivers it: an option's target is its whole
// 217 by 20 rectangle, and the second press of a double click on the next
// item is a click on that item.
TEST(Win32WindowMouse, AnOptionToItsCornerAndADoubleClicksSecondPressOnAnotherItem)
{
    Win32Window w;
    w.Click(OptionId(0), {216, 19});
    EXPECT_EQ(w.SelectedOption(), 0);
    const Point first = w.RowCentre(Row(u"сардина"));
    const form::Index next = Row(u"сафрид");
    w.DoubleClick(kNames, first, {first.x, first.y + w.RowRect(next).height});
    EXPECT_EQ(w.SelectedRow(), next);
    EXPECT_EQ(w.ListClicks(), 2);
    EXPECT_TRUE(w.OutputText().starts_with(expected::SpeciesFirstLine(u"сафрид")));
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
}

// No Click reaches the handlers from a window going away with a row
// pressed, closed or destroyed before its form as at the program's end:
// the list loses the mouse, which is no release.
TEST(Win32WindowLifetime, AWindowGoingAwayWithARowPressedRaisesNothing)
{
    form::Form form(window::MainFormDescription());
    RecordedDiagnostics diagnostics;
    selection::Handlers handlers(form, diagnostics);
    CountingSink clicks(handlers);
    form.Connect(&clicks);
    for (const bool closed : {true, false}) {
        form::win32::Win32Form window(form);
        window.Show(SW_SHOWNORMAL);
        const HWND handle = window.Handle();
        SendMessageW(window.Control(u"List1"), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
        ASSERT_TRUE(form.List1(0).Pressed());
        if (closed) {
            SendMessageW(handle, WM_CLOSE, 0, 0);
            EXPECT_FALSE(IsWindow(handle));
            EXPECT_EQ(window.Handle(), nullptr);
        }
    }
    EXPECT_EQ(clicks.listClicks, 0);
}

struct ComApartment {
    ComApartment() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~ComApartment() { CoUninitialize(); }
};

// A control's name and role as a client reads them.
std::pair<std::u16string, long> Accessible(HWND control)
{
    std::pair<std::u16string, long> read;
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&object))))
        return read;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    if (object->get_accName(self, &name) == S_OK && name) {
        read.first.assign(reinterpret_cast<const char16_t*>(name), SysStringLen(name));
        SysFreeString(name);
    }
    VARIANT role{};
    if (SUCCEEDED(object->get_accRole(self, &role)) && role.vt == VT_I4) read.second = role.lVal;
    object->Release();
    return read;
}

// In ControlKind's order: text box, label, frame, option button, list box.
constexpr long kRoles[] = {ROLE_SYSTEM_TEXT, ROLE_SYSTEM_STATICTEXT, ROLE_SYSTEM_GROUPING, ROLE_SYSTEM_RADIOBUTTON,
                           ROLE_SYSTEM_LIST};

// That the output box tells them of each new output is a shared rule
// (window_behaviour.cpp).
TEST(Win32Accessibility, EveryVisibleControlHasItsNameAndRole)
{
    const ComApartment com;
    Win32Window w;
    // Wine's standard accessible objects know the role of an edit only; the
    // others are "client" there, where Windows gives each its own.
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    const bool underWine = ntdll && GetProcAddress(ntdll, "wine_get_version");
    for (const auto& control : window::MainFormDescription().controls) {
        if (!control.visible) continue;
        const auto [name, role] = Accessible(w.Control(control.name, control.index));
        const std::string which = Narrow({control.name, control.index});
        EXPECT_TRUE(name == control.accessibleName) << which;
        if (underWine && control.kind != form::ControlKind::TextBox)
            EXPECT_EQ(role, ROLE_SYSTEM_CLIENT) << which;
        else
            EXPECT_EQ(role, kRoles[static_cast<std::size_t>(control.kind)]) << which;
    }
    // Clients that name a list box from the label before it in z-order find it there too.
    EXPECT_EQ(GetWindow(w.Names(), GW_HWNDPREV), w.Control(u"Label1", 1));
}

} // namespace
} // namespace ribi::testing
