#pragma once

// A Win32 list box as the form layer's ListBox, with the classic rules for
// its Click: once per left click on an item (the one already selected
// too), once per change made with the keyboard, never for a right click
// or for the second press of a double click on the same item.

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
    bool OnItem(LPARAM point) const;
    Index ItemAt(LPARAM point) const;
    void RaiseClickIfChanged();
    void RaiseClick();

    std::function<void()> raiseClick_;
    bool pressed_ = false;   // a left press began on an item and is not released yet
    bool releasing_ = false; // inside the list's own handling of that release
    ListClickRule clicks_;
};

} // namespace ribi::form::win32
