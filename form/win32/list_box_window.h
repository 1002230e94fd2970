#pragma once

// A Win32 list box as the view of a list box of the form: it shows the
// control's items and selection, and feeds the mouse and the system's own
// selection changes to the control, whose rule decides the Clicks. The
// system's list keeps the hit testing, the painting and the scrolling
// during a drag.

#include "form/list_box_control.h"
#include "form/views.h"
#include "form/win32/subclassed_control.h"

namespace ribi::form::win32 {

class ListBoxWindow final : public ListBoxView, public SubclassedControl {
public:
    // `control` must outlive the window.
    ListBoxWindow(HWND list, ListBoxControl& control);
    ~ListBoxWindow() override;

    void ShowSelection(Index row) override;

    // LBN_SELCHANGE, passed on by the window that owns the list.
    void SelectionChanged();

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The item at `point`, -1 for none.
    Index ItemAt(LPARAM point) const;
    Index SystemSelection() const;

    ListBoxControl& control_;
    bool releasing_ = false; // inside the list's own handling of a release
};

} // namespace ribi::form::win32
