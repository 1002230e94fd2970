#pragma once

// The form runtime: a window's controls built from its description, with
// each control's state and rules, offered to the handlers through the
// control operations, and the Clicks the controls raise delivered to one
// sink. It knows no toolkit; a binding builds the widgets from the same
// plan and attaches each as the view of its control.

#include "form/controls.h"
#include "form/form_plan.h"
#include "form/list_box_control.h"
#include "form/option_button_control.h"
#include "form/text_box_control.h"

#include <memory>
#include <vector>

namespace ribi::form {

class Form final : public Controls {
public:
    // `description` must outlive the form.
    explicit Form(const FormDescription& description);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const FormPlan& Plan() const { return plan_; }

    // Element `index` of each array; one that does not exist is a ControlError.
    ListBoxControl& List1(Index index) override;
    OptionButtonControl& Option1(Index index) override;
    TextBoxControl& Text1(Index index) override;

    // The control at `position` in the plan, for the binding that shows
    // it; nullptr where the control is of another kind.
    ListBoxControl* ListAt(Position position) const { return lists_.at(position).get(); }
    OptionButtonControl* OptionAt(Position position) const { return options_.at(position).get(); }
    TextBoxControl* TextAt(Position position) const { return texts_.at(position).get(); }

    // Where the Clicks go from now on; nullptr for nowhere.
    void Connect(ClickSink* sink) { sink_ = sink; }

    // A Click is being handled.
    bool InClick() const { return clicksRunning_ > 0; }

private:
    friend class ListBoxControl;
    friend class OptionButtonControl;

    void RaiseListClick(Index index);
    void RaiseOptionClick(Index index);

    // For the length of one Click, nested ones included: what the
    // handlers write reaches the views once, when the outermost ends.
    class RunningClick {
    public:
        explicit RunningClick(Form& form);
        ~RunningClick();
        RunningClick(const RunningClick&) = delete;
        RunningClick& operator=(const RunningClick&) = delete;

    private:
        Form& form_;
    };

    const FormPlan plan_;
    // By the control's position in the plan, null where another kind is.
    std::vector<std::unique_ptr<ListBoxControl>> lists_;
    std::vector<std::unique_ptr<OptionButtonControl>> options_;
    std::vector<std::unique_ptr<TextBoxControl>> texts_;
    ClickSink* sink_ = nullptr;
    int clicksRunning_ = 0;
};

} // namespace ribi::form
