#pragma once

// The control arrays of a window built from its plan: what each binding
// holds of every kind, by the control's position in the plan, and the
// form layer's operations looking elements up by name and Index. A slot
// is a raw or an owning pointer, null where the control is another kind.

#include "form/control_array.h"
#include "form/controls.h"
#include "form/form_plan.h"

#include <type_traits>
#include <utility>
#include <vector>

namespace ribi::form {

template <typename ListSlot, typename OptionSlot, typename TextSlot> class PlannedControls : public Controls {
public:
    ListBox& List1(Index index) override { return ElementAt(plan_, lists_, u"List1", index); }
    OptionButton& Option1(Index index) override { return ElementAt(plan_, options_, u"Option1", index); }
    TextBox& Text1(Index index) override { return ElementAt(plan_, texts_, u"Text1", index); }

protected:
    using OptionType = std::remove_reference_t<decltype(*std::declval<OptionSlot>())>;

    // `description` must outlive the controls.
    explicit PlannedControls(const FormDescription& description)
        : plan_(description), lists_(plan_.Count()), options_(plan_.Count()), texts_(plan_.Count())
    {
    }

    // The options built, one group per frame, each in Index order.
    std::vector<std::vector<OptionType*>> OptionGroups() const
    {
        std::vector<std::vector<OptionType*>> groups;
        for (const auto& group : plan_.OptionGroups()) {
            auto& members = groups.emplace_back();
            for (const Position position : group) members.push_back(&*options_[position]);
        }
        return groups;
    }

    const FormPlan plan_;
    std::vector<ListSlot> lists_;
    std::vector<OptionSlot> options_;
    std::vector<TextSlot> texts_;
};

} // namespace ribi::form
