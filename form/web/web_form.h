#pragma once

// Builds a window from its plan on the page's DOM and offers its controls
// through the form layer's operations. Clicks go to one sink.

#include "form/planned_controls.h"
#include "form/web/list_box_element.h"
#include "form/web/live_announcer.h"
#include "form/web/option_element.h"
#include "form/web/output_box_element.h"
#include "form/web/page_fit.h"

#include <emscripten/val.h>

#include <memory>
#include <optional>
#include <vector>

namespace ribi::form::web {

class WebForm final : public PlannedControls<std::unique_ptr<ListBoxElement>, std::unique_ptr<OptionElement>,
                                             std::unique_ptr<OutputBoxElement>> {
public:
    // Builds the window into `page` (the document's body) and gives the
    // focus to its first tab stop. `description` must outlive the form.
    WebForm(const FormDescription& description, const emscripten::val& page);
    ~WebForm() override;
    WebForm(const WebForm&) = delete;
    WebForm& operator=(const WebForm&) = delete;

    void Connect(ClickSink& sink) { sink_ = &sink; }

private:
    void Build(Position position);
    template <typename Call> void Deliver(Call call);

    emscripten::val form_;
    LiveAnnouncer announcer_;
    // By the control's position in the plan, empty where another kind is.
    std::vector<emscripten::val> elements_;
    std::optional<PageFit> fit_;
    ClickSink* sink_ = nullptr;
};

} // namespace ribi::form::web
