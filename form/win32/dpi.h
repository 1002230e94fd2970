#pragma once

// The dots per inch a window is drawn at. The program is per-monitor DPI
// aware, so this is the DPI of the monitor the window is on.

#include <windows.h>

namespace ribi::form::win32 {

inline constexpr UINT kDefaultDpi = 96;

// WM_DPICHANGED (Windows 8.1 and later), which older headers lack: wParam
// holds the new DPI, lParam the suggested window rectangle.
inline constexpr UINT kDpiChangedMessage = 0x02E0;

// GetDpiForWindow where the system has it (Windows 10), else the screen's.
UINT WindowDpi(HWND window);

// Font height for CreateFontW: negative, so that it is the character
// height (the em) rather than the cell.
inline int FontHeight(int points, UINT dpi)
{
    return -MulDiv(points, static_cast<int>(dpi), 72);
}

} // namespace ribi::form::win32
