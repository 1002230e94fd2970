#pragma once

// An option button of the form: its caption, whether it is selected, its
// group (the options of one frame), and when it raises Click: when a write
// of Value selects it, and whenever the pupil clicks it, also when it is
// selected already. Tab enters a group at its selected option, or at the
// first while none is; an arrow key selects the next option round the
// group, as a click on it.

#include "form/controls.h"
#include "form/views.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ribi::form {

class Form;

class OptionButtonControl final : public OptionButton {
public:
    // Element `index` of its array in `form`.
    OptionButtonControl(Form& form, Index index, std::u16string_view caption);
    OptionButtonControl(const OptionButtonControl&) = delete;
    OptionButtonControl& operator=(const OptionButtonControl&) = delete;

    // Makes `options`, one frame's in Index order, one group, before any
    // of them has a view.
    static void Group(const std::vector<OptionButtonControl*>& options);

    std::u16string Caption() const override { return caption_; }
    bool Value() const override { return checked_; }
    // Writing true selects it and deselects the others of its group, and
    // raises Click when it was not selected; clearing it is silent.
    void SetValue(bool value) override;

    // The view that shows the option from now on; nullptr for none. It is
    // shown its state now.
    void Attach(OptionButtonView* view);

    // The pupil clicked it: the mouse, Space, an assistive technology's action.
    void Clicked();
    // An arrow key on it: Down and Right go forward, Up and Left back.
    // False when there is no other option to go to.
    bool Arrow(bool forward);
    // Whether Tab enters the group here.
    bool TabStop() const;
    // The toolkit changed what its widgets show by itself, without a
    // click: each option of the group is shown as it is again.
    void ShowGroupAgain();

private:
    using Members = std::vector<OptionButtonControl*>;

    void Select();
    void Show();
    void RaiseClick();

    Form& form_;
    Index index_;
    std::u16string caption_;
    OptionButtonView* view_ = nullptr;
    bool checked_ = false;
    std::shared_ptr<const Members> group_; // itself alone until grouped
};

} // namespace ribi::form
