// The browser program: the main window on the page's DOM. The page's
// script creates one MainWindow as soon as the module is ready and keeps
// it for the page's life.

#include "form/web/web_form.h"
#include "selection/handlers.h"
#include "window/main_form.h"

#include <emscripten/bind.h>

#include <string_view>

namespace ribi::window {
namespace {

// A handler's line, in the browser's console.
class Console final : public selection::Diagnostics {
public:
    void Line(std::string_view line) override
    {
        emscripten::val::global("console").call<void>("error", std::string(line));
    }
};

class MainWindow {
public:
    MainWindow()
        : form_(MainFormDescription(), emscripten::val::global("document")["body"]), handlers_(form_, diagnostics_)
    {
        form_.Connect(handlers_);
    }

    // What the tests read: the output box's Text as the handlers keep it,
    // and the state between clicks.
    std::u16string OutputText() { return form_.Text1(0).Text(); }
    int Guard() const { return static_cast<int>(handlers_.Guard()); }
    int SpeciesShown() { return form_.List1(0).ListIndex(); }

private:
    form::web::WebForm form_;
    Console diagnostics_;
    selection::Handlers handlers_;
};

EMSCRIPTEN_BINDINGS(ribi_main_window)
{
    emscripten::class_<MainWindow>("MainWindow")
        .constructor<>()
        .function("outputText", &MainWindow::OutputText)
        .function("guard", &MainWindow::Guard)
        .function("speciesShown", &MainWindow::SpeciesShown);
}

} // namespace
} // namespace ribi::window
