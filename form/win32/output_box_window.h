#pragma once

// A multi-line Win32 edit as the view of a text box of the form. The edit
// keeps CR LF as written; each new text is shown from its first line and
// told to screen readers once.

#include "form/text_box_control.h"
#include "form/views.h"
#include "form/win32/subclassed_control.h"

namespace ribi::form::win32 {

class OutputBoxWindow final : public TextBoxView, public SubclassedControl {
public:
    // `control` must outlive the window.
    OutputBoxWindow(HWND edit, TextBoxControl& control);
    ~OutputBoxWindow() override;

    void ShowText(std::u16string_view text) override;
    std::u16string TypedText() const override;

    // Caret at the start, first line at the top, nothing selected.
    void ShowFromTop();
    // EN_CHANGE, passed on by the window that owns the edit.
    void Changed();

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    TextBoxControl& control_;
    bool showing_ = false; // inside ShowText's own write
};

} // namespace ribi::form::win32
