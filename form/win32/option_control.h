#pragma once

// A Win32 auto radio button as the form layer's OptionButton. Its Click is
// raised for the user's click (also on the option already selected), for
// an arrow key that moves to the other option of the frame, and for a
// write of Value that selects it, which BM_SETCHECK alone never reports.

#include "form/option_group.h"
#include "form/win32/subclassed_control.h"

#include <functional>

namespace ribi::form::win32 {

class OptionControl final : public GroupedOptionButton<OptionControl>, public SubclassedControl {
public:
    OptionControl(HWND control, std::function<void()> raiseClick);

    std::u16string Caption() const override;
    bool Value() const override;
    void SetValue(bool value) override;

    // BN_CLICKED, passed on by the window that owns the option.
    void Clicked();

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Check(bool checked);
    void SelectAsUser();
    void SetTabStop(bool tabStop) override;

    std::function<void()> raiseClick_;
    bool focusing_ = false;
};

} // namespace ribi::form::win32
