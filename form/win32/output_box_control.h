#pragma once

// A multi-line Win32 edit as the form layer's TextBox. The edit keeps CR LF
// as written; each new text is shown from its first line.

#include "form/controls.h"
#include "form/win32/subclassed_control.h"

namespace ribi::form::win32 {

class OutputBoxControl final : public TextBox, public SubclassedControl {
public:
    explicit OutputBoxControl(HWND control);

    std::u16string Text() const override;
    void SetText(std::u16string text) override;

    // Caret at the start, first line at the top, nothing selected.
    void ShowFromTop();

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

} // namespace ribi::form::win32
