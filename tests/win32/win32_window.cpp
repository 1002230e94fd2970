#include "tests/win32/win32_window.h"

#include "form/win32/message_loop.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <vector>

namespace ribi::testing {
namespace {

// In Key's order; Shift+Tab is Tab with Shift held.
constexpr std::array<WORD, kKeyCount> kVirtualKeys{
    VK_TAB,   VK_TAB,    VK_UP,   VK_DOWN,   VK_LEFT,   VK_RIGHT, VK_HOME, VK_END, VK_PRIOR, VK_NEXT,
    VK_SPACE, VK_RETURN, VK_BACK, VK_DELETE, VK_ESCAPE, 'A',      'C',     'V',    'X',      'Z',
};

// The output box's property that names the window watching it, since a
// hook procedure has nothing else to find it by.
constexpr wchar_t kWatcher[] = L"ribi.test.watch";

// Pressed and released, as the keyboard posts them.
void PostKey(HWND target, WORD key)
{
    const LPARAM data = 1 | (static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16);
    PostMessageW(target, WM_KEYDOWN, key, data);
    PostMessageW(target, WM_KEYUP, key, data | (LPARAM{3} << 30));
}

// What GetKeyState reports while a key message is handled.
void HoldModifiers(bool shift, bool control)
{
    std::array<BYTE, 256> keys{};
    GetKeyboardState(keys.data());
    keys[VK_SHIFT] = keys[VK_LSHIFT] = shift ? 0x80 : 0;
    keys[VK_CONTROL] = keys[VK_LCONTROL] = control ? 0x80 : 0;
    SetKeyboardState(keys.data());
}

} // namespace

// What the tests see of the window besides its controls' state, by two
// hooks on this thread. The messages sent: a right click in the output box
// opens the edit's own menu, whose loop waits for the user (once it is
// idle, the hook closes it with Escape), and each WM_SETTEXT to the edit
// is a new text on the screen. The accessibility events: what screen
// readers are told of the edit. One window is watched at a time.
Win32Window::Win32Window(const form::FormDescription& description)
    : HandledWindow(description), sentHook_(SetWindowsHookExW(WH_CALLWNDPROC, &Sent, nullptr, GetCurrentThreadId())),
      toldHook_(SetWinEventHook(EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, &Told,
                                GetCurrentProcessId(), GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT)),
      window(runtime)
{
    EXPECT_NE(sentHook_, nullptr) << "a right click in the output box would wait for ever";
    EXPECT_NE(toldHook_, nullptr);
    SetPropW(Output(), kWatcher, this);
    window.Show(SW_SHOWNORMAL);
    Pump();
}

Win32Window::~Win32Window()
{
    if (IsWindow(Output())) RemovePropW(Output(), kWatcher);
    if (toldHook_) UnhookWinEvent(toldHook_);
    if (sentHook_) UnhookWindowsHookEx(sentHook_);
}

LRESULT CALLBACK Win32Window::Sent(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == WM_ENTERIDLE && sent->wParam == MSGF_MENU) PostKey(sent->hwnd, VK_ESCAPE);
    if (code == HC_ACTION && sent->message == WM_SETTEXT)
        if (auto* watcher = static_cast<Win32Window*>(GetPropW(sent->hwnd, kWatcher))) ++watcher->shows_;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK Win32Window::Told(HWINEVENTHOOK, DWORD, HWND control, LONG object, LONG child, DWORD, DWORD)
{
    if (object != OBJID_CLIENT || child != CHILDID_SELF) return;
    if (auto* watcher = static_cast<Win32Window*>(GetPropW(control, kWatcher))) ++watcher->told_;
}

// Every message queued now, handed on as the program's loop would, without
// waiting for more (nothing here posts WM_QUIT).
void Win32Window::Pump()
{
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        form::win32::DispatchThroughDialogManager(window.Handle(), message);
}

void Win32Window::Post(ControlId control, Point from, Point to, Messages atFrom, Messages atTo)
{
    const auto [target, start] = Target(control, from);
    const POINT end{start.x + to.x - from.x, start.y + to.y - from.y};
    for (const auto& [message, buttons] : atFrom) PostMessageW(target, message, buttons, MAKELPARAM(start.x, start.y));
    for (const auto& [message, buttons] : atTo) PostMessageW(target, message, buttons, MAKELPARAM(end.x, end.y));
    Pump();
}

void Win32Window::Click(ControlId control, Point at, Button button)
{
    const bool left = button == Button::Left;
    Post(control, at, at,
         {{WM_MOUSEMOVE, 0},
          {left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, left ? MK_LBUTTON : MK_RBUTTON},
          {left ? WM_LBUTTONUP : WM_RBUTTONUP, 0}});
}

// The system's double click: press, release, then a second press that
// arrives as WM_LBUTTONDBLCLK, and its release.
void Win32Window::DoubleClick(ControlId control, Point first, Point second)
{
    Post(control, first, second, {{WM_LBUTTONDOWN, MK_LBUTTON}, {WM_LBUTTONUP, 0}},
         {{WM_LBUTTONDBLCLK, MK_LBUTTON}, {WM_LBUTTONUP, 0}});
}

void Win32Window::Drag(ControlId control, Point from, Point to)
{
    Post(control, from, to, {{WM_LBUTTONDOWN, MK_LBUTTON}}, {{WM_MOUSEMOVE, MK_LBUTTON}, {WM_LBUTTONUP, 0}});
}

void Win32Window::Press(Key key, Modifier held)
{
    HoldModifiers(key == Key::ShiftTab || held == Modifier::Shift, held == Modifier::Control);
    PostKey(GetFocus(), kVirtualKeys[static_cast<std::size_t>(key)]);
    Pump();
    HoldModifiers(false, false);
}

std::u16string Win32Window::Focused()
{
    const ControlId control = IdOf(GetFocus());
    return control.name.empty() ? std::u16string() : ControlName(control);
}

Rect Win32Window::RowRect(form::Index row)
{
    RECT client{};
    GetClientRect(Names(), &client);
    RECT item{};
    SendMessageW(Names(), LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    if (item.top < 0 || item.bottom > client.bottom) {
        SendMessageW(Names(), LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
        SendMessageW(Names(), LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
    return {item.left, item.top, item.right - item.left, item.bottom - item.top};
}

Point Win32Window::Size(ControlId control)
{
    RECT client{};
    GetClientRect(Handle(control), &client);
    return {client.right, client.bottom};
}

Rect Win32Window::Bounds(ControlId control)
{
    RECT r{};
    GetWindowRect(Handle(control), &r);
    MapWindowPoints(HWND_DESKTOP, window.Handle(), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

std::vector<std::u16string> Win32Window::Items(ControlId list)
{
    const HWND handle = Handle(list);
    std::vector<std::u16string> items;
    for (WPARAM row = 0; row < static_cast<WPARAM>(SendMessageW(handle, LB_GETCOUNT, 0, 0)); ++row) {
        std::wstring text(static_cast<std::size_t>(SendMessageW(handle, LB_GETTEXTLEN, row, 0)) + 1, L'\0');
        text.resize(
            static_cast<std::size_t>(SendMessageW(handle, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()))));
        items.push_back(form::win32::FromWide(text));
    }
    return items;
}

Rgb Win32Window::Pixel(ControlId control, Point at)
{
    const HWND handle = Handle(control);
    RedrawWindow(handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const HDC dc = GetDC(handle);
    const COLORREF colour = GetPixel(dc, at.x, at.y);
    ReleaseDC(handle, dc);
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

Font Win32Window::FontOf(ControlId control)
{
    LOGFONTW font{};
    const auto handle = reinterpret_cast<HFONT>(SendMessageW(Handle(control), WM_GETFONT, 0, 0));
    if (!handle || GetObjectW(handle, sizeof font, &font) != static_cast<int>(sizeof font)) return {};
    return {form::win32::FromWide(font.lfFaceName), -font.lfHeight, static_cast<int>(font.lfWeight), font.lfCharSet,
            !font.lfItalic && !font.lfUnderline && !font.lfStrikeOut};
}

TextSelection Win32Window::OutputSelection()
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(Output(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}

std::vector<std::u16string> Win32Window::OutputRows()
{
    const std::u16string text = form::win32::WindowText(Output());
    std::vector<std::u16string> rows;
    const auto count = static_cast<WPARAM>(SendMessageW(Output(), EM_GETLINECOUNT, 0, 0));
    for (WPARAM line = 0; line < count; ++line) {
        const auto start = static_cast<std::size_t>(SendMessageW(Output(), EM_LINEINDEX, line, 0));
        const auto length = static_cast<std::size_t>(SendMessageW(Output(), EM_LINELENGTH, start, 0));
        rows.push_back(text.substr(start, length));
    }
    return rows;
}

// The edit wraps its lines again as it is resized.
bool Win32Window::NarrowOutput(int width)
{
    SetWindowPos(Output(), nullptr, 0, 0, width, Bounds(kOutput).height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pump();
    return true;
}

std::u16string Win32Window::ClipboardText()
{
    std::u16string text;
    if (!OpenClipboard(window.Handle())) return text;
    const HANDLE memory = GetClipboardData(CF_UNICODETEXT);
    if (const auto* held = memory ? static_cast<const char16_t*>(GlobalLock(memory)) : nullptr) {
        text = held;
        GlobalUnlock(memory);
    }
    CloseClipboard();
    return text;
}

bool Win32Window::OutputOverflows()
{
    SCROLLINFO scroll{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(Output(), SB_VERT, &scroll);
    return scroll.nMax - static_cast<int>(scroll.nPage) + 1 > 0;
}

// A WM_CHAR for each code unit.
void Win32Window::TypeCharacters(std::u16string_view text)
{
    const HWND focused = GetFocus();
    for (const char16_t unit : text) PostMessageW(focused, WM_CHAR, static_cast<wchar_t>(unit), 1);
    Pump();
}

void Win32Window::PutOnClipboard(std::u16string_view text)
{
    const std::size_t bytes = text.size() * sizeof(char16_t);
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes + sizeof(char16_t));
    ASSERT_NE(memory, nullptr);
    std::memcpy(GlobalLock(memory), text.data(), bytes);
    GlobalUnlock(memory);
    ASSERT_TRUE(OpenClipboard(window.Handle()));
    EmptyClipboard();
    if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory); // otherwise the system owns it
    CloseClipboard();
}

// As the system finds it: the deepest control there, less those that let
// the mouse through (labels, the frame's border).
std::pair<HWND, POINT> Win32Window::Target(ControlId control, Point at) const
{
    POINT point{at.x, at.y};
    if (!control.name.empty()) return {Handle(control), point};
    std::vector<HWND> chain{window.Handle()};
    POINT local = point;
    for (;;) {
        const HWND child = ChildWindowFromPointEx(chain.back(), local, CWP_SKIPINVISIBLE);
        if (!child || child == chain.back()) break;
        MapWindowPoints(chain.back(), child, &local, 1);
        chain.push_back(child);
    }
    POINT screen = point;
    ClientToScreen(window.Handle(), &screen);
    while (chain.size() > 1 &&
           SendMessageW(chain.back(), WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y)) == HTTRANSPARENT)
        chain.pop_back();
    MapWindowPoints(window.Handle(), chain.back(), &point, 1);
    return {chain.back(), point};
}

} // namespace ribi::testing
