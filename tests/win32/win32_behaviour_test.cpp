// The shared behaviour tests, driven through the real Win32 window by mouse
// and key messages.

#include "tests/win32/win32_window.h"
#include "tests/window_driver.h"

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
    case Key::Space:
        return VK_SPACE;
    case Key::End:
        return VK_END;
    }
    return 0;
}

class Win32Driver final : public RealWindowDriver {
public:
    explicit Win32Driver(const form::FormDescription& description) : description_(description), window_(description) {}

    void TypeIntoOutput(std::u16string_view text) override { window_.Type(text); }
    std::u16string OutputText() override { return window_.Shown(); }
    selection::ClickGuard Guard() override { return window_.handlers.Guard(); }

    void Click(ControlId control, Point at, Button button) override
    {
        window_.Click(Handle(control), {at.x, at.y}, button);
    }
    void DoubleClick(ControlId control, Point at) override { window_.DoubleClick(Handle(control), {at.x, at.y}); }
    void Drag(ControlId control, Point from, Point to) override
    {
        const HWND target = Handle(control);
        PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
        PostMessageW(target, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
        PostMessageW(target, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
        window_.Pump();
    }
    void Press(Key key) override { window_.Key(VirtualKey(key), key == Key::ShiftTab); }
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
    form::Index SelectedOption() override
    {
        for (form::Index index = 0; window_.Option(index); ++index)
            if (window_.Checked(index)) return index;
        return -1;
    }
    form::Index SelectedRow() override { return window_.Selected(); }
    int ListClicks() override { return window_.clicks.listClicks; }
    int OptionClicks() override { return window_.clicks.optionClicks; }

private:
    HWND Handle(ControlId control) const { return window_.Control(control.name, control.index); }

    const form::FormDescription& description_;
    Win32Window window_;
};

INSTANTIATE_TEST_SUITE_P(Win32, SelectionBehaviour,
                         ::testing::Values(DriverFactory{"Win32", &MainWindowDriver<Win32Driver>}), DriverName);
INSTANTIATE_TEST_SUITE_P(Win32, WindowBehaviour,
                         ::testing::Values(RealDriverFactory{"Win32", &RealDriverFor<Win32Driver>}), RealDriverName);

} // namespace
} // namespace ribi::testing
