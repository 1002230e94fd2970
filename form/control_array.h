#pragma once

// An element of a control array by its name and Index, as every binding
// looks it up: an element that does not exist is a failing operation.

#include "form/control_error.h"
#include "form/form_plan.h"

#include <string_view>

namespace ribi::form {

// `built` holds what the binding built of one type (raw or owning
// pointers) by the control's position in the plan, null elsewhere.
template <typename Built>
auto& ElementAt(const FormPlan& plan, const Built& built, std::u16string_view name, Index index)
{
    const auto position = plan.Element(name, index);
    if (!position || *position >= built.size() || !built[*position])
        throw ControlError(ElementName(name, index) + ": no such element");
    return *built[*position];
}

} // namespace ribi::form
