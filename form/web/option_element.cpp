#include "form/web/option_element.h"

#include "form/web/dom_element.h"

#include <string>

namespace ribi::form::web {

OptionElement::OptionElement(const Js& label, bool drawn, std::u16string_view group, OptionButtonControl& option)
    : input_(drawn ? label.Query("input") : AppendElement(label, "input")), option_(option),
      click_(ListenerCall::To<&OptionElement::Clicked>(this)), keyDown_(ListenerCall::To<&OptionElement::KeyDown>(this))
{
    if (!drawn) {
        label.SetClass("ribi-option");
        input_.Set("type", u"radio");
        input_.Set("name", group);
        AppendElement(label, "span").Set("textContent", option_.Caption());
    }
    // A click on the label reaches the input as a click of its own.
    click_.ListenTo(input_, "click");
    keyDown_.ListenTo(input_, "keydown");
    option_.Attach(this);
}

OptionElement::~OptionElement()
{
    option_.Attach(nullptr);
}

void OptionElement::ShowChecked(bool checked)
{
    input_.Set("checked", checked ? 1 : 0);
}

void OptionElement::ShowTabStop(bool tabStop)
{
    input_.Set("tabIndex", tabStop ? 0 : -1);
}

void OptionElement::TakeFocus()
{
    ribi_dom_focus(input_.Slot(), false);
}

// The browser's own arrow keys would check the next radio without a click
// of the form's: the form's option moves instead.
void OptionElement::KeyDown()
{
    const Js event = Js::Event();
    const std::u16string key = event.Text("key");
    const bool forward = key == u"ArrowDown" || key == u"ArrowRight";
    const bool back = key == u"ArrowUp" || key == u"ArrowLeft";
    const bool modified =
        event.Flag("ctrlKey") || event.Flag("altKey") || event.Flag("shiftKey") || event.Flag("metaKey");
    if ((forward || back) && !modified && option_.Arrow(forward)) event.Call("preventDefault");
}

} // namespace ribi::form::web
