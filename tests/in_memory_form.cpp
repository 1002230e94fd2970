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
    if (!form::WriteRaisesClick(value_, value)) {
        if (!value) value_ = false;
        return;
    }
    for (auto* other : OwnGroup().Members()) other->value_ = false;
    value_ = true;
    form_.RaiseOptionClick(index_);
}

InMemoryForm::InMemoryForm(const form::FormDescription& description) : PlannedControls(description)
{
    for (form::Position position = 0; position < plan_.Count(); ++position) {
        const auto& control = plan_.At(position);
        switch (control.kind) {
        case form::ControlKind::ListBox:
            lists_[position] = std::make_unique<InMemoryListBox>(
                std::vector<std::u16string>(control.items.begin(), control.items.end()));
            break;
        case form::ControlKind::OptionButton:
            options_[position] = std::make_unique<InMemoryOption>(*this, control.index, std::u16string(control.text));
            break;
        case form::ControlKind::TextBox:
            texts_[position] = std::make_unique<InMemoryTextBox>(std::u16string(control.text));
            break;
        case form::ControlKind::Label:
        case form::ControlKind::Frame:
            break;
        }
    }
    GroupOptions();
}

void InMemoryForm::UserClicksListItem(form::Index position)
{
    List1(0).Select(position);
    Deliver(&form::ClickSink::ListClick, 0);
}

// A user's click on an option raises Click whether or not it was selected.
void InMemoryForm::UserClicksOption(form::Index index)
{
    auto& option = Option1(index);
    if (!option.value_) {
        option.SetValue(true);
        return;
    }
    RaiseOptionClick(index);
}

void InMemoryForm::RaiseOptionClick(form::Index index)
{
    ++Option1(index).clicksRaised;
    Deliver(&form::ClickSink::OptionClick, index);
}

} // namespace ribi::testing
