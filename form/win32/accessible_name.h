#pragma once

// The name a screen reader says for a control whose own text is its value,
// not its name (the output box). Windows' dynamic annotation (oleacc's
// IAccPropServices) gives it to every MSAA and UI Automation client; where
// annotation is not offered (Wine), the control answers WM_GETOBJECT with
// the standard accessible object under that name.

#include <windows.h>

#include <string>
#include <string_view>

namespace ribi::form::win32 {

class AccessibleName {
public:
    AccessibleName(HWND control, std::u16string_view name);
    ~AccessibleName();
    AccessibleName(const AccessibleName&) = delete;
    AccessibleName& operator=(const AccessibleName&) = delete;

    // For the control's WM_GETOBJECT: true with `result` set when the
    // control answers itself.
    bool Answer(WPARAM wParam, LPARAM lParam, LRESULT& result) const;

private:
    HWND control_;
    std::wstring name_;
    bool annotated_ = false;
};

// Tells MSAA clients that the control's value changed.
void RaiseValueChange(HWND control);

} // namespace ribi::form::win32
