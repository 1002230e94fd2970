#pragma once

// What a pupil can do to the main window and what they see, so that the
// same behaviour tests run against every binding.

#include "form/controls.h"
#include "form/form_description.h"
#include "form/form_plan.h"
#include "selection/click_guard.h"
#include "window/main_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <iostream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace ribi::testing {

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
    Z
};
// For the drivers' tables of their toolkit's keys, in Key's order.
inline constexpr std::size_t kKeyCount = static_cast<std::size_t>(Key::Z) + 1;
enum class Modifier { None, Shift, Control };

// "Control+a": as the browser engines' adapters name a key, and a failure reports it.
inline std::string KeyName(Key key, Modifier held)
{
    constexpr std::array<const char*, kKeyCount> keys{
        "Tab",   "Shift+Tab", "ArrowUp",   "ArrowDown", "ArrowLeft", "ArrowRight", "Home", "End", "PageUp", "PageDown",
        "Space", "Enter",     "Backspace", "Delete",    "Escape",    "a",          "c",    "v",   "x",      "z"};
    constexpr std::array<const char*, 3> modifiers{"", "Shift+", "Control+"};
    return std::string(modifiers[static_cast<std::size_t>(held)]) + keys[static_cast<std::size_t>(key)];
}

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

struct Rgb {
    int red;
    int green;
    int blue;
    bool operator==(const Rgb&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Rgb& c)
{
    return out << "rgb(" << c.red << ", " << c.green << ", " << c.blue << ')';
}

// A control's font as the toolkit holds it; a toolkit without character
// sets has no charset.
struct Font {
    std::u16string family;
    int pixelHeight;
    int weight;
    std::optional<int> charset;
    bool plain; // neither italic, underlined nor struck out
};

// The output box's selection in code units of its text; start == end is the caret alone.
struct TextSelection {
    int start;
    int end;
    bool operator==(const TextSelection&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const TextSelection& s)
{
    return out << '[' << s.start << ", " << s.end << ')';
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

// The same for a test's message; control names are ASCII.
inline std::string Narrow(ControlId control)
{
    const std::u16string name = ControlName(control);
    return {name.begin(), name.end()};
}

// What a driver may be unable to do; a check that needs it is left out on
// that window alone, with the reason in the test's output.
enum class Lack {
    OtherForms,      // a window over another form than the program's own
    HiddenListItems, // reading a hidden list's items
    RightClick,
    TabRound,                // Tab from the window's last stop to its first
    UndoOfTheFocusedControl, // Ctrl+Z undoing the focused control's typing alone
    CopyOfNoBreakSpaces,     // a copy of the output box keeping its no-break spaces
};
// For the drivers' tables of their reasons, in Lack's order.
inline constexpr std::size_t kLackCount = static_cast<std::size_t>(Lack::CopyOfNoBreakSpaces) + 1;

// A real window, driven by mouse and keys as a pupil drives it.
class WindowDriver {
public:
    // `description` must outlive the window.
    explicit WindowDriver(const form::FormDescription& description) : description_(description) {}
    virtual ~WindowDriver() = default;
    virtual std::u16string OutputText() = 0;
    virtual bool TypeSelected(form::Index index) = 0;
    virtual selection::ClickGuard Guard() = 0;
    // Why this driver cannot do `what`; empty where it can.
    virtual std::string Lacks(Lack /*what*/) { return {}; }
    virtual void Click(ControlId control, Point at, Button button = Button::Left) = 0;
    virtual void DoubleClick(ControlId control, Point at) = 0;
    // Left button down at `from`, moved to `to` and released there.
    virtual void Drag(ControlId control, Point from, Point to) = 0;
    // Pressed and released on the control with the focus.
    virtual void Press(Key key, Modifier held = Modifier::None) = 0;
    virtual void Focus(ControlId control) = 0;
    // ControlName of the control with the focus, empty when none of the window's has it.
    virtual std::u16string Focused() = 0;
    // A names list row in its rows' pixels, scrolled into view first.
    virtual Rect RowRect(form::Index row) = 0;
    virtual Point Size(ControlId control) = 0;
    // All of the control, its border and scroll bar too, in the window's client pixels.
    virtual Rect Bounds(ControlId control) = 0;
    // The control it lies in: a frame, or kWindow.
    virtual ControlId ParentOf(ControlId control) = 0;
    virtual bool IsShown(ControlId control) = 0;
    // Tab can reach it.
    virtual bool IsTabStop(ControlId control) = 0;
    virtual std::vector<std::u16string> Items(ControlId list) = 0;
    // The colour shown at `at`, in the control's own pixels as for Click.
    virtual Rgb Pixel(ControlId control, Point at) = 0;
    virtual Font FontOf(ControlId control) = 0;
    virtual std::u16string Title() = 0;
    // The pupil can drag the window's edges or maximise it.
    virtual bool IsResizable() = 0;
    virtual TextSelection OutputSelection() = 0;
    // The output box's lines, a wrapped line once for each row it takes.
    virtual int OutputLines() = 0;
    // The text of each of those rows, as the box wraps it.
    virtual std::vector<std::u16string> OutputRows() = 0;
    // Makes the output box `width` pixels wide, as Bounds measures it;
    // false where the window cannot.
    virtual bool NarrowOutput(int width) = 0;
    // What the clipboard holds as text.
    virtual std::u16string ClipboardText() = 0;
    virtual int FirstVisibleOutputLine() = 0;
    // Its lines are more than it shows at once.
    virtual bool OutputOverflows() = 0;
    virtual form::Index SelectedRow() = 0;
    // The window is still there and shown.
    virtual bool IsOpen() = 0;
    // The clicks the window has delivered to the handlers.
    virtual int ListClicks() = 0;
    virtual int OptionClicks() = 0;
    // Since the window was made: how often a new text of the output box
    // reached the screen, and how often assistive technology was told of it.
    virtual int OutputShows() = 0;
    virtual int OutputNotifications() = 0;

    // The first option whose type is selected, -1 while none is.
    form::Index SelectedOption()
    {
        const auto options = std::count_if(description_.controls.begin(), description_.controls.end(),
                                           [](const auto& c) { return c.name == OptionId(0).name; });
        for (form::Index index = 0; index < options; ++index)
            if (TypeSelected(index)) return index;
        return -1;
    }
    Point RowCentre(form::Index row)
    {
        const Rect r = RowRect(row);
        return {r.left + r.width / 2, r.top + r.height / 2};
    }
    void ClickSpecies(form::Index row) { Click(kNames, RowCentre(row)); }
    void ClickOption(form::Index index, Button button = Button::Left)
    {
        // Far right in its rectangle, away from its circle and caption.
        const Point size = Size(OptionId(index));
        Click(OptionId(index), {size.x - 3, size.y / 2}, button);
    }
    // As the keyboard delivers it to the control with the focus: Enter for
    // each line break ("\r\n", "\r" or "\n").
    void Type(std::u16string_view text)
    {
        while (!text.empty()) {
            const std::size_t line = text.find_first_of(u"\r\n");
            TypeCharacters(text.substr(0, line));
            if (line == std::u16string_view::npos) return;
            Press(Key::Enter);
            text.remove_prefix(line + (text.substr(line, 2) == u"\r\n" ? 2 : 1));
        }
    }
    // Types at the end of the output box's text.
    void TypeIntoOutput(std::u16string_view text)
    {
        Focus(kOutput);
        Press(Key::End, Modifier::Control);
        Type(text);
    }
    // Put on the clipboard, then Ctrl+V on the control with the focus.
    void Paste(std::u16string_view text)
    {
        PutOnClipboard(text);
        Press(Key::V, Modifier::Control);
    }

protected:
    // Text without line breaks, as the keyboard types it.
    virtual void TypeCharacters(std::u16string_view text) = 0;
    virtual void PutOnClipboard(std::u16string_view text) = 0;
    // The first control that `is` holds for, kWindow where none does.
    template <typename Is> ControlId FirstControl(Is is) const
    {
        for (const auto& c : description_.controls)
            if (is(ControlId{c.name, c.index})) return {c.name, c.index};
        return kWindow;
    }

    const form::FormDescription& description_;
};

// Makes a binding's window over `description`, which must outlive it.
struct DriverFactory {
    const char* name;
    std::unique_ptr<WindowDriver> (*make)(const form::FormDescription& description);
};

// Also names the instantiations, with ::testing::PrintToStringParamName.
inline void PrintTo(const DriverFactory& factory, std::ostream* out)
{
    *out << factory.name;
}

// What a binding's test file gives its factory.
template <typename Driver> std::unique_ptr<WindowDriver> Make(const form::FormDescription& description)
{
    return std::make_unique<Driver>(description);
}

// Whether `window` can do `what`; where it cannot, the test's output says why.
inline bool Can(WindowDriver& window, Lack what)
{
    const std::string why = window.Lacks(what);
    if (!why.empty()) std::cout << "Not checked here: " << why << '\n';
    return why.empty();
}

class WindowBehaviour : public ::testing::TestWithParam<DriverFactory> {
protected:
    void SetUp() override { window = GetParam().make(window::MainFormDescription()); }
    std::unique_ptr<WindowDriver> window;
};

// Long runs of random actions; each makes its own windows.
class RandomUserActions : public ::testing::TestWithParam<DriverFactory> {};

} // namespace ribi::testing

// Runs the shared suites against `Driver`, named `Name` (Qt, Win32). A
// macro because GoogleTest's instantiations are macros themselves.
// NOLINTNEXTLINE(cppcoreguidelines-macro-usage)
#define RIBI_RUN_SHARED_WINDOW_SUITES(Name, Driver)                                                                    \
    INSTANTIATE_TEST_SUITE_P(Name, WindowBehaviour, ::testing::Values(DriverFactory{#Name, &Make<Driver>}),            \
                             ::testing::PrintToStringParamName());                                                     \
    INSTANTIATE_TEST_SUITE_P(Name, RandomUserActions, ::testing::Values(DriverFactory{#Name, &Make<Driver>}),          \
                             ::testing::PrintToStringParamName())
