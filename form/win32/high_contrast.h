#pragma once

// Windows' high-contrast mode: while it is on, a program draws with the
// system's colours instead of its own, as Windows asks of every program.

#include <windows.h>

namespace ribi::form::win32 {

inline bool HighContrastOn()
{
    HIGHCONTRASTW setting{};
    setting.cbSize = sizeof setting;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) &&
           (setting.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

} // namespace ribi::form::win32
