#pragma once

// A system control (list box, button, edit) whose messages pass through
// this object first: it keeps the control's own procedure and hands on
// whatever it does not change. Restores the control when either goes.

#include <windows.h>

namespace ribi::form::win32 {

class SubclassedControl {
public:
    explicit SubclassedControl(HWND control);
    virtual ~SubclassedControl();
    SubclassedControl(const SubclassedControl&) = delete;
    SubclassedControl& operator=(const SubclassedControl&) = delete;

    HWND Handle() const { return control_; }

protected:
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT CallOriginal(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    void Detach();

    HWND control_;
    WNDPROC original_;
};

} // namespace ribi::form::win32
