#pragma once

// The rules the option buttons of one frame follow in every binding: which
// of them Tab enters, where an arrow key moves, and when writing Value is
// a Click. `Option` is the binding's option type, with `bool Value()`.

#include "form/controls.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace ribi::form {

template <typename Option> class OptionGroup {
public:
    OptionGroup() = default;
    // The options of one frame, in Index order.
    explicit OptionGroup(std::vector<Option*> members) : members_(std::move(members)) {}

    const std::vector<Option*>& Members() const { return members_; }

    // Tab enters the group at its selected option, or at the first while
    // none is; nullptr for an empty group.
    Option* TabStop() const
    {
        if (members_.empty()) return nullptr;
        const auto selected = std::find_if(members_.begin(), members_.end(), [](Option* o) { return o->Value(); });
        return selected != members_.end() ? *selected : members_.front();
    }

    // The option an arrow key moves to from `here`: the next one forward
    // (Down, Right) or the one before (Up, Left), round the ends. nullptr
    // when there is nowhere else to go.
    Option* Step(const Option* here, bool forward) const
    {
        const auto at = std::find(members_.begin(), members_.end(), here);
        const auto count = static_cast<std::ptrdiff_t>(members_.size());
        if (at == members_.end() || count < 2) return nullptr;
        const std::ptrdiff_t next = ((at - members_.begin()) + (forward ? 1 : count - 1)) % count;
        return members_[static_cast<std::size_t>(next)];
    }

private:
    std::vector<Option*> members_;
};

// An option button that belongs to its frame's group and keeps the
// group's one tab stop where the group says. `Option` is the binding's
// option type, derived from this.
template <typename Option> class GroupedOptionButton : public OptionButton {
public:
    // Makes `options`, one frame's in Index order, one group.
    static void Group(const std::vector<Option*>& options)
    {
        for (auto* option : options) option->group_ = OptionGroup<Option>(options);
        if (!options.empty()) options.front()->UpdateTabStops();
    }

protected:
    const OptionGroup<Option>& OwnGroup() const { return group_; }

    // After any change of which option is selected.
    void UpdateTabStops()
    {
        const Option* stop = group_.TabStop();
        for (GroupedOptionButton* option : group_.Members()) option->SetTabStop(option == stop);
    }

private:
    // Whether Tab enters the group here.
    virtual void SetTabStop(bool tabStop) = 0;

    OptionGroup<Option> group_;
};

// Writing Value raises the option's Click only when the write selects it:
// true to an option not selected. Clearing it, or selecting it again, is
// silent.
constexpr bool WriteRaisesClick(bool wasSelected, bool written)
{
    return written && !wasSelected;
}

} // namespace ribi::form
