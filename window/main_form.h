#pragma once

#include "window/form_description.h"

namespace ribi::window {

// The program's only window, with the catalogue in its lists.
const FormDescription& MainFormDescription();

} // namespace ribi::window
