#pragma once

// The control arrays of a window built from its plan: what each binding
// holds of every kind, by the control's position in the plan, the form
// layer's operations looking elements up by name and Index, and the way
// the controls' clicks reach the handlers. A slot is a raw or an owning
// pointer, null where the control is another kind.

#include "form/control_array.h"
#include "form/controls.h"
#include "form/form_plan.h"
#include "form/refresh_once.h"

#include <functional>
#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

namespace ribi::form {

template <typename ListSlot, typename OptionSlot, typename TextSlot> class PlannedControls : public Controls {
public:
    ListBox& List1(Index index) override { return ElementAt(plan_, lists_, u"List1", index); }
    OptionButton& Option1(Index index) override { return ElementAt(plan_, options_, u"Option1", index); }
    TextBox& Text1(Index index) override { return ElementAt(plan_, texts_, u"Text1", index); }

    // Where the clicks go from now on.
    void Connect(ClickSink& sink) { sink_ = &sink; }

protected:
    using OptionType = std::remove_reference_t<decltype(*std::declval<OptionSlot>())>;

    // `description` must outlive the controls.
    explicit PlannedControls(const FormDescription& description)
        : plan_(description), lists_(plan_.Count()), options_(plan_.Count()), texts_(plan_.Count())
    {
    }

    // Makes the options built one group per frame, each in Index order.
    void GroupOptions()
    {
        for (const auto& group : plan_.OptionGroups()) {
            std::vector<OptionType*> members;
            members.reserve(group.size());
            for (const Position position : group) members.push_back(&*options_[position]);
            OptionType::Group(members);
        }
    }

    // What a control calls to raise its Click: `event` of the sink, with
    // the control's Index.
    std::function<void()> ClickOf(void (ClickSink::*event)(Index), Index index)
    {
        return [this, event, index] { Deliver(event, index); };
    }

    void Deliver(void (ClickSink::*event)(Index), Index index)
    {
        if (!sink_) return;
        // Where the output box holds its refresh, it reaches the screen
        // once, when the outermost click is done.
        std::optional<RefreshOnce::Hold> refreshOnce;
        if constexpr (requires(TextSlot box) { box->Refreshing(); })
            if (const auto output = plan_.Element(u"Text1", 0); output && texts_[*output])
                refreshOnce.emplace(texts_[*output]->Refreshing());
        (sink_->*event)(index);
    }

    const FormPlan plan_;
    std::vector<ListSlot> lists_;
    std::vector<OptionSlot> options_;
    std::vector<TextSlot> texts_;
    ClickSink* sink_ = nullptr;
};

} // namespace ribi::form
