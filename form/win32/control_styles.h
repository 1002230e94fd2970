#pragma once

// Which system control each kind of control of a description is made as:
// its window class and styles.

#include "form/form_description.h"

#include <windows.h>

namespace ribi::form::win32 {

struct ControlStyles {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

// `firstOfItsGroup`: no control of its kind came before it in its container.
ControlStyles StylesFor(const ControlDescription& control, bool firstOfItsGroup);

} // namespace ribi::form::win32
