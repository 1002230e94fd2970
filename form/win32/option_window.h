#pragma once

// A Win32 auto radio button as the view of an option button of the form:
// it shows the control's check and tab stop, and feeds the pupil's clicks
// and arrow keys to the control, which decides the Clicks.

#include "form/option_button_control.h"
#include "form/views.h"
#include "form/win32/subclassed_control.h"

namespace ribi::form::win32 {

class OptionWindow final : public OptionButtonView, public SubclassedControl {
public:
    // `control` must outlive the window.
    OptionWindow(HWND button, OptionButtonControl& control);
    ~OptionWindow() override;

    void ShowChecked(bool checked) override;
    void ShowTabStop(bool tabStop) override;
    void TakeFocus() override;

    // BN_CLICKED, passed on by the window that owns the option.
    void Clicked();

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    OptionButtonControl& control_;
    bool focusing_ = false; // inside the button's own handling of the focus
};

} // namespace ribi::form::win32
