#include "form/win32/list_box_control.h"

#include "form/control_error.h"
#include "form/win32/win32_text.h"

#include <string>

namespace ribi::form::win32 {

ListBoxControl::ListBoxControl(HWND control, std::function<void()> raiseClick)
    : SubclassedControl(control), clicks_(*this, std::move(raiseClick), [this](Index row) {
          SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
      })
{
}

Index ListBoxControl::ListCount() const
{
    return static_cast<Index>(SendMessageW(Handle(), LB_GETCOUNT, 0, 0));
}

Index ListBoxControl::ListIndex() const
{
    const LRESULT selected = SendMessageW(Handle(), LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? Index{-1} : static_cast<Index>(selected);
}

std::u16string ListBoxControl::List(Index position) const
{
    if (position < 0 || position >= ListCount())
        throw ControlError("List(" + std::to_string(position) + "): no such item");
    const auto at = static_cast<WPARAM>(position);
    const LRESULT length = SendMessageW(Handle(), LB_GETTEXTLEN, at, 0);
    std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    const LRESULT copied = SendMessageW(Handle(), LB_GETTEXT, at, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return FromWide(text);
}

void ListBoxControl::AddItem(std::u16string_view text)
{
    const std::wstring item = ToWide(text);
    SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

// Arrow keys and typed letters (an arrow at the end of the list notifies
// without moving), and the system's own tracking of a press, which the
// release decides.
void ListBoxControl::SelectionChanged()
{
    clicks_.KeySelected();
}

LRESULT ListBoxControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
        clicks_.Press(ItemAt(lParam)); // before the list's own selecting notifies
        break;
    case WM_LBUTTONDBLCLK:
        clicks_.SecondPress(ItemAt(lParam));
        return clicks_.Pressed() ? CallOriginal(WM_LBUTTONDOWN, wParam, lParam) : 0;
    case WM_MOUSEMOVE: {
        const LRESULT result = CallOriginal(message, wParam, lParam);
        if (wParam & MK_LBUTTON) clicks_.Move(ItemAt(lParam));
        return result;
    }
    case WM_LBUTTONUP: {
        releasing_ = true;
        const LRESULT result = CallOriginal(message, wParam, lParam);
        releasing_ = false;
        clicks_.Release();
        return result;
    }
    case WM_CAPTURECHANGED:
        // Another window took the mouse; the list's own release lets it go too.
        if (!releasing_) clicks_.Cancelled();
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

Index ListBoxControl::ItemAt(LPARAM point) const
{
    const LRESULT hit = SendMessageW(Handle(), LB_ITEMFROMPOINT, 0, point);
    const bool onItem = HIWORD(hit) == 0 && LOWORD(hit) < static_cast<WORD>(ListCount());
    return onItem ? static_cast<Index>(LOWORD(hit)) : Index{-1};
}

} // namespace ribi::form::win32
