#include "tests/in_memory_form.h"

#include "form/control_error.h"

namespace ribi::testing {

std::u16string InMemoryListBox::List(form::Index position) const
{
    if (position < 0 || position >= ListCount())
        throw form::ControlError("List(" + std::to_string(position) + "): no such item");
    return items_[static_cast<std::size_t>(position)];
}

void InMemoryOption::SetValue(bool value)
{
    if (!value) {
        value_ = false;
        return;
    }
    if (value_) return; // already selected: the platform raises nothing
    for (auto& other : form_.options_) other->value_ = false;
    value_ = true;
    form_.RaiseOptionClick(index_);
}

InMemoryForm::InMemoryForm(const window::FormDescription& description)
{
    for (const auto& control : description.controls) {
        switch (control.kind) {
        case window::ControlKind::ListBox:
            lists_.push_back(std::make_unique<InMemoryListBox>(
                std::vector<std::u16string>(control.items.begin(), control.items.end())));
            break;
        case window::ControlKind::OptionButton:
            options_.push_back(std::make_unique<InMemoryOption>(*this, control.index, std::u16string(control.text)));
            break;
        case window::ControlKind::TextBox:
            texts_.push_back(std::make_unique<InMemoryTextBox>(std::u16string(control.text)));
            break;
        case window::ControlKind::Label:
        case window::ControlKind::Frame:
            break;
        }
    }
}

void InMemoryForm::UserClicksListItem(form::Index position)
{
    List(0).Select(position);
    if (sink_) sink_->ListClick(0);
}

// A user's click on an option raises Click whether or not it was selected.
void InMemoryForm::UserClicksOption(form::Index index)
{
    auto& option = Option(index);
    if (!option.value_) {
        option.SetValue(true);
        return;
    }
    RaiseOptionClick(index);
}

void InMemoryForm::RaiseOptionClick(form::Index index)
{
    ++Option(index).clicksRaised;
    if (sink_) sink_->OptionClick(index);
}

} // namespace ribi::testing
