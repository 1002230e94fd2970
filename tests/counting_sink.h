#pragma once

#include "form/controls.h"

namespace ribi::testing {

// Counts the clicks the window delivers before handing them on.
class CountingSink final : public form::ClickSink {
public:
    explicit CountingSink(form::ClickSink& next) : next_(next) {}
    void ListClick(form::Index index) override
    {
        ++listClicks;
        next_.ListClick(index);
    }
    void OptionClick(form::Index index) override
    {
        ++optionClicks;
        next_.OptionClick(index);
    }
    int listClicks = 0;
    int optionClicks = 0;

private:
    form::ClickSink& next_;
};

} // namespace ribi::testing
