#pragma once

#include "form/form_description.h"

namespace ribi::window {

// The program's only window, with the catalogue in its lists.
const form::FormDescription& MainFormDescription();

} // namespace ribi::window
