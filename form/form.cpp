#include "form/form.h"

#include "form/control_error.h"

namespace ribi::form {
namespace {

// Element `index` of the array `name`, as `built` holds it by position.
template <typename Control>
Control& ElementAt(const FormPlan& plan, const std::vector<std::unique_ptr<Control>>& built, std::u16string_view name,
                   Index index)
{
    const auto position = plan.Element(name, index);
    if (!position || !built[*position]) throw ControlError(ElementName(name, index) + ": no such element");
    return *built[*position];
}

} // namespace

Form::Form(const FormDescription& description)
    : plan_(description), lists_(plan_.Count()), options_(plan_.Count()), texts_(plan_.Count())
{
    for (Position position = 0; position < plan_.Count(); ++position) {
        const ControlDescription& control = plan_.At(position);
        switch (control.kind) {
        case ControlKind::ListBox:
            lists_[position] = std::make_unique<ListBoxControl>(*this, control.index, control.items);
            break;
        case ControlKind::OptionButton:
            options_[position] = std::make_unique<OptionButtonControl>(*this, control.index, control.text);
            break;
        case ControlKind::TextBox:
            texts_[position] = std::make_unique<TextBoxControl>(*this, control.text);
            break;
        case ControlKind::Label:
        case ControlKind::Frame:
            break;
        }
    }
    for (const auto& group : plan_.OptionGroups()) {
        std::vector<OptionButtonControl*> members;
        members.reserve(group.size());
        for (const Position position : group) members.push_back(options_[position].get());
        OptionButtonControl::Group(members);
    }
}

ListBoxControl& Form::List1(Index index)
{
    return ElementAt(plan_, lists_, u"List1", index);
}

OptionButtonControl& Form::Option1(Index index)
{
    return ElementAt(plan_, options_, u"Option1", index);
}

TextBoxControl& Form::Text1(Index index)
{
    return ElementAt(plan_, texts_, u"Text1", index);
}

void Form::RaiseListClick(Index index)
{
    const RunningClick click(*this);
    if (sink_) sink_->ListClick(index);
}

void Form::RaiseOptionClick(Index index)
{
    const RunningClick click(*this);
    if (sink_) sink_->OptionClick(index);
}

Form::RunningClick::RunningClick(Form& form) : form_(form)
{
    ++form_.clicksRunning_;
}

Form::RunningClick::~RunningClick()
{
    if (--form_.clicksRunning_ > 0) return;
    for (const auto& text : form_.texts_)
        if (text) text->ClickEnded();
}

} // namespace ribi::form
