#include "form/win32/frame_control.h"

namespace ribi::form::win32 {

LRESULT FrameControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        return SendMessageW(GetParent(Handle()), message, wParam, lParam);
    case WM_ERASEBKGND: {
        const auto dc = reinterpret_cast<HDC>(wParam);
        const auto brush = reinterpret_cast<HBRUSH>(
            SendMessageW(GetParent(Handle()), WM_CTLCOLORSTATIC, wParam, reinterpret_cast<LPARAM>(Handle())));
        if (!brush) break;
        RECT inside{};
        GetClientRect(Handle(), &inside);
        FillRect(dc, &inside, brush);
        return 1;
    }
    default:
        break;
    }
    return CallOriginal(message, wParam, lParam);
}

} // namespace ribi::form::win32
