#include "form/form_plan.h"

#include "form/conversions.h"

#include <algorithm>
#include <stdexcept>

namespace ribi::form {

std::string ElementName(std::u16string_view name, Index index)
{
    // Array names are ASCII identifiers.
    return std::string(name.begin(), name.end()) + "(" + Decimal(index) + ")";
}

std::u16string ElementId(std::u16string_view name, Index index)
{
    std::u16string id(name);
    id += u'_';
    for (const char digit : Decimal(index)) id += static_cast<char16_t>(digit);
    return id;
}

FormPlan::FormPlan(const FormDescription& description) : description_(description)
{
    const auto& controls = description.controls;
    for (Position position = 0; position < controls.size(); ++position) {
        const auto& control = controls[position];
        if (control.index < 0)
            throw std::invalid_argument(ElementName(control.name, control.index) + ": negative Index");
        if (Element(control.name, control.index) != position)
            throw std::invalid_argument(ElementName(control.name, control.index) + " is described twice");
        if (control.kind == ControlKind::OptionButton) Join(position);
        const bool focusable = control.kind != ControlKind::Label && control.kind != ControlKind::Frame;
        if (focusable && control.visible && control.tabStop) tabOrder_.push_back(position);
    }
}

// Into its frame's group, after those of a lower Index. (A window holds a
// few options: a search and a swap or two cost less code than a map and a
// sort.)
void FormPlan::Join(Position option)
{
    const auto& controls = description_.controls;
    auto group = std::find_if(optionGroups_.begin(), optionGroups_.end(), [&](const auto& g) {
        return controls[g.front()].container == controls[option].container;
    });
    auto& members = group == optionGroups_.end() ? optionGroups_.emplace_back() : *group;
    members.push_back(option);
    for (auto at = members.end() - 1; at != members.begin() && controls[*(at - 1)].index > controls[*at].index; --at)
        std::iter_swap(at - 1, at);
}

std::optional<Position> FormPlan::Element(std::u16string_view name, Index index) const
{
    const auto& controls = description_.controls;
    for (Position position = 0; position < controls.size(); ++position)
        if (controls[position].name == name && controls[position].index == index) return position;
    return std::nullopt;
}

} // namespace ribi::form
