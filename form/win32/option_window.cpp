#include "form/win32/option_window.h"

namespace ribi::form::win32 {
namespace {

bool IsArrow(WPARAM key)
{
    return key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT;
}

} // namespace

OptionWindow::OptionWindow(HWND button, OptionButtonControl& control) : SubclassedControl(button), control_(control)
{
    control_.Attach(this);
}

OptionWindow::~OptionWindow()
{
    control_.Attach(nullptr);
}

void OptionWindow::ShowChecked(bool checked)
{
    SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void OptionWindow::ShowTabStop(bool tabStop)
{
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    const LONG_PTR wanted = tabStop ? (style | WS_TABSTOP) : (style & ~LONG_PTR{WS_TABSTOP});
    if (wanted != style) SetWindowLongPtrW(Handle(), GWL_STYLE, wanted);
}

void OptionWindow::TakeFocus()
{
    SetFocus(Handle());
}

void OptionWindow::Clicked()
{
    if (!focusing_) control_.Clicked();
}

LRESULT OptionWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETDLGCODE: {
        // The arrows are ours, not the dialog manager's: it would move the
        // focus without selecting on some systems and select on others.
        LRESULT code = CallOriginal(message, wParam, lParam);
        const auto* pending = reinterpret_cast<const MSG*>(lParam);
        if (pending && pending->message == WM_KEYDOWN && IsArrow(pending->wParam)) code |= DLGC_WANTARROWS;
        return code;
    }
    case WM_KEYDOWN:
        if (IsArrow(wParam) && control_.Arrow(wParam == VK_DOWN || wParam == VK_RIGHT)) return 0;
        break;
    case WM_SETFOCUS: {
        // Windows checks an auto radio button that gets the focus from the
        // keyboard, and reports it as clicked; focus alone selects nothing here.
        focusing_ = true;
        const LRESULT result = CallOriginal(message, wParam, lParam);
        focusing_ = false;
        control_.ShowGroupAgain();
        return result;
    }
    default:
        break;
    }
    return CallOriginal(message, wParam, lParam);
}

} // namespace ribi::form::win32
