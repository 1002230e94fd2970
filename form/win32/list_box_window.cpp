#include "form/win32/list_box_window.h"

#include "form/win32/win32_text.h"

#include <string>

namespace ribi::form::win32 {

ListBoxWindow::ListBoxWindow(HWND list, ListBoxControl& control) : SubclassedControl(list), control_(control)
{
    for (Index row = 0; row < control_.ListCount(); ++row) {
        const std::wstring item = ToWide(control_.List(row));
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    control_.Attach(this);
}

ListBoxWindow::~ListBoxWindow()
{
    control_.Attach(nullptr);
}

void ListBoxWindow::ShowSelection(Index row)
{
    SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

// Arrow keys and typed letters (an arrow at the end of the list notifies
// without moving), and the system's own tracking of a press, which the
// release decides.
void ListBoxWindow::SelectionChanged()
{
    control_.Selected(SystemSelection());
}

LRESULT ListBoxWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
        control_.Press(ItemAt(lParam)); // before the list's own selecting notifies
        break;
    case WM_LBUTTONDBLCLK:
        // The system's list sees a press only where the rule takes it as one.
        control_.SecondPress(ItemAt(lParam));
        return control_.Pressed() ? CallOriginal(WM_LBUTTONDOWN, wParam, lParam) : 0;
    case WM_MOUSEMOVE: {
        const LRESULT result = CallOriginal(message, wParam, lParam);
        if (wParam & MK_LBUTTON) control_.Move(ItemAt(lParam));
        return result;
    }
    case WM_LBUTTONUP: {
        releasing_ = true;
        const LRESULT result = CallOriginal(message, wParam, lParam);
        releasing_ = false;
        // Its own tracking, or its scrolling past an end, may have moved the selection.
        control_.Selected(SystemSelection());
        control_.Release();
        return result;
    }
    case WM_CAPTURECHANGED:
        // Another window took the mouse; the list's own release lets it go too.
        if (!releasing_) control_.Cancelled();
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        return 0; // selects nothing
    default:
        break;
    }
    return CallOriginal(message, wParam, lParam);
}

Index ListBoxWindow::ItemAt(LPARAM point) const
{
    const LRESULT hit = SendMessageW(Handle(), LB_ITEMFROMPOINT, 0, point);
    const bool onItem = HIWORD(hit) == 0 && LOWORD(hit) < static_cast<WORD>(control_.ListCount());
    return onItem ? static_cast<Index>(LOWORD(hit)) : Index{-1};
}

Index ListBoxWindow::SystemSelection() const
{
    const LRESULT selected = SendMessageW(Handle(), LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? Index{-1} : static_cast<Index>(selected);
}

} // namespace ribi::form::win32
