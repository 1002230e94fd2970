#pragma once

// What a pupil can do to the main window and what they see, so that the
// same behaviour tests run against every binding.

#include "form/controls.h"
#include "form/form_description.h"
#include "form/form_plan.h"
#include "selection/click_guard.h"
#include "window/main_form.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

namespace ribi::testing {

class WindowDriver {
public:
    virtual ~WindowDriver() = default;
    virtual void ClickSpecies(form::Index position) = 0;
    virtual void ClickType(form::Index index) = 0;
    // Types at the end of the output box's text.
    virtual void TypeIntoOutput(std::u16string_view text) = 0;
    virtual std::u16string OutputText() = 0;
    virtual bool TypeSelected(form::Index index) = 0;
    virtual selection::ClickGuard Guard() = 0;
};

struct DriverFactory {
    const char* name;
    std::unique_ptr<WindowDriver> (*make)();
};

class SelectionBehaviour : public ::testing::TestWithParam<DriverFactory> {
protected:
    void SetUp() override { window = GetParam().make(); }
    std::unique_ptr<WindowDriver> window;
};

inline void PrintTo(const DriverFactory& factory, std::ostream* out)
{
    *out << factory.name;
}

inline std::string DriverName(const ::testing::TestParamInfo<DriverFactory>& info)
{
    return info.param.name;
}

enum class Button { Left, Right };
enum class Key {
    Tab,
    ShiftTab,
    Up,
    Down,
    Left,
    Right,
    Home,
    End,
    PageUp,
    PageDown,
    Space,
    Enter,
    Backspace,
    Delete,
    Escape,
    A,
    C,
    V,
    X,
    Z,
};
enum class Modifier { None, Shift, Control };

// In a control's own client pixels; a list's are those of its rows' area.
struct Point {
    int x;
    int y;
};

struct Rect {
    int left;
    int top;
    int width;
    int height;
    bool operator==(const Rect&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Rect& r)
{
    return out << '{' << r.left << ", " << r.top << ", " << r.width << ", " << r.height << '}';
}

// A control of the main window by its array name and Index.
struct ControlId {
    std::u16string_view name;
    form::Index index = 0;
};
// The window itself: a point in it reaches whatever lies there, as a real
// pointer's would.
inline constexpr ControlId kWindow{u"", 0};
inline constexpr ControlId kNames{u"List1", 0};
inline constexpr ControlId kOutput{u"Text1", 0};
inline constexpr ControlId OptionId(form::Index index)
{
    return {u"Option1", index};
}

// How the tests name a control: "Option1_0".
inline std::u16string ControlName(ControlId control)
{
    return form::ElementId(control.name, control.index);
}

// Where the tests click an option of `size`: far right in its rectangle,
// away from its circle and caption.
inline Point OptionClickPoint(Point size)
{
    return {size.x - 3, size.y / 2};
}

// A real window, driven by mouse and keys as a pupil drives it.
class RealWindowDriver : public WindowDriver {
public:
    virtual void Click(ControlId control, Point at, Button button = Button::Left) = 0;
    virtual void DoubleClick(ControlId control, Point at) = 0;
    // Left button down at `from`, moved to `to` and released there.
    virtual void Drag(ControlId control, Point from, Point to) = 0;
    // Pressed and released on the control with the focus.
    virtual void Press(Key key, Modifier held = Modifier::None) = 0;
    // As the keyboard delivers it to the control with the focus, Enter for a line break.
    virtual void Type(std::u16string_view text) = 0;
    // Put on the clipboard, then Ctrl+V on the control with the focus.
    virtual void Paste(std::u16string_view text) = 0;
    virtual void Focus(ControlId control) = 0;
    // ControlName of the control with the focus, empty when none of the window's has it.
    virtual std::u16string Focused() = 0;
    // The centre of a names list row, scrolled into view first.
    virtual Point RowCentre(form::Index row) = 0;
    virtual Point Size(ControlId control) = 0;
    // All of the control, its border and scroll bar too, in the window's client pixels.
    virtual Rect Bounds(ControlId control) = 0;
    // -1 while none is selected.
    virtual form::Index SelectedOption() = 0;
    virtual form::Index SelectedRow() = 0;
    // The window is still there and shown.
    virtual bool IsOpen() = 0;
    // The clicks the window has delivered to the handlers.
    virtual int ListClicks() = 0;
    virtual int OptionClicks() = 0;

    void ClickSpecies(form::Index row) override { Click(kNames, RowCentre(row)); }
    void ClickType(form::Index index) override { ClickOption(index); }
    void ClickOption(form::Index index, Button button = Button::Left)
    {
        Click(OptionId(index), OptionClickPoint(Size(OptionId(index))), button);
    }
};

struct RealDriverFactory {
    const char* name;
    // `description` must outlive the window.
    std::unique_ptr<RealWindowDriver> (*make)(const form::FormDescription& description);
};

class WindowBehaviour : public ::testing::TestWithParam<RealDriverFactory> {
protected:
    void SetUp() override { window = GetParam().make(window::MainFormDescription()); }
    std::unique_ptr<RealWindowDriver> window;
};

// Long runs of random actions; each makes its own windows.
class RandomUserActions : public ::testing::TestWithParam<RealDriverFactory> {};

inline void PrintTo(const RealDriverFactory& factory, std::ostream* out)
{
    *out << factory.name;
}

inline std::string RealDriverName(const ::testing::TestParamInfo<RealDriverFactory>& info)
{
    return info.param.name;
}

// What a binding's driver file gives the two factories.
template <typename Driver> std::unique_ptr<WindowDriver> MainWindowDriver()
{
    return std::make_unique<Driver>(window::MainFormDescription());
}
template <typename Driver> std::unique_ptr<RealWindowDriver> RealDriverFor(const form::FormDescription& description)
{
    return std::make_unique<Driver>(description);
}

} // namespace ribi::testing
