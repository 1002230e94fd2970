#pragma once

// A Win32 list box as the form layer's ListBox, its mouse and keys
// following the list's rule (ListClickRule). The system's list keeps the
// hit testing, the painting and the scrolling during a drag.

#include "form/controls.h"
#include "form/list_click_rule.h"
#include "form/win32/subclassed_control.h"

#include <functional>
#include <string_view>

namespace ribi::form::win32 {

class ListBoxControl final : public ListBox, public SubclassedControl {
public:
    ListBoxControl(HWND control, std::function<void()> raiseClick);

    Index ListCount() const override;
    Index ListIndex() const override;
    std::u16string List(Index position) const override;

    void AddItem(std::u16string_view text);
    // LBN_SELCHANGE, passed on by the window that owns the list.
    void SelectionChanged();

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The item at `point`, -1 for none.
    Index ItemAt(LPARAM point) const;

    bool releasing_ = false; // inside the list's own handling of a release
    ListClickRule clicks_;
};

} // namespace ribi::form::win32
