// The browser program: the main window on the page's DOM. It takes over
// the window drawn into the page when the page was built (or builds it,
// where the page holds none) and lives as long as the page.

#include "form/form.h"
#include "form/web/page_views.h"
#include "form/web/web_form.h"
#include "selection/handlers.h"
#include "window/main_form.h"

#include <string>
#include <string_view>

namespace ribi::window {
namespace {

// A handler's line, in the browser's console.
class Console final : public selection::Diagnostics {
public:
    void Line(std::string_view line) override { ribi_console_error(std::string(line).c_str()); }
};

class MainWindow {
public:
    MainWindow() : form_(MainFormDescription()), window_(form_), handlers_(form_, diagnostics_)
    {
        form_.Connect(&handlers_);
        window_.AcceptInput();
    }

private:
    form::Form form_;
    form::web::WebForm window_;
    Console diagnostics_;
    selection::Handlers handlers_;
};

} // namespace
} // namespace ribi::window

int main()
{
    // The page's events call into the window after main has returned to the
    // browser. The program never exits, so the window is never destroyed.
    static const ribi::window::MainWindow window;
}
