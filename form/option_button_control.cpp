#include "form/option_button_control.h"

#include "form/form.h"

#include <algorithm>

namespace ribi::form {

OptionButtonControl::OptionButtonControl(Form& form, Index index, std::u16string_view caption)
    : form_(form), index_(index), caption_(caption), group_(std::make_shared<const Members>(Members{this}))
{
}

void OptionButtonControl::Group(const std::vector<OptionButtonControl*>& options)
{
    const auto group = std::make_shared<const Members>(options);
    for (auto* option : options) option->group_ = group;
}

void OptionButtonControl::SetValue(bool value)
{
    if (!value) {
        checked_ = false;
        ShowGroupAgain(); // the tab stop may move
        return;
    }
    if (checked_) return;
    Select();
    RaiseClick();
}

void OptionButtonControl::Attach(OptionButtonView* view)
{
    view_ = view;
    Show();
}

// A click on the option already selected still lists its type: a pupil
// who sees "Непасажни" marked after a species and clicks it wants the
// listing, which then replaces the species' text.
void OptionButtonControl::Clicked()
{
    Select();
    RaiseClick();
}

bool OptionButtonControl::Arrow(bool forward)
{
    const Members& members = *group_;
    const auto at = std::find(members.begin(), members.end(), this);
    const auto count = static_cast<std::ptrdiff_t>(members.size());
    if (at == members.end() || count < 2) return false;
    const std::ptrdiff_t next = ((at - members.begin()) + (forward ? 1 : count - 1)) % count;
    OptionButtonControl* target = members[static_cast<std::size_t>(next)];
    if (target->view_) target->view_->TakeFocus();
    target->Clicked();
    return true;
}

bool OptionButtonControl::TabStop() const
{
    const Members& members = *group_;
    const auto selected = std::find_if(members.begin(), members.end(), [](auto* o) { return o->checked_; });
    return (selected != members.end() ? *selected : members.front()) == this;
}

void OptionButtonControl::ShowGroupAgain()
{
    for (auto* option : *group_) option->Show();
}

void OptionButtonControl::Select()
{
    for (auto* option : *group_) option->checked_ = option == this;
    ShowGroupAgain();
}

void OptionButtonControl::Show()
{
    if (!view_) return;
    view_->ShowChecked(checked_);
    view_->ShowTabStop(TabStop());
}

void OptionButtonControl::RaiseClick()
{
    form_.RaiseOptionClick(index_);
}

} // namespace ribi::form
