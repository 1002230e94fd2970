#pragma once

// Builds a window from its plan on the page's DOM and offers its controls
// through the form layer's operations. Clicks go to one sink.

#include "form/controls.h"
#include "form/form_plan.h"
#include "form/web/live_announcer.h"
#include "form/web/page_fit.h"

#include <emscripten/val.h>

#include <memory>
#include <optional>
#include <vector>

namespace ribi::form::web {

class ListBoxElement;
class OptionElement;
class OutputBoxElement;

class WebForm final : public Controls {
public:
    // Builds the window into `page` (the document's body) and gives the
    // focus to its first tab stop. `description` must outlive the form.
    WebForm(const FormDescription& description, const emscripten::val& page);
    ~WebForm() override;
    WebForm(const WebForm&) = delete;
    WebForm& operator=(const WebForm&) = delete;

    void Connect(ClickSink& sink) { sink_ = &sink; }

    ListBox& List1(Index index) override;
    OptionButton& Option1(Index index) override;
    TextBox& Text1(Index index) override;

private:
    void Build(Position position);
    template <typename Call> void Deliver(Call call);

    FormPlan plan_;
    emscripten::val form_;
    LiveAnnouncer announcer_;
    // By the control's position in the plan, empty where another kind is.
    std::vector<emscripten::val> elements_;
    std::vector<std::unique_ptr<ListBoxElement>> lists_;
    std::vector<std::unique_ptr<OptionElement>> options_;
    std::vector<std::unique_ptr<OutputBoxElement>> texts_;
    std::optional<PageFit> fit_;
    ClickSink* sink_ = nullptr;
};

} // namespace ribi::form::web
