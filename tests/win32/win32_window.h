#pragma once

// The real Win32 window over its form, with the handlers, as the program
// builds it, and the input a user gives it: mouse and key messages posted
// to the control under the pointer or with the focus, and taken from the
// queue by the program's own message loop code.

#include "form/win32/win32_form.h"
#include "form/win32/win32_text.h"
#include "tests/handled_window.h"
#include "window/main_form.h"

#include <windows.h>

#include <initializer_list>
#include <string>
#include <utility>

namespace ribi::testing {

class Win32Window final : public HandledWindow {
public:
    explicit Win32Window(const form::FormDescription& description = window::MainFormDescription());
    ~Win32Window() override; // not copyable, as its window is not

    // The window itself for an empty name.
    HWND Control(std::u16string_view name, form::Index index = 0) const
    {
        return name.empty() ? window.Handle() : window.Control(name, index);
    }
    HWND Names() const { return Control(u"List1", 0); }
    HWND Option(form::Index index) const { return Control(u"Option1", index); }
    HWND Output() const { return Control(u"Text1", 0); }

    // Takes every queued message through the program's loop code.
    void Pump();
    // The second press may land elsewhere, as when the pointer moves in between.
    void DoubleClick(ControlId control, Point first, Point second);

    void Click(ControlId control, Point at, Button button = Button::Left) override;
    void DoubleClick(ControlId control, Point at) override { DoubleClick(control, at, at); }
    void Drag(ControlId control, Point from, Point to) override;
    void Press(Key key, Modifier held = Modifier::None) override;
    void Focus(ControlId control) override { SetFocus(Handle(control)); }
    std::u16string Focused() override;
    Rect RowRect(form::Index row) override;
    Point Size(ControlId control) override;
    Rect Bounds(ControlId control) override;
    ControlId ParentOf(ControlId control) override { return IdOf(GetParent(Handle(control))); }
    bool IsShown(ControlId control) override { return IsWindowVisible(Handle(control)) != FALSE; }
    bool IsTabStop(ControlId control) override { return (Style(Handle(control)) & WS_TABSTOP) != 0; }
    std::vector<std::u16string> Items(ControlId list) override;
    Rgb Pixel(ControlId control, Point at) override;
    Font FontOf(ControlId control) override;
    std::u16string Title() override { return form::win32::WindowText(window.Handle()); }
    bool IsResizable() override { return (Style(window.Handle()) & (WS_THICKFRAME | WS_MAXIMIZEBOX)) != 0; }
    TextSelection OutputSelection() override;
    int OutputLines() override { return OutputCount(EM_GETLINECOUNT); }
    std::vector<std::u16string> OutputRows() override;
    bool NarrowOutput(int width) override;
    std::u16string ClipboardText() override;
    int FirstVisibleOutputLine() override { return OutputCount(EM_GETFIRSTVISIBLELINE); }
    bool OutputOverflows() override;
    bool IsOpen() override { return IsWindow(window.Handle()) != FALSE && IsWindowVisible(window.Handle()) != FALSE; }
    int OutputShows() override { return shows_; }
    // The events come to this thread as messages.
    int OutputNotifications() override
    {
        Pump();
        return told_;
    }

private:
    using Messages = std::initializer_list<std::pair<UINT, WPARAM>>;

    void TypeCharacters(std::u16string_view text) override;
    void PutOnClipboard(std::u16string_view text) override;
    std::optional<std::u16string> ShownOutput() override
    {
        if (!IsWindow(Output())) return std::nullopt;
        return form::win32::WindowText(Output());
    }
    bool ShownChecked(form::Index option) override
    {
        return SendMessageW(Option(option), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    form::Index ShownRow() override { return static_cast<form::Index>(SendMessageW(Names(), LB_GETCURSEL, 0, 0)); }

    HWND Handle(ControlId control) const { return Control(control.name, control.index); }
    static LONG_PTR Style(HWND window) { return GetWindowLongPtrW(window, GWL_STYLE); }
    // What an edit message without parameters answers of the output box.
    int OutputCount(UINT message) const { return static_cast<int>(SendMessageW(Output(), message, 0, 0)); }
    // The window a press at `at` reaches, and the point in its own pixels;
    // a point in the window reaches the control there.
    std::pair<HWND, POINT> Target(ControlId control, Point at) const;
    // The control a window is, kWindow for any other.
    ControlId IdOf(HWND window) const
    {
        return FirstControl([&](ControlId c) { return window && Handle(c) == window; });
    }
    // Mouse messages to the window a press at `from` reaches: `atFrom`
    // there, then `atTo` as far on as `to` is from `from`.
    void Post(ControlId control, Point from, Point to, Messages atFrom, Messages atTo = {});
    static LRESULT CALLBACK Sent(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK Told(HWINEVENTHOOK, DWORD, HWND control, LONG object, LONG child, DWORD, DWORD);

    HHOOK sentHook_;
    HWINEVENTHOOK toldHook_;
    int shows_ = 0;
    int told_ = 0;

public:
    form::win32::Win32Form window;
};

} // namespace ribi::testing
