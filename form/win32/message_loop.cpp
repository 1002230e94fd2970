#include "form/win32/message_loop.h"

namespace ribi::form::win32 {

void DispatchThroughDialogManager(HWND window, MSG& message)
{
    if (IsWindow(window) && IsDialogMessageW(window, &message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int RunMessageLoop(HWND window)
{
    MSG message{};
    while (IsWindow(window)) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(message.wParam); // WM_QUIT
        if (got == -1) return 1;
        DispatchThroughDialogManager(window, message);
    }
    return 0;
}

} // namespace ribi::form::win32
