#pragma once

// The real Win32 window with its handlers, as the program builds it, and
// the input a user gives it: mouse and key messages posted to the control
// under the pointer or with the focus, and taken from the queue by the
// program's own message loop code.

#include "form/win32/win32_form.h"
#include "selection/handlers.h"
#include "tests/counting_sink.h"
#include "tests/recorded_diagnostics.h"
#include "tests/window_driver.h"
#include "window/main_form.h"

#include <windows.h>

#include <string>

namespace ribi::testing {

class Win32Window {
public:
    explicit Win32Window(const form::FormDescription& description = window::MainFormDescription());

    // The window itself for an empty name.
    HWND Control(std::u16string_view name, form::Index index = 0) const
    {
        return name.empty() ? form.Handle() : form.Control(name, index);
    }
    HWND Names() const { return Control(u"List1", 0); }
    HWND Option(form::Index index) const { return Control(u"Option1", index); }
    HWND Output() const { return Control(u"Text1", 0); }

    // Takes every queued message through the program's loop code.
    void Pump();

    // The centre of a names list item, scrolled into view first if need be.
    POINT ItemCentre(int row) const;
    void Click(HWND control, POINT at, Button button = Button::Left);
    // The second press may land elsewhere, as when the pointer moves in between.
    void DoubleClick(HWND control, POINT first, POINT second);
    void DoubleClick(HWND control, POINT at) { DoubleClick(control, at, at); }
    // Left button down at `from`, moved to `to` and released there.
    void Drag(HWND control, POINT from, POINT to);
    void ClickItem(int row, Button button = Button::Left) { Click(Names(), ItemCentre(row), button); }
    // Far right in the option's rectangle, away from its circle and caption.
    void ClickOption(form::Index index, Button button = Button::Left);
    // A key pressed and released on the control with the focus.
    void Key(WORD key, bool shift = false, bool control = false);
    // Puts `text` on the clipboard and presses Ctrl+V on the focused control.
    void Paste(const std::u16string& text);
    // Types at the end of the output box, Enter for each line break.
    void TypeIntoOutput(std::u16string_view text);
    // As a keyboard types: a WM_CHAR for each code unit, CR for each line
    // break ("\r\n", "\r" or "\n").
    void Type(std::u16string_view text);
    // The window a real press at `at`, in the window's client pixels, reaches.
    HWND ControlAt(POINT at) const;

    std::u16string Shown() { return form.Text1(0).Text(); }
    bool Checked(form::Index index) const { return SendMessageW(Option(index), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    form::Index Selected() const { return static_cast<form::Index>(SendMessageW(Names(), LB_GETCURSEL, 0, 0)); }

    RecordedDiagnostics diagnostics;
    form::win32::Win32Form form;
    selection::Handlers handlers;
    CountingSink clicks;
};

} // namespace ribi::testing
