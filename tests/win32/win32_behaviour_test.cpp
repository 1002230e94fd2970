// The shared behaviour tests, driven through the real Win32 window by mouse
// and key messages.

#include "tests/win32/win32_window.h"
#include "tests/window_driver.h"

#include <utility>

namespace ribi::testing {
namespace {

WORD VirtualKey(Key key)
{
    switch (key) {
    case Key::Tab:
    case Key::ShiftTab:
        return VK_TAB;
    case Key::Up:
        return VK_UP;
    case Key::Down:
        return VK_DOWN;
    case Key::Left:
        return VK_LEFT;
    case Key::Right:
        return VK_RIGHT;
    case Key::Home:
        return VK_HOME;
    case Key::End:
        return VK_END;
    case Key::PageUp:
        return VK_PRIOR;
    case Key::PageDown:
        return VK_NEXT;
    case Key::Space:
        return VK_SPACE;
    case Key::Enter:
        return VK_RETURN;
    case Key::Backspace:
        return VK_BACK;
    case Key::Delete:
        return VK_DELETE;
    case Key::Escape:
        return VK_ESCAPE;
    case Key::A:
        return 'A';
    case Key::C:
        return 'C';
    case Key::V:
        return 'V';
    case Key::X:
        return 'X';
    case Key::Z:
        return 'Z';
    }
    return 0;
}

// A right click in the output box opens the edit's own menu, whose loop
// waits for the user: once it is idle, they close it with Escape.
class MenuCloser {
public:
    MenuCloser() : hook_(SetWindowsHookExW(WH_CALLWNDPROC, &Closing, nullptr, GetCurrentThreadId()))
    {
        EXPECT_NE(hook_, nullptr) << "a right click in the output box would wait for ever";
    }
    ~MenuCloser()
    {
        if (hook_) UnhookWindowsHookEx(hook_);
    }
    MenuCloser(const MenuCloser&) = delete;
    MenuCloser& operator=(const MenuCloser&) = delete;

private:
    static LRESULT CALLBACK Closing(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && sent->message == WM_ENTERIDLE && sent->wParam == MSGF_MENU) {
            PostMessageW(sent->hwnd, WM_KEYDOWN, VK_ESCAPE, 1);
            PostMessageW(sent->hwnd, WM_KEYUP, VK_ESCAPE, 1 | (LPARAM{3} << 30));
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    HHOOK hook_;
};

class Win32Driver final : public RealWindowDriver {
public:
    explicit Win32Driver(const form::FormDescription& description) : description_(description), window_(description) {}

    void TypeIntoOutput(std::u16string_view text) override { window_.TypeIntoOutput(text); }
    std::u16string OutputText() override { return window_.Shown(); }
    selection::ClickGuard Guard() override { return window_.handlers.Guard(); }

    void Click(ControlId control, Point at, Button button) override
    {
        const auto [target, local] = Target(control, at);
        window_.Click(target, local, button);
    }
    void DoubleClick(ControlId control, Point at) override
    {
        const auto [target, local] = Target(control, at);
        window_.DoubleClick(target, local);
    }
    void Drag(ControlId control, Point from, Point to) override
    {
        const auto [target, start] = Target(control, from);
        window_.Drag(target, start, {start.x + to.x - from.x, start.y + to.y - from.y});
    }
    void Press(Key key, Modifier held) override
    {
        window_.Key(VirtualKey(key), key == Key::ShiftTab || held == Modifier::Shift, held == Modifier::Control);
    }
    void Type(std::u16string_view text) override { window_.Type(text); }
    void Paste(std::u16string_view text) override { window_.Paste(std::u16string(text)); }
    void Focus(ControlId control) override { SetFocus(Handle(control)); }
    std::u16string Focused() override
    {
        const HWND focused = GetFocus();
        for (const auto& control : description_.controls)
            if (focused && window_.Control(control.name, control.index) == focused)
                return ControlName({control.name, control.index});
        return {};
    }
    Point RowCentre(form::Index row) override
    {
        const POINT centre = window_.ItemCentre(row);
        return {centre.x, centre.y};
    }
    Point Size(ControlId control) override
    {
        RECT client{};
        GetClientRect(Handle(control), &client);
        return {client.right, client.bottom};
    }
    Rect Bounds(ControlId control) override
    {
        RECT r{};
        GetWindowRect(Handle(control), &r);
        MapWindowPoints(HWND_DESKTOP, window_.form.Handle(), reinterpret_cast<POINT*>(&r), 2);
        return {r.left, r.top, r.right - r.left, r.bottom - r.top};
    }
    form::Index SelectedOption() override
    {
        for (form::Index index = 0; window_.Option(index); ++index)
            if (window_.Checked(index)) return index;
        return -1;
    }
    form::Index SelectedRow() override { return window_.Selected(); }
    bool TypeSelected(form::Index index) override { return window_.Checked(index); }
    bool IsOpen() override
    {
        return IsWindow(window_.form.Handle()) != FALSE && IsWindowVisible(window_.form.Handle()) != FALSE;
    }
    int ListClicks() override { return window_.clicks.listClicks; }
    int OptionClicks() override { return window_.clicks.optionClicks; }

private:
    HWND Handle(ControlId control) const { return window_.Control(control.name, control.index); }
    // The window a press at `at` reaches, and the point in its own pixels;
    // a point in the window reaches the control there.
    std::pair<HWND, POINT> Target(ControlId control, Point at) const
    {
        POINT point{at.x, at.y};
        if (!control.name.empty()) return {Handle(control), point};
        const HWND target = window_.ControlAt(point);
        MapWindowPoints(window_.form.Handle(), target, &point, 1);
        return {target, point};
    }

    const form::FormDescription& description_;
    MenuCloser menus_;
    Win32Window window_;
};

INSTANTIATE_TEST_SUITE_P(Win32, SelectionBehaviour,
                         ::testing::Values(DriverFactory{"Win32", &MainWindowDriver<Win32Driver>}), DriverName);
INSTANTIATE_TEST_SUITE_P(Win32, WindowBehaviour,
                         ::testing::Values(RealDriverFactory{"Win32", &RealDriverFor<Win32Driver>}), RealDriverName);
INSTANTIATE_TEST_SUITE_P(Win32, RandomUserActions,
                         ::testing::Values(RealDriverFactory{"Win32", &RealDriverFor<Win32Driver>}), RealDriverName);

} // namespace
} // namespace ribi::testing
