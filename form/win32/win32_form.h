#pragma once

// The window of a form on the Win32 API: built from the form's plan, each
// list box, option button and text box the view of its control in the
// form. Sizes come from the description's twips at the window's DPI,
// again whenever the window moves to a monitor of another DPI.

#include "form/form.h"
#include "form/win32/frame_control.h"
#include "form/win32/gdi_handles.h"
#include "form/win32/list_box_window.h"
#include "form/win32/option_window.h"
#include "form/win32/output_box_window.h"

#include <windows.h>

#include <map>
#include <memory>
#include <string_view>
#include <vector>

namespace ribi::form::win32 {

class Win32Form final {
public:
    // `form`, `largeIcon` and `smallIcon` stay the caller's; they must
    // outlive the window.
    explicit Win32Form(Form& form, HICON largeIcon = nullptr, HICON smallIcon = nullptr);
    ~Win32Form();
    Win32Form(const Win32Form&) = delete;
    Win32Form& operator=(const Win32Form&) = delete;

    // Shows the first view: the focus in the first tab stop, an edit's
    // caret at its start with nothing selected.
    void Show(int showCommand);

    HWND Handle() const { return window_; }
    // The control of an array element, nullptr when there is none.
    HWND Control(std::u16string_view name, Index index = 0) const;
    UINT Dpi() const { return dpi_; }

private:
    struct Placed {
        const ControlDescription* description;
        HWND handle;
        HBRUSH background; // nullptr: the system's colours
    };

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Build(Position position);
    // The views leave their controls and the system controls get their own
    // procedures back: nothing a going window does reaches the form.
    void ReleaseControls();
    void PlaceLabelsBeforeWhatTheyName();
    void Layout(UINT dpi);
    void FitClientArea(int width, int height);
    HBRUSH Brush(Colour colour);
    const Placed* Find(HWND handle) const;
    LRESULT ControlColour(HDC dc, HWND control);
    void Command(HWND control, WORD code);

    Form& form_;
    HWND window_ = nullptr;
    UINT dpi_ = 96;
    std::map<std::uint32_t, UniqueBrush> brushes_;
    UniqueFont font_;
    HBRUSH windowBrush_ = nullptr;
    std::vector<Placed> placed_; // by position in the plan
    std::vector<std::unique_ptr<ListBoxWindow>> lists_;
    std::vector<std::unique_ptr<OptionWindow>> options_;
    std::vector<std::unique_ptr<OutputBoxWindow>> outputs_;
    std::vector<std::unique_ptr<FrameControl>> frames_;
    HWND focus_ = nullptr; // the control to give the focus back to when the window is active again
};

} // namespace ribi::form::win32
