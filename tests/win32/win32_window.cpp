#include "tests/win32/win32_window.h"

#include "form/win32/message_loop.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <vector>

namespace ribi::testing {
namespace {

LPARAM At(POINT point)
{
    return MAKELPARAM(point.x, point.y);
}

LPARAM KeyData(WORD key, bool release)
{
    const auto scanCode = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    LPARAM data = 1 | (scanCode << 16);
    if (release) data |= (LPARAM{1} << 30) | (LPARAM{1} << 31);
    return data;
}

// What GetKeyState reports while a key message is handled.
class HeldModifiers {
public:
    HeldModifiers(bool shift, bool control) : held_(shift || control)
    {
        if (!held_) return;
        GetKeyboardState(saved_.data());
        auto pressed = saved_;
        if (shift) pressed[VK_SHIFT] = pressed[VK_LSHIFT] = 0x80;
        if (control) pressed[VK_CONTROL] = pressed[VK_LCONTROL] = 0x80;
        SetKeyboardState(pressed.data());
    }
    ~HeldModifiers()
    {
        if (held_) SetKeyboardState(saved_.data());
    }
    HeldModifiers(const HeldModifiers&) = delete;
    HeldModifiers& operator=(const HeldModifiers&) = delete;

private:
    bool held_;
    std::array<BYTE, 256> saved_{};
};

} // namespace

Win32Window::Win32Window(const form::FormDescription& description)
    : form(description), handlers(form, diagnostics), clicks(handlers)
{
    form.Connect(clicks);
    form.Show(SW_SHOWNORMAL);
    Pump();
}

void Win32Window::Pump()
{
    form::win32::DeliverQueued(form.Handle());
}

POINT Win32Window::ItemCentre(int row) const
{
    RECT client{};
    GetClientRect(Names(), &client);
    RECT item{};
    SendMessageW(Names(), LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    if (item.top < 0 || item.bottom > client.bottom) {
        SendMessageW(Names(), LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
        SendMessageW(Names(), LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
    return {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
}

void Win32Window::Click(HWND control, POINT at, Button button)
{
    const bool left = button == Button::Left;
    PostMessageW(control, WM_MOUSEMOVE, 0, At(at));
    PostMessageW(control, left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, left ? MK_LBUTTON : MK_RBUTTON, At(at));
    PostMessageW(control, left ? WM_LBUTTONUP : WM_RBUTTONUP, 0, At(at));
    Pump();
}

// The system's double click: press, release, then a second press that
// arrives as WM_LBUTTONDBLCLK, and its release.
void Win32Window::DoubleClick(HWND control, POINT first, POINT second)
{
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, At(first));
    PostMessageW(control, WM_LBUTTONUP, 0, At(first));
    PostMessageW(control, WM_LBUTTONDBLCLK, MK_LBUTTON, At(second));
    PostMessageW(control, WM_LBUTTONUP, 0, At(second));
    Pump();
}

void Win32Window::Drag(HWND control, POINT from, POINT to)
{
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, At(from));
    PostMessageW(control, WM_MOUSEMOVE, MK_LBUTTON, At(to));
    PostMessageW(control, WM_LBUTTONUP, 0, At(to));
    Pump();
}

void Win32Window::ClickOption(form::Index index, Button button)
{
    RECT client{};
    GetClientRect(Option(index), &client);
    const Point at = OptionClickPoint({client.right, client.bottom});
    Click(Option(index), {at.x, at.y}, button);
}

void Win32Window::Paste(const std::u16string& text)
{
    const std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    ASSERT_NE(memory, nullptr);
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    ASSERT_TRUE(OpenClipboard(form.Handle()));
    EmptyClipboard();
    if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory); // otherwise the system owns it
    CloseClipboard();
    Key('V', false, true);
}

void Win32Window::Key(WORD key, bool shift, bool control)
{
    const HeldModifiers held(shift, control);
    const HWND focused = GetFocus();
    PostMessageW(focused, WM_KEYDOWN, key, KeyData(key, false));
    PostMessageW(focused, WM_KEYUP, key, KeyData(key, true));
    Pump();
}

void Win32Window::TypeIntoOutput(std::u16string_view text)
{
    const HWND box = Output();
    SetFocus(box);
    const auto end = static_cast<WPARAM>(GetWindowTextLengthW(box));
    SendMessageW(box, EM_SETSEL, end, static_cast<LPARAM>(end));
    Type(text);
}

void Win32Window::Type(std::u16string_view text)
{
    const HWND focused = GetFocus();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') continue;
        // Enter reaches the edit as the character CR, after its key went through the loop.
        const wchar_t typed = text[i] == u'\n' ? L'\r' : static_cast<wchar_t>(text[i]);
        PostMessageW(focused, WM_CHAR, typed, 1);
    }
    Pump();
}

// As the system finds it: the deepest control there, less those that let
// the mouse through (labels, the frame's border).
HWND Win32Window::ControlAt(POINT at) const
{
    std::vector<HWND> chain{form.Handle()};
    POINT local = at;
    for (;;) {
        const HWND child = ChildWindowFromPointEx(chain.back(), local, CWP_SKIPINVISIBLE);
        if (!child || child == chain.back()) break;
        MapWindowPoints(chain.back(), child, &local, 1);
        chain.push_back(child);
    }
    POINT screen = at;
    ClientToScreen(form.Handle(), &screen);
    while (chain.size() > 1 &&
           SendMessageW(chain.back(), WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y)) == HTTRANSPARENT)
        chain.pop_back();
    return chain.back();
}

} // namespace ribi::testing
