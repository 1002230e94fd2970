#pragma once

// Builds a window from its plan on the page's DOM, or takes over the one
// drawn into the page when it was built, and offers its controls through
// the form layer's operations. Clicks go to one sink.

#include "form/planned_controls.h"
#include "form/web/dom_element.h"
#include "form/web/list_box_element.h"
#include "form/web/live_announcer.h"
#include "form/web/option_element.h"
#include "form/web/output_box_element.h"

#include <emscripten/val.h>

#include <memory>
#include <vector>

namespace ribi::form::web {

class WebForm final : public PlannedControls<std::unique_ptr<ListBoxElement>, std::unique_ptr<OptionElement>,
                                             std::unique_ptr<OutputBoxElement>> {
public:
    // Builds the window into `page` (the document's body) and gives the
    // focus to its first tab stop; where the page holds the window already,
    // finds its elements by their ids instead. Until AcceptInput the window
    // is busy. `description` must outlive the form.
    WebForm(const FormDescription& description, const emscripten::val& page);
    ~WebForm() override;
    WebForm(const WebForm&) = delete;
    WebForm& operator=(const WebForm&) = delete;

    // The window is ready: what came while it was busy is answered now,
    // and what comes from now on at once.
    void AcceptInput();

private:
    void Build(Position position);
    void Fill(const PageElement& element, const ControlDescription& control);

    emscripten::val landmark_; // the page's main landmark, which holds the window
    PageElement form_;
    LiveAnnouncer announcer_;
    // By the control's position in the plan, empty where another kind is.
    std::vector<emscripten::val> elements_;
};

} // namespace ribi::form::web
