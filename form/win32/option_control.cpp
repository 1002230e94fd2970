#include "form/win32/option_control.h"

#include "form/win32/win32_text.h"

namespace ribi::form::win32 {
namespace {

bool IsArrow(WPARAM key)
{
    return key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT;
}

} // namespace

OptionControl::OptionControl(HWND control, std::function<void()> raiseClick)
    : SubclassedControl(control), raiseClick_(std::move(raiseClick))
{
}

std::u16string OptionControl::Caption() const
{
    return WindowText(Handle());
}

bool OptionControl::Value() const
{
    return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void OptionControl::SetValue(bool value)
{
    if (!WriteRaisesClick(Value(), value)) {
        if (value) return; // selected already
        Check(false);
        UpdateTabStops();
        return;
    }
    for (auto* option : OwnGroup().Members()) option->Check(option == this);
    if (OwnGroup().Members().empty()) Check(true);
    UpdateTabStops();
    raiseClick_();
}

void OptionControl::Clicked()
{
    if (focusing_) return;
    UpdateTabStops(); // the button has checked itself and cleared the others
    raiseClick_();
}

LRESULT OptionControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
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
        if (OptionControl* next =
                IsArrow(wParam) ? OwnGroup().Step(this, wParam == VK_DOWN || wParam == VK_RIGHT) : nullptr) {
            SetFocus(next->Handle());
            next->SelectAsUser();
            return 0;
        }
        break;
    case WM_SETFOCUS: {
        // Windows checks an auto radio button that gets the focus from the
        // keyboard, and reports it as clicked; focus alone selects nothing here.
        const auto& group = OwnGroup().Members();
        std::vector<bool> before;
        before.reserve(group.size());
        for (auto* option : group) before.push_back(option->Value());
        focusing_ = true;
        const LRESULT result = CallOriginal(message, wParam, lParam);
        focusing_ = false;
        for (std::size_t i = 0; i < group.size(); ++i)
            if (group[i]->Value() != before[i]) group[i]->Check(before[i]);
        UpdateTabStops();
        return result;
    }
    default:
        break;
    }
    return CallOriginal(message, wParam, lParam);
}

void OptionControl::Check(bool checked)
{
    SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void OptionControl::SelectAsUser()
{
    for (auto* option : OwnGroup().Members()) option->Check(option == this);
    UpdateTabStops();
    raiseClick_();
}

void OptionControl::SetTabStop(bool tabStop)
{
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    const LONG_PTR wanted = tabStop ? (style | WS_TABSTOP) : (style & ~LONG_PTR{WS_TABSTOP});
    if (wanted != style) SetWindowLongPtrW(Handle(), GWL_STYLE, wanted);
}

} // namespace ribi::form::win32
