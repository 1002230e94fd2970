#pragma once

// The view of an option button: a radio input in a label that spans the
// option's rectangle, so a press anywhere in it counts. A pupil's click,
// Space included, and the arrow keys go to the form's option, which
// decides what is checked and when Click is raised.

#include "form/option_button_control.h"
#include "form/views.h"
#include "form/web/dom_listener.h"

#include <string_view>

namespace ribi::form::web {

class OptionElement final : public OptionButtonView {
public:
    // Fills `label` with a radio input of group `group` and the caption of
    // `option`, or takes over the input where the page holds the label
    // `drawn` already. `option` must outlive the view.
    OptionElement(const Js& label, bool drawn, std::u16string_view group, OptionButtonControl& option);
    ~OptionElement() override;
    OptionElement(const OptionElement&) = delete;
    OptionElement& operator=(const OptionElement&) = delete;

    void ShowChecked(bool checked) override;
    void ShowTabStop(bool tabStop) override;
    void TakeFocus() override;

private:
    void Clicked() { option_.Clicked(); }
    void KeyDown();

    Js input_;
    OptionButtonControl& option_;
    DomListener click_;
    DomListener keyDown_;
};

} // namespace ribi::form::web
