#pragma once

// An option button: a radio input in a label that spans the option's
// rectangle, so a press anywhere in it counts. A user's click (mouse,
// Space, arrow keys) always raises Click; a write of Value raises it only
// when it selects the option, since the DOM raises nothing for a write.

#include "form/controls.h"
#include "form/option_group.h"
#include "form/web/dom_listener.h"

#include <emscripten/val.h>

#include <functional>
#include <string>
#include <vector>

namespace ribi::form::web {

class OptionElement final : public OptionButton {
public:
    // Fills `label` with a radio input of group `group` and `caption`.
    OptionElement(const emscripten::val& label, std::u16string_view group, std::u16string_view caption,
                  std::function<void()> raiseClick);

    // The options of one frame: arrow keys move among them, and the group
    // is one tab stop, the selected option or else the first.
    static void Group(const std::vector<OptionElement*>& options);

    std::u16string Caption() const override;
    bool Value() const override;
    void SetValue(bool value) override;

private:
    void KeyDown(const emscripten::val& event);
    void UpdateTabStops();

    emscripten::val input_;
    std::u16string caption_;
    std::function<void()> raiseClick_;
    OptionGroup<OptionElement> group_;
    DomListener click_;
    DomListener keyDown_;
};

} // namespace ribi::form::web
