#pragma once

// What every binding builds from a window's description, decided once:
// which described control is which element of which control array, the
// option groups and the order in which Tab visits the controls. A control
// is named by its position in the description's list of controls.

#include "form/form_description.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ribi::form {

using Position = std::size_t;

// An element as diagnostics name it: "List1(2)".
std::string ElementName(std::u16string_view name, Index index);
// An element as the windows name their controls (object name, element id): "List1_2".
std::u16string ElementId(std::u16string_view name, Index index);

class FormPlan {
public:
    // Throws std::invalid_argument for a negative Index or for an element
    // of a control array described twice.
    explicit FormPlan(const FormDescription& description);

    const FormDescription& Description() const { return description_; }
    std::size_t Count() const { return description_.controls.size(); }
    const ControlDescription& At(Position position) const { return description_.controls.at(position); }

    // Element `index` of the control array `name`, by its declared name and
    // Index whatever the order of the description; nullopt when none is.
    std::optional<Position> Element(std::u16string_view name, Index index) const;

    // The option buttons, one group per frame (and one for those directly
    // on the window), each in Index order.
    const std::vector<std::vector<Position>>& OptionGroups() const { return optionGroups_; }

    // The controls Tab visits, in the order of the description: the visible
    // tab stops, never a label or a frame.
    const std::vector<Position>& TabOrder() const { return tabOrder_; }

private:
    void Join(Position option);

    const FormDescription& description_;
    std::vector<std::vector<Position>> optionGroups_;
    std::vector<Position> tabOrder_;
};

} // namespace ribi::form
