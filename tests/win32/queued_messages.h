#pragma once

// The tests' pump: every message queued now, handed on as the program's
// loop would, without waiting for more.

#include "form/win32/message_loop.h"

#include <windows.h>

namespace ribi::testing {

inline void DeliverQueued(HWND window)
{
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam)); // for the loop that waits for it
            return;
        }
        form::win32::DispatchThroughDialogManager(window, message);
    }
}

} // namespace ribi::testing
