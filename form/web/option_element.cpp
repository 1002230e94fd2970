#include "form/web/option_element.h"

#include "form/web/dom_element.h"
#include "form/web/web_text.h"

namespace ribi::form::web {

using emscripten::val;

OptionElement::OptionElement(const val& label, bool drawn, std::u16string_view group, std::u16string_view caption,
                             std::function<void()> raiseClick)
    : input_(drawn ? label.call<val>("querySelector", val("input")) : AppendElement(label, "input")), caption_(caption),
      raiseClick_(std::move(raiseClick)), click_([this](const val&) {
          UpdateTabStops();
          raiseClick_();
      }),
      keyDown_([this](const val& e) { KeyDown(e); })
{
    if (!drawn) {
        label["classList"].call<void>("add", val("ribi-option"));
        input_.set("type", val("radio"));
        input_.set("name", ToJs(group));
        AppendElement(label, "span").set("textContent", ToJs(caption));
    }
    // A click on the label reaches the input as a click of its own.
    click_.ListenTo(input_, "click");
    keyDown_.ListenTo(input_, "keydown");
}

std::u16string OptionElement::Caption() const
{
    return caption_;
}

bool OptionElement::Value() const
{
    return input_["checked"].as<bool>();
}

void OptionElement::SetValue(bool value)
{
    const bool raisesClick = WriteRaisesClick(Value(), value);
    input_.set("checked", value); // a radio checked deselects the others of its group
    UpdateTabStops();
    if (raisesClick) raiseClick_();
}

// Down and Right select the next option, Up and Left the one before, round
// the group, as a user's click on it.
void OptionElement::KeyDown(const val& event)
{
    const std::string key = event["key"].as<std::string>();
    const bool forward = key == "ArrowDown" || key == "ArrowRight";
    const bool back = key == "ArrowUp" || key == "ArrowLeft";
    const bool modified = event["ctrlKey"].as<bool>() || event["altKey"].as<bool>() || event["shiftKey"].as<bool>() ||
                          event["metaKey"].as<bool>();
    OptionElement* next = (forward || back) && !modified ? OwnGroup().Step(this, forward) : nullptr;
    if (!next) return;
    event.call<void>("preventDefault");
    next->input_.call<void>("focus");
    next->input_.set("checked", true);
    next->UpdateTabStops();
    next->raiseClick_();
}

void OptionElement::SetTabStop(bool tabStop)
{
    input_.set("tabIndex", tabStop ? 0 : -1);
}

} // namespace ribi::form::web
