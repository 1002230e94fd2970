#pragma once

// A system control (list box, button, edit) whose messages pass through
// this object first: it keeps the control's own procedure and hands on
// whatever it does not change. Restores the control when either goes.

#include "form/win32/accessible_name.h"

#include <windows.h>

#include <optional>
#include <string_view>

namespace ribi::form::win32 {

class SubclassedControl {
public:
    explicit SubclassedControl(HWND control);
    virtual ~SubclassedControl();
    SubclassedControl(const SubclassedControl&) = delete;
    SubclassedControl& operator=(const SubclassedControl&) = delete;

    HWND Handle() const { return control_; }

    // What a screen reader calls the control when its own text is not its
    // name (a list box, the output box).
    void SetAccessibleName(std::u16string_view name) { name_.emplace(control_, name); }

protected:
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT CallOriginal(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    void Detach();

    HWND control_;
    WNDPROC original_;
    std::optional<AccessibleName> name_;
};

} // namespace ribi::form::win32
