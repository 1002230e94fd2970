#pragma once

// Builds a window from its description on the Win32 API and offers its
// controls through the form layer's operations. Clicks go to one sink.
// Sizes come from the description's twips at the window's DPI, again
// whenever the window moves to a monitor of another DPI.

#include "form/controls.h"
#include "form/win32/gdi_handles.h"
#include "window/form_description.h"

#include <windows.h>

#include <map>
#include <memory>
#include <string_view>
#include <vector>

namespace ribi::form::win32 {

class FrameControl;
class ListBoxControl;
class OptionControl;
class OutputBoxControl;

class Win32Form final : public Controls {
public:
    // `largeIcon` and `smallIcon` stay the caller's; they must outlive the form.
    explicit Win32Form(const window::FormDescription& description, HICON largeIcon = nullptr,
                       HICON smallIcon = nullptr);
    ~Win32Form() override;
    Win32Form(const Win32Form&) = delete;
    Win32Form& operator=(const Win32Form&) = delete;

    void Connect(ClickSink& sink) { sink_ = &sink; }

    // Shows the first view: the focus in the first tab stop, an edit's
    // caret at its start with nothing selected.
    void Show(int showCommand);

    HWND Handle() const { return window_; }
    // The control of an array element, nullptr when there is none.
    HWND Control(std::u16string_view name, Index index = 0) const;
    UINT Dpi() const { return dpi_; }

    ListBox& List1(Index index) override;
    OptionButton& Option1(Index index) override;
    TextBox& Text1(Index index) override;

private:
    struct Placed {
        const window::ControlDescription* description;
        HWND handle;
        HBRUSH background; // nullptr: the system's colours
    };

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Build(const window::ControlDescription& control, int position);
    void PlaceLabelsBeforeWhatTheyName();
    void Layout(UINT dpi);
    void FitClientArea(int width, int height);
    HBRUSH Brush(window::Colour colour);
    const Placed* Find(HWND handle) const;
    LRESULT ControlColour(HDC dc, HWND control);
    void Command(HWND control, WORD code);
    void Deliver(void (ClickSink::*event)(Index), Index index);

    const window::FormDescription& description_;
    HWND window_ = nullptr;
    UINT dpi_ = 96;
    std::map<std::uint32_t, UniqueBrush> brushes_;
    UniqueFont font_;
    HBRUSH windowBrush_ = nullptr;
    std::vector<Placed> placed_;
    std::vector<std::unique_ptr<FrameControl>> frames_;
    std::vector<std::unique_ptr<ListBoxControl>> lists_;
    std::vector<std::unique_ptr<OptionControl>> options_;
    std::vector<std::unique_ptr<OutputBoxControl>> texts_;
    HWND focus_ = nullptr; // the control to give the focus back to when the window is active again
    ClickSink* sink_ = nullptr;
};

} // namespace ribi::form::win32
