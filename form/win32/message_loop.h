#pragma once

// The program's message loop: keyboard messages pass through the dialog
// manager of the window first (Tab between controls, arrows in groups),
// everything else goes to its window procedure.

#include <windows.h>

namespace ribi::form::win32 {

// One message taken from the queue, as the loop hands it on.
void DispatchThroughDialogManager(HWND window, MSG& message);

// Until the window is gone or WM_QUIT arrives; the program's exit code.
int RunMessageLoop(HWND window);

} // namespace ribi::form::win32
