#include "form/win32/output_box_control.h"

#include "form/win32/accessible_name.h"
#include "form/win32/win32_text.h"

namespace ribi::form::win32 {

OutputBoxControl::OutputBoxControl(HWND control) : SubclassedControl(control)
{
    // An edit takes some 30 000 typed or pasted characters by default; a
    // pupil's pasted page is kept whole.
    SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
}

std::u16string OutputBoxControl::Text() const
{
    return WindowText(Handle());
}

void OutputBoxControl::SetText(std::u16string text)
{
    SetWindowTextTo(Handle(), text);
    ShowFromTop();
    RaiseValueChange(Handle()); // the edit itself tells only of typing
}

void OutputBoxControl::ShowFromTop()
{
    SendMessageW(Handle(), EM_SETSEL, 0, 0);
    SendMessageW(Handle(), EM_SCROLLCARET, 0, 0);
    SendMessageW(Handle(), WM_VSCROLL, SB_TOP, 0);
}

LRESULT OutputBoxControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETDLGCODE: {
        // A multi-line edit asks for every key; Tab moves on to the next
        // control instead of typing a tab.
        LRESULT code = CallOriginal(message, wParam, lParam);
        const auto* pending = reinterpret_cast<const MSG*>(lParam);
        if (pending && (pending->message == WM_KEYDOWN || pending->message == WM_CHAR) && pending->wParam == VK_TAB)
            code &= ~(DLGC_WANTALLKEYS | DLGC_WANTTAB);
        return code;
    }
    case WM_KEYDOWN:
        // An edit inside a dialog closes it on Escape; this window has no
        // such key.
        if (wParam == VK_ESCAPE) return 0;
        break;
    default:
        break;
    }
    return CallOriginal(message, wParam, lParam);
}

} // namespace ribi::form::win32
