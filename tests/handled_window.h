#pragma once

// A desktop window over the form runtime with the program's handlers, as
// the program builds it: what the handlers read, which its controls must
// show, and the clicks the window delivers to them.

#include "form/form.h"
#include "selection/handlers.h"
#include "tests/counting_sink.h"
#include "tests/recorded_diagnostics.h"
#include "tests/window_driver.h"

#include <optional>
#include <string>

namespace ribi::testing {

class HandledWindow : public WindowDriver {
public:
    // `description` must outlive the window.
    explicit HandledWindow(const form::FormDescription& description)
        : WindowDriver(description), runtime(description), handlers(runtime, diagnostics), clicks(handlers)
    {
        runtime.Connect(&clicks);
    }

    std::u16string OutputText() override
    {
        std::u16string text = runtime.Text1(0).Text();
        if (const auto shown = ShownOutput()) {
            EXPECT_EQ(*shown, text) << "the box shows another text";
        }
        return text;
    }
    bool TypeSelected(form::Index index) override
    {
        const bool shown = ShownChecked(index);
        EXPECT_EQ(shown, runtime.Option1(index).Value()) << "Option1(" << index << ") shows another state";
        return shown;
    }
    form::Index SelectedRow() override
    {
        const form::Index shown = ShownRow();
        EXPECT_EQ(shown, runtime.List1(0).ListIndex()) << "the list shows another row";
        return shown;
    }
    selection::ClickGuard Guard() override { return handlers.Guard(); }
    int ListClicks() override { return clicks.listClicks; }
    int OptionClicks() override { return clicks.optionClicks; }

    RecordedDiagnostics diagnostics;
    form::Form runtime; // what the handlers read and write
    selection::Handlers handlers;
    CountingSink clicks;

protected:
    // The output box's text, with the handlers' CR LF breaks; none once its window is gone.
    virtual std::optional<std::u16string> ShownOutput() = 0;
    virtual bool ShownChecked(form::Index option) = 0;
    // -1 while no row is.
    virtual form::Index ShownRow() = 0;
};

} // namespace ribi::testing
