#include "form/win32/subclassed_control.h"

namespace ribi::form::win32 {
namespace {

constexpr wchar_t kOwnerProperty[] = L"ribi.control";

} // namespace

SubclassedControl::SubclassedControl(HWND control)
    : control_(control), original_(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_WNDPROC)))
{
    SetPropW(control_, kOwnerProperty, this);
    SetWindowLongPtrW(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure));
}

SubclassedControl::~SubclassedControl()
{
    Detach();
}

void SubclassedControl::Detach()
{
    if (!control_) return;
    if (IsWindow(control_)) {
        SetWindowLongPtrW(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
        RemovePropW(control_, kOwnerProperty);
    }
    control_ = nullptr;
}

LRESULT SubclassedControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallOriginal(message, wParam, lParam);
}

LRESULT SubclassedControl::CallOriginal(UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcW(original_, control_, message, wParam, lParam);
}

LRESULT CALLBACK SubclassedControl::Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    auto* self = static_cast<SubclassedControl*>(GetPropW(control, kOwnerProperty));
    if (!self) return DefWindowProcW(control, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        const WNDPROC original = self->original_;
        self->Detach();
        return CallWindowProcW(original, control, message, wParam, lParam);
    }
    if (LRESULT object = 0; message == WM_GETOBJECT && self->name_ && self->name_->Answer(wParam, lParam, object))
        return object;
    return self->OnMessage(message, wParam, lParam);
}

} // namespace ribi::form::win32
