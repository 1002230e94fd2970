#pragma once

// An option button: a radio input in a label that spans the option's
// rectangle, so a press anywhere in it counts. A user's click (mouse,
// Space, arrow keys) always raises Click; a write of Value raises it only
// when it selects the option, since the DOM raises nothing for a write.

#include "form/option_group.h"
#include "form/web/dom_listener.h"

#include <emscripten/val.h>

#include <functional>
#include <string>

namespace ribi::form::web {

class OptionElement final : public GroupedOptionButton<OptionElement> {
public:
    // Fills `label` with a radio input of group `group` and `caption`, or
    // takes over the input where the page holds the label `drawn` already.
    OptionElement(const emscripten::val& label, bool drawn, std::u16string_view group, std::u16string_view caption,
                  std::function<void()> raiseClick);

    std::u16string Caption() const override;
    bool Value() const override;
    void SetValue(bool value) override;

private:
    void KeyDown(const emscripten::val& event);
    void SetTabStop(bool tabStop) override;

    emscripten::val input_;
    std::u16string caption_;
    std::function<void()> raiseClick_;
    DomListener click_;
    DomListener keyDown_;
};

} // namespace ribi::form::web
