#include "form/win32/list_box_control.h"

#include "form/control_error.h"
#include "form/win32/win32_text.h"

#include <string>

namespace ribi::form::win32 {

ListBoxControl::ListBoxControl(HWND control, std::function<void()> raiseClick)
    : SubclassedControl(control), raiseClick_(std::move(raiseClick))
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

// During a press the release decides; otherwise (arrow keys, typed
// letters) only a change of the selection is a Click: an arrow at the end
// of the list notifies without moving.
void ListBoxControl::SelectionChanged()
{
    if (!pressed_) RaiseClickIfChanged();
}

LRESULT ListBoxControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
        pressed_ = OnItem(lParam);
        break;
    case WM_LBUTTONDBLCLK:
        // The second press of a double click: a new Click only on another item.
        if (!OnItem(lParam) || ItemAt(lParam) == ListIndex()) return 0;
        pressed_ = true;
        return CallOriginal(WM_LBUTTONDOWN, wParam, lParam);
    case WM_LBUTTONUP: {
        releasing_ = true;
        const LRESULT result = CallOriginal(message, wParam, lParam);
        releasing_ = false;
        if (pressed_) {
            pressed_ = false;
            if (ListIndex() >= 0) RaiseClick(); // the item already selected too
        }
        return result;
    }
    case WM_CAPTURECHANGED:
        // A press that ends without its release (another window took the mouse).
        if (pressed_ && !releasing_) {
            pressed_ = false;
            RaiseClickIfChanged();
        }
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

bool ListBoxControl::OnItem(LPARAM point) const
{
    const LRESULT hit = SendMessageW(Handle(), LB_ITEMFROMPOINT, 0, point);
    return HIWORD(hit) == 0 && LOWORD(hit) < static_cast<WORD>(ListCount());
}

Index ListBoxControl::ItemAt(LPARAM point) const
{
    return static_cast<Index>(LOWORD(SendMessageW(Handle(), LB_ITEMFROMPOINT, 0, point)));
}

void ListBoxControl::RaiseClickIfChanged()
{
    if (clicks_.IsNew(ListIndex())) RaiseClick();
}

void ListBoxControl::RaiseClick()
{
    clicks_.Raised(ListIndex());
    raiseClick_();
}

} // namespace ribi::form::win32
