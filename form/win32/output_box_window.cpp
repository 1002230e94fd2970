#include "form/win32/output_box_window.h"

#include "form/win32/accessible_name.h"
#include "form/win32/win32_text.h"

namespace ribi::form::win32 {

OutputBoxWindow::OutputBoxWindow(HWND edit, TextBoxControl& control) : SubclassedControl(edit), control_(control)
{
    // An edit takes some 30 000 typed or pasted characters by default; a
    // pupil's pasted page is kept whole.
    SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
    control_.Attach(this, LineBreaks::CrLf);
}

OutputBoxWindow::~OutputBoxWindow()
{
    control_.Attach(nullptr, LineBreaks::CrLf);
}

void OutputBoxWindow::ShowText(std::u16string_view text)
{
    showing_ = true;
    SetWindowTextTo(Handle(), text);
    showing_ = false;
    ShowFromTop();
    RaiseValueChange(Handle()); // the edit itself tells only of typing
}

std::u16string OutputBoxWindow::TypedText() const
{
    return WindowText(Handle());
}

void OutputBoxWindow::ShowFromTop()
{
    SendMessageW(Handle(), EM_SETSEL, 0, 0);
    SendMessageW(Handle(), EM_SCROLLCARET, 0, 0);
    SendMessageW(Handle(), WM_VSCROLL, SB_TOP, 0);
}

void OutputBoxWindow::Changed()
{
    if (!showing_) control_.Typed();
}

LRESULT OutputBoxWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETDLGCODE: {
        LRESULT code = CallOriginal(message, wParam, lParam);
        // Tab into the box leaves the caret where the pupil left it: with
        // the text all selected, the next key would replace it.
        code &= ~DLGC_HASSETSEL;
        // A multi-line edit asks for every key; Tab moves on to the next
        // control instead of typing a tab.
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
