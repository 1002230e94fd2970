#pragma once

// A group box that holds controls of its own. The system's group box is
// only a drawing, so this one fills its inside with its background and
// passes its children's notifications and colour requests up to the window.

#include "form/win32/subclassed_control.h"

namespace ribi::form::win32 {

class FrameControl final : public SubclassedControl {
public:
    explicit FrameControl(HWND control) : SubclassedControl(control) {}

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

} // namespace ribi::form::win32
