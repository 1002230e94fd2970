#include "form/form_plan.h"

#include <algorithm>
#include <map>
#include <stdexcept>

namespace ribi::form {

std::string ElementName(std::u16string_view name, Index index)
{
    // Array names are ASCII identifiers.
    return std::string(name.begin(), name.end()) + "(" + std::to_string(index) + ")";
}

std::u16string ElementId(std::u16string_view name, Index index)
{
    std::u16string id(name);
    id += u'_';
    for (const char digit : std::to_string(index)) id += static_cast<char16_t>(digit);
    return id;
}

FormPlan::FormPlan(const FormDescription& description) : description_(description)
{
    const auto& controls = description.controls;
    std::map<std::u16string_view, std::vector<Position>> groups;
    for (Position position = 0; position < controls.size(); ++position) {
        const auto& control = controls[position];
        if (control.index < 0)
            throw std::invalid_argument(ElementName(control.name, control.index) + ": negative Index");
        if (Element(control.name, control.index) != position)
            throw std::invalid_argument(ElementName(control.name, control.index) + " is described twice");
        if (control.kind == ControlKind::OptionButton) groups[control.container].push_back(position);
        const bool focusable = control.kind != ControlKind::Label && control.kind != ControlKind::Frame;
        if (focusable && control.visible && control.tabStop) tabOrder_.push_back(position);
    }
    for (auto& [frame, group] : groups) {
        std::sort(group.begin(), group.end(),
                  [&](Position a, Position b) { return controls[a].index < controls[b].index; });
        optionGroups_.push_back(std::move(group));
    }
}

std::optional<Position> FormPlan::Element(std::u16string_view name, Index index) const
{
    const auto& controls = description_.controls;
    for (Position position = 0; position < controls.size(); ++position)
        if (controls[position].name == name && controls[position].index == index) return position;
    return std::nullopt;
}

} // namespace ribi::form
