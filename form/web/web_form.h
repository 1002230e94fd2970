#pragma once

// The window of a form on the page's DOM: built from the form's plan, or
// the one drawn into the page when it was built taken over, each element
// the view of its control. The form keeps the controls' state and rules
// and delivers their Clicks.

#include "form/form.h"
#include "form/web/page_views.h"

#include <memory>
#include <vector>

namespace ribi::form::web {

class WebForm final {
public:
    // Builds the window of `form` into the document's body and gives the
    // focus to its first tab stop; where the page holds the window already,
    // finds its elements by their ids instead. Until AcceptInput the window
    // is busy. `form` must outlive the window.
    explicit WebForm(Form& form);
    ~WebForm();
    WebForm(const WebForm&) = delete;
    WebForm& operator=(const WebForm&) = delete;

    // The window is ready: what came while it was busy is answered now,
    // and what comes from now on at once.
    void AcceptInput();

private:
    void Build(Position position);

    Form& form_;
    std::vector<std::unique_ptr<ListBoxElement>> lists_;
    std::vector<std::unique_ptr<OptionElement>> options_;
    std::vector<std::unique_ptr<OutputBoxElement>> texts_;
};

} // namespace ribi::form::web
