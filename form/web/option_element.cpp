#include "form/web/option_element.h"

#include "form/web/dom_element.h"
#include "form/web/web_text.h"

#include <string>

namespace ribi::form::web {

using emscripten::val;

OptionElement::OptionElement(const val& label, bool drawn, std::u16string_view group, OptionButtonControl& option)
    : input_(drawn ? label.call<val>("querySelector", val("input")) : AppendElement(label, "input")), option_(option),
      click_([this](const val&) { option_.Clicked(); }), keyDown_([this](const val& e) { KeyDown(e); })
{
    if (!drawn) {
        label["classList"].call<void>("add", val("ribi-option"));
        input_.set("type", val("radio"));
        input_.set("name", ToJs(group));
        AppendElement(label, "span").set("textContent", ToJs(option_.Caption()));
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
    input_.set("checked", checked);
}

void OptionElement::ShowTabStop(bool tabStop)
{
    input_.set("tabIndex", tabStop ? 0 : -1);
}

void OptionElement::TakeFocus()
{
    input_.call<void>("focus");
}

// The browser's own arrow keys would check the next radio without a click
// of the form's: the form's option moves instead.
void OptionElement::KeyDown(const val& event)
{
    const std::string key = event["key"].as<std::string>();
    const bool forward = key == "ArrowDown" || key == "ArrowRight";
    const bool back = key == "ArrowUp" || key == "ArrowLeft";
    const bool modified = event["ctrlKey"].as<bool>() || event["altKey"].as<bool>() || event["shiftKey"].as<bool>() ||
                          event["metaKey"].as<bool>();
    if ((forward || back) && !modified && option_.Arrow(forward)) event.call<void>("preventDefault");
}

} // namespace ribi::form::web
